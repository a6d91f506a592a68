#include "archive_maker.h"
#include "checkup_xml.h"
#include "daylist/added_columns.h"
#include "daylist/day_list.h"
#include "daylist/exit_status.h"
#include "daylist/input_kind.h"
#include "words/record_row.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// The day's list as a desk's files are: the result is the input's own bytes
// with the added columns put in, whatever the shape of its records; an
// input is told for what it is by its content: the national files, a list,
// or a file that is no list.
class TestDayListFiles : public QObject {
    Q_OBJECT
private slots:
    void recordShapes_data();
    void recordShapes();
    void inputKind_data();
    void inputKind();
};

namespace {

// Sixteen headings, every one the judgement needs.
const QString kHeadings = QStringLiteral("ID,年齢区分,性別,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,"
                                         "空腹時血糖,HbA1c,血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙");
// An examinee's cells without 喫煙: one short of the headings.
const QString kFifteen = QStringLiteral("40歳～64歳,男,170,72,92,138,82,160,45,105,5.7,なし,なし,なし");

QByteArray inEncoding(const QString &text, const char *encoding)
{
#ifdef Q_OS_WIN
    if (qstrcmp(encoding, "windows-31j") == 0) {
        const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
        QByteArray bytes(WideCharToMultiByte(932, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(932, 0, wide, int(text.size()), bytes.data(), int(bytes.size()), nullptr, nullptr);
        return bytes;
    }
#endif
    QStringEncoder encoder(encoding, QStringEncoder::Flag::Stateless);
    return encoder.encode(text);
}

// What the heading line gains: the added headings, each after a comma.
QString addedToHeadings() { return u',' + addedHeadings().join(u','); }

// What a row that is not judged gains: empty cells but 確認.
QString addedNotJudged(const QString &reason)
{
    QStringList cells(addedHeadings().size());
    const QString quote = QStringLiteral("\"");
    cells[checkColumnIndex()] =
        reason.contains(quote) ? quote + QString(reason).replace(quote, quote + quote) + quote : reason;
    return u',' + cells.join(u',');
}

QString shortBy(int missing)
{
    return QStringLiteral("列が %1 つ足りません (見出しは 16 列、この行は %2 列)").arg(missing).arg(16 - missing);
}

QByteArray zipEntry(const QByteArray &name, const QByteArray &data)
{
    QByteArray header("PK\x03\x04", 4);
    header += QByteArray(22, '\0');
    header += char(name.size());
    header += QByteArray(3, '\0');
    return header + name + data;
}

} // namespace

// Input and result as text with "‹" where the added cells go: the text of
// `added` there in turn. Every other byte of the result is the input's.
void TestDayListFiles::recordShapes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<int>("status");

    const auto row = [](const char *name, const QString &text, const QStringList &added,
                        const char *encoding = "UTF-8") {
        QString result = text;
        for (const QString &cells : added)
            result.replace(result.indexOf(u'‹'), 1, cells);
        QString input = text;
        input.remove(u'‹');
        QTest::newRow(name) << inEncoding(input, encoding) << inEncoding(result, encoding)
                            << int(added.size() > 1 ? kSomeNotJudged : kAllJudged);
    };
    const QString headings = kHeadings + u'‹';
    const QString added = addedToHeadings();
    row("LF stays LF", headings + "\n1," + kFifteen + "‹\n", {added, u',' + addedNotJudged(shortBy(1))});
    row("CRLF stays CRLF, a last line without a break gets none", headings + "\r\n1," + kFifteen + "‹",
        {added, u',' + addedNotJudged(shortBy(1))});
    row("blank lines and cells of spaces copied, nothing added", headings + "\n\n\r\n , ,  \n1," + kFifteen + "‹\n\n",
        {added, u',' + addedNotJudged(shortBy(1))});
    row("title lines above the headings copied", "2026年度 特定健診 一覧\n,作成日,2026/05/01\n\n" + headings + "\n",
        {added});
    row("short row padded to the headings first", headings + "\n1," + kFifteen.section(u',', 0, 11) + "‹\n",
        {added, ",,," + addedNotJudged(shortBy(3))});
    row("long row: its extra cells after the added ones", headings + "\n1," + kFifteen + ",はい‹,余り,\"x\"\n",
        {added, addedNotJudged(QStringLiteral("見出しより多いセルがあります (18 個、見出しは 16 個)"))});
    row("quotes and spaces kept as written",
        headings + "\n\"1\", \"40歳～64歳\" ,男 ," + kFifteen.section(u',', 2) + "‹\n",
        {added, u',' + addedNotJudged(shortBy(1))});
    row("a stray quote joins lines: named, the joined lines kept",
        headings + "\n1,\"" + kFifteen + "\n2,40歳～64歳,女\n3,\",なし‹\n",
        {added, QString(13, u',')
                    + addedNotJudged(QStringLiteral("行 2～4: 引用符 (\") が閉じず、3 行が 1 件になっています"))});
    row("UTF-16LE in code units", QStringLiteral("\uFEFF") + headings + "\r\n1," + kFifteen + "‹\n",
        {added, u',' + addedNotJudged(shortBy(1))}, "UTF-16LE");
    row("CP932", headings + "\r\n髙," + kFifteen + "‹\r\n", {added, u',' + addedNotJudged(shortBy(1))}, "windows-31j");
    // 髙 (IBM's extension, 0xFB 0xFC) split by the end of the first piece
    // read, in a row long enough to reach it: every byte counted across it.
    const QByteArray before = inEncoding(kHeadings, "windows-31j") + "\r\n";
    row("CP932 character across a read boundary",
        headings + "\r\n" + QString(65535 - before.size(), u'x') + "髙," + kFifteen + "‹\r\n",
        {added, u',' + addedNotJudged(shortBy(1))}, "windows-31j");
    // ≒ as NEC's duplicate code 0x8790 (its standard code is 0x81E0) and
    // ∵ as IBM's 0xFA5B (standard 0x81E6): written back as they came.
    const QByteArray cp932Headings = inEncoding(kHeadings, "windows-31j");
    const QByteArray cp932Row = "\r\n\x87\x90\xFA\x5B," + inEncoding(kFifteen, "windows-31j");
    QTest::newRow("CP932 duplicate codes kept") << cp932Headings + cp932Row
                                                << cp932Headings + inEncoding(added, "windows-31j") + cp932Row
                                                       + inEncoding(u',' + addedNotJudged(shortBy(1)), "windows-31j")
                                                << int(kSomeNotJudged);
}

void TestDayListFiles::recordShapes()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, result);
    QFETCH(int, status);

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("list.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(input);
    file.close();
    const QString output = dir.filePath(QStringLiteral("result.csv"));
    QCOMPARE(judgeDayList({file.fileName(), output, {}, false}), status);
    QFile written(output);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), result);
}

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
    QTest::newRow("another zip") << makeArchive({{QStringLiteral("list.csv"), "ID,性別\n"}}) << InputKind::Zip
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
    QTest::newRow("a damaged zip") << QByteArray("PK\x03\x04", 4) << InputKind::DamagedZip
                                   << QStringLiteral("list.zip");
    QTest::newRow("xls: OLE2 holding its Workbook at the end")
        << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(200 * 1024, '\0')
               + QByteArray("W\0o\0r\0k\0b\0o\0o\0k\0", 16) + QByteArray(512, '\0')
        << InputKind::ExcelBook << QStringLiteral("list.csv");
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

    const QByteArray document = checkupXml({});
    QTest::newRow("a checkup file named .zip") << document << InputKind::NationalXml << QStringLiteral("input.zip");
    QTest::newRow("a ClinicalDocument with a prefix")
        << QByteArray("<?xml version=\"1.0\"?><!-- made up --><h:ClinicalDocument xmlns:h=\"urn:hl7-org:v3\"/>")
        << InputKind::NationalXml << QStringLiteral("input.xml");
    QTest::newRow("a ClinicalDocument behind a DOCTYPE, for its reading to refuse")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"aaaa\">]><ClinicalDocument "
                      "xmlns=\"urn:hl7-org:v3\">&a;</ClinicalDocument>")
        << InputKind::NationalXml << QStringLiteral("input.xml");
    QTest::newRow("a ClinicalDocument in UTF-16")
        << QByteArray("\xff\xfe", 2)
               + QByteArray(reinterpret_cast<const char *>(u"<ClinicalDocument xmlns=\"urn:hl7-org:v3\"/>"), 84)
        << InputKind::NationalXml << QStringLiteral("input.xml");
    QTest::newRow("XML without a declaration, named .xml") << QByteArray("<ClinicalDocument xmlns=\"urn:example\"/>")
                                                           << InputKind::NationalXml << QStringLiteral("input.xml");
    QTest::newRow("XML without a declaration, named otherwise")
        << QByteArray("<index xmlns=\"http://tempuri.org\"/>") << InputKind::DelimitedText
        << QStringLiteral("ix08_V08");
    QTest::newRow("an archive with checkup files named .csv")
        << makeArchive({{QStringLiteral("DATA/h1.xml"), document}}) << InputKind::NationalArchive
        << QStringLiteral("input.csv");
    QTest::newRow("an archive with an index under its top folder")
        << makeArchive({{QStringLiteral("t/ix08_V08.xml"), "<index/>"}, {QStringLiteral("t/x.txt"), "x"}})
        << InputKind::NationalArchive << QStringLiteral("input.zip");
    QTest::newRow("an archive of other files")
        << makeArchive({{QStringLiteral("list.csv"), "a,b"}, {QStringLiteral("DATA/notes.txt"), "n"}}) << InputKind::Zip
        << QStringLiteral("input.zip");
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
    QCOMPARE(classifyInput(file.fileName()).kind, kind);
    QCOMPARE(notAListMessage(kind).isEmpty(), kind == InputKind::DelimitedText || isNational(kind));
    QCOMPARE(classifyInput(dir.path()).kind, InputKind::Folder);
    QVERIFY(isNational(InputKind::Folder));
}

QTEST_GUILESS_MAIN(TestDayListFiles)
#include "tst_daylist_files.moc"
