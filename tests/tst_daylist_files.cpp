#include "daylist/input_kind.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The day's list as a desk's files are: a file that is no list is told for
// what it is.
class TestDayListFiles : public QObject {
    Q_OBJECT
private slots:
    void inputKind_data();
    void inputKind();
};

namespace {

QByteArray zipEntry(const QByteArray &name, const QByteArray &data)
{
    QByteArray header("PK\x03\x04", 4);
    header += QByteArray(22, '\0');
    header += char(name.size());
    header += QByteArray(3, '\0');
    return header + name + data;
}

} // namespace

void TestDayListFiles::inputKind_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<InputKind>("kind");
    QTest::addColumn<QString>("name");

    const QByteArray directory = QByteArray("PK\x01\x02", 4) + QByteArray(42, '\0');
    QTest::newRow("xlsx: a zip with xl/ in its directory")
        << zipEntry("[Content_Types].xml", "<Types/>") + directory + "xl/workbook.xml" << InputKind::ExcelBook
        << QStringLiteral("list.csv");
    QTest::newRow("ods: mimetype first") << zipEntry("mimetype", "application/vnd.oasis.opendocument.spreadsheet")
                                         << InputKind::OpenDocument << QStringLiteral("list.csv");
    QTest::newRow("another zip") << zipEntry("list.csv", "ID,性別\n") + directory + "list.csv" << InputKind::Zip
                                 << QStringLiteral("list.csv");
    QTest::newRow("xls: OLE2 holding a Workbook")
        << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0')
               + QByteArray("W\0o\0r\0k\0b\0o\0o\0k\0", 16)
        << InputKind::ExcelBook << QStringLiteral("list.csv");
    QTest::newRow("doc: OLE2 without a Workbook")
        << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray("W\0o\0r\0d\0", 8) << InputKind::OldOfficeFile
        << QStringLiteral("list.csv");
    QTest::newRow("a damaged book named .xlsx")
        << QByteArray("PK\x03\x04", 4) << InputKind::ExcelBook << QStringLiteral("book.xlsx");
    QTest::newRow("a damaged zip") << QByteArray("PK\x03\x04", 4) << InputKind::Zip << QStringLiteral("list.zip");
    QTest::newRow("PDF") << QByteArray("%PDF-1.7\n%\xE2\xE3\xCF\xD3\n") << InputKind::Pdf << QStringLiteral("list.csv");
    QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << InputKind::Image
                         << QStringLiteral("list.csv");
    QTest::newRow("JPEG") << QByteArray("\xFF\xD8\xFF\xE0\0\x10JFIF", 10) << InputKind::Image
                          << QStringLiteral("list.csv");
    QTest::newRow("GIF") << QByteArray("GIF89a\x01\0\x01\0", 10) << InputKind::Image << QStringLiteral("list.csv");
    QTest::newRow("TIFF") << QByteArray("II*\0\x08\0\0\0", 8) << InputKind::Image << QStringLiteral("list.csv");
    QByteArray bitmap("BM\x20\0\0\0\0\0\0\0\x1A\0\0\0", 14);
    bitmap += QByteArray(18, '\0');
    QTest::newRow("BMP of its own size") << bitmap << InputKind::Image << QStringLiteral("list.csv");
    QTest::newRow("a list opening with BMI is a list")
        << QByteArray("BMI,性別,身長\n22,男,170\n") << InputKind::DelimitedText << QStringLiteral("list.csv");
    QTest::newRow("a list with a UTF-8 mark")
        << QByteArray("\xEF\xBB\xBFID,性別\n") << InputKind::DelimitedText << QStringLiteral("list.csv");
    QTest::newRow("an empty file is for the reading to refuse")
        << QByteArray() << InputKind::DelimitedText << QStringLiteral("list.csv");
}

void TestDayListFiles::inputKind()
{
    QFETCH(QByteArray, bytes);
    QFETCH(InputKind, kind);
    QFETCH(QString, name);

    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(inputKindOf(file.fileName()), kind);
    QCOMPARE(notAListMessage(kind).isEmpty(), kind == InputKind::DelimitedText);
    QCOMPARE(inputKindOf(dir.path()), InputKind::Folder);
}

QTEST_GUILESS_MAIN(TestDayListFiles)
#include "tst_daylist_files.moc"
