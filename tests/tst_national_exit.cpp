#include "archive_maker.h"
#include "checkup_xml.h"
#include "stream_lines.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

// kalvemo-judge on the national files, run as the desk runs it: 0 when
// every checkup file was judged and no reported code differs, 1 when some
// file was not judged or some code differs (the list is still written), 2
// when the input cannot be judged at all, with no list left behind.
class TestNationalExit : public QObject {
    Q_OBJECT
private slots:
    void exitStatus_data();
    void exitStatus();
    void listAsASpreadsheetOpensIt();
    void archiveShapes_data();
    void archiveShapes();
    void loneXml_data();
    void loneXml();
    void loneInput_data();
    void loneInput();
    void comparedWithTheProgramme_data();
    void comparedWithTheProgramme();
};

namespace {

using Files = QMap<QString, QByteArray>; // path in the folder -> content

struct Run {
    int status;
    QStringList entries; // in the folder afterwards
    QString errors;
    QByteArray list; // the list written beside the input, if any
};

// What the folder holds beside the files, and which of them is the
// program's standard input.
struct Beside {
    QStringList fifos;  // FIFOs, by path
    QStringList loop{}; // symbolic links, each to the next, the last to the first
    QString standardInput{};
};

Run run(const Files &files, const QStringList &arguments, const Beside &beside = {})
{
    QTemporaryDir dir;
#ifdef Q_OS_UNIX
    for (const QString &fifo : beside.fifos) {
        QDir().mkpath(QFileInfo(dir.filePath(fifo)).absolutePath());
        mkfifo(QFile::encodeName(dir.filePath(fifo)).constData(), 0600);
    }
    for (qsizetype i = 0; i < beside.loop.size(); ++i)
        QFile::link(beside.loop[(i + 1) % beside.loop.size()], dir.filePath(beside.loop[i]));
#endif
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = dir.filePath(it.key());
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(it.value());
    }
    QProcess judge;
    judge.setWorkingDirectory(dir.path());
    if (!beside.standardInput.isEmpty())
        judge.setStandardInputFile(dir.filePath(beside.standardInput));
    judge.start(QStringLiteral(KALVEMO_JUDGE), arguments);
    judge.waitForFinished(60000);
    Run done{judge.exitStatus() == QProcess::NormalExit ? judge.exitCode() : -1,
             QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
             QString::fromUtf8(streamLines(judge.readAllStandardError())),
             {}};
    for (const QString &entry : done.entries) {
        if (entry.endsWith(QStringLiteral("_判定.csv"))) {
            QFile list(dir.filePath(entry));
            list.open(QIODevice::ReadOnly);
            done.list = list.readAll();
        }
    }
    return done;
}

QByteArray notJudgedFile()
{
    XmlCheckup c = exampleCheckup();
    c.observations.removeIf([](const XmlObservation &o) { return o.code == checkup_codes::height; });
    c.observations << pq(checkup_codes::height, QStringLiteral("1.70"), QStringLiteral("m"));
    return checkupXml(c);
}

QByteArray otherFile()
{
    XmlCheckup c = exampleCheckup();
    c.reportCode = QStringLiteral("20");
    return checkupXml(c);
}

QByteArray indexOf(int records)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<index xmlns=\"https://www.mhlw.go.jp/stf/seisakunitsuite/bunya/0000161103.html\">"
                          "<totalRecordCount value=\"%1\"/></index>\n")
        .arg(records)
        .toUtf8();
}

} // namespace

Q_DECLARE_METATYPE(Beside)

void TestNationalExit::exitStatus_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("said"); // on standard error

    const QString folder = QStringLiteral("archive"), list = QStringLiteral("archive_判定.csv");
    const QByteArray agreeing = checkupXml(exampleCheckup());
    const QByteArray differing = checkupXml(exampleCheckup(QStringLiteral("2"), QStringLiteral("1")));
    const QByteArray doctype = QByteArray(agreeing).replace("<ClinicalDocument", "<!DOCTYPE x><ClinicalDocument");

    QTest::newRow("folder: judged, codes agree")
        << Files{{"archive/DATA/h1.xml", agreeing}} << QStringList{folder} << 0 << QStringList{folder, list}
        << QStringLiteral("特定健診のファイル: 1");
    QTest::newRow("folder: a reported code differs")
        << Files{{"archive/DATA/h1.xml", agreeing}, {"archive/DATA/h2.xml", differing}} << QStringList{folder} << 1
        << QStringList{folder, list} << QStringLiteral("報告と違うメタボリックシンドローム判定コード: 1");
    QTest::newRow("folder: a file not judged")
        << Files{{"archive/DATA/h1.xml", agreeing}, {"archive/DATA/h2.xml", notJudgedFile()}} << QStringList{folder}
        << 1 << QStringList{folder, list} << QStringLiteral("単位 \"m\"");
    QTest::newRow("folder: a file refused, the rest judged")
        << Files{{"archive/DATA/h1.xml", doctype}, {"archive/DATA/h2.xml", agreeing}} << QStringList{folder} << 1
        << QStringList{folder, list} << QStringLiteral("DOCTYPE");
    QTest::newRow("folder: other files counted, not judged")
        << Files{{"archive/DATA/h1.xml", agreeing}, {"archive/DATA/g1.xml", otherFile()}} << QStringList{folder} << 0
        << QStringList{folder, list} << QStringLiteral("特定健診でないファイル (判定しません): 1");
    QTest::newRow("folder: the index agrees")
        << Files{{"archive/ix08_V08.xml", indexOf(1)}, {"archive/DATA/h1.xml", agreeing}} << QStringList{folder} << 0
        << QStringList{folder, list} << QStringLiteral("totalRecordCount: 1");
    QTest::newRow("folder: a nested archive named, not opened")
        << Files{{"archive/DATA/h1.xml", agreeing}, {"archive/DATA/more.zip", "PK\x05\x06" + QByteArray(18, '\0')}}
        << QStringList{folder} << 0 << QStringList{folder, list}
        << QStringLiteral("開かなかったアーカイブ: DATA/more.zip");
    QTest::newRow("folder: a note beside the files is another file")
        << Files{{"archive/DATA/h1.xml", agreeing}, {"archive/README.txt", "送付状\n"}} << QStringList{folder} << 0
        << QStringList{folder, list} << QStringLiteral("特定健診でないファイル (判定しません): 1");
    QFile sample(QStringLiteral(KALVEMO_SOURCE_DIR "/examples/national_sample.zip"));
    sample.open(QIODevice::ReadOnly);
    QTest::newRow("the sample archive: a code reported where Kalvemo asks for a value")
        << Files{{"national_sample.zip", sample.readAll()}} << QStringList{QStringLiteral("national_sample.zip")} << 1
        << QStringList{QStringLiteral("national_sample.zip"), QStringLiteral("national_sample_判定.csv")}
        << QStringLiteral("報告があり判定できなかった行 (判定できず): 1");
    QTest::newRow("folder: no checkup file")
        << Files{{"archive/DATA/g1.xml", otherFile()}} << QStringList{folder} << 2 << QStringList{folder}
        << QStringLiteral("特定健診の XML ファイルがありません");
    QTest::newRow("one checkup file") << Files{{"h1.xml", agreeing}} << QStringList{QStringLiteral("h1.xml")} << 0
                                      << QStringList{QStringLiteral("h1.xml"), QStringLiteral("h1_判定.csv")}
                                      << QStringLiteral("判定した行: 1");
    QTest::newRow("one checkup file longer than the start its kind is told by")
        << Files{{"h1.xml", QByteArray(agreeing).replace("</ClinicalDocument>", "<!--" + QByteArray(100 * 1024, ' ')
                                                                                    + "--></ClinicalDocument>")}}
        << QStringList{QStringLiteral("h1.xml")} << 0
        << QStringList{QStringLiteral("h1.xml"), QStringLiteral("h1_判定.csv")} << QStringLiteral("判定した行: 1");
    QTest::newRow("default name taken: (2)")
        << Files{{"archive/DATA/h1.xml", agreeing}, {list, {}}} << QStringList{folder} << 0
        << QStringList{folder, QStringLiteral("archive_判定(2).csv"), list} << QString();
    QTest::newRow("named output exists") << Files{{"archive/DATA/h1.xml", agreeing}, {"out.csv", {}}}
                                         << QStringList{folder, QStringLiteral("-o"), QStringLiteral("out.csv")} << 2
                                         << QStringList{folder, QStringLiteral("out.csv")}
                                         << QStringLiteral("上書きしません");
    QTest::newRow("--encoding does not apply")
        << Files{{"archive/DATA/h1.xml", agreeing}}
        << QStringList{folder, QStringLiteral("--encoding"), QStringLiteral("cp932")} << 2 << QStringList{folder}
        << QStringLiteral("--encoding");
}

void TestNationalExit::exitStatus()
{
    QFETCH(Files, files);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, entries);
    QFETCH(QString, said);

    const Run done = run(files, arguments);
    QCOMPARE(done.status, status);
    QCOMPARE(done.entries, entries);
    QVERIFY2(done.errors.contains(said), qPrintable(done.errors));
}

void TestNationalExit::listAsASpreadsheetOpensIt()
{
    const Run done = run({{"archive/DATA/h2.xml", checkupXml(exampleCheckup(QStringLiteral("2"), QString()))},
                          {"archive/DATA/h1.xml", checkupXml(exampleCheckup())},
                          {"archive/DATA/g1.xml", otherFile()}},
                         {QStringLiteral("archive")});
    QCOMPARE(done.status, 1);
    QVERIFY(done.list.startsWith("\xEF\xBB\xBF"));
    // Every line ends with CRLF: the heading and one per checkup file, in the
    // order of the files' names.
    const QList<QByteArray> lines = done.list.mid(3).split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.last().isEmpty());
    for (qsizetype i = 0; i < 3; ++i)
        QVERIFY(lines[i].endsWith('\r'));
    QVERIFY(lines[1].startsWith("DATA/h1.xml,"));
    QVERIFY(lines[2].startsWith("DATA/h2.xml,"));
    QVERIFY(lines[1].trimmed().endsWith(",1,1,一致,"));
    QVERIFY(lines[2].contains("不一致"));
}

void TestNationalExit::archiveShapes_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("fifos");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("rows"); // in the list; -1: no list
    QTest::addColumn<QString>("said");

    XmlCheckup second = exampleCheckup();
    second.cardNumber = QStringLiteral("7654321");
    const QByteArray h1 = checkupXml(exampleCheckup()), h2 = checkupXml(second);
    const QString two = QStringLiteral("特定健診のファイル: 2");
    auto zip = [](const QList<ArchiveEntry> &entries) { return Files{{"archive", makeArchive(entries)}}; };
    const QByteArray pair = makeArchive({{QStringLiteral("DATA/h1.xml"), h1}, {QStringLiteral("DATA/h2.xml"), h2}});

    QTest::newRow("a name twice: each judged, the name said")
        << Files{{"archive", QByteArray(pair).replace("DATA/h2.xml", "DATA/h1.xml")}} << QStringList() << 1 << 2
        << QStringLiteral("警告: 同じ名前のファイルが複数あります (展開すると1つしか残りません): DATA/h1.xml");
    QTest::newRow("cut short: damaged, with what libzip found")
        << Files{{"archive", pair.chopped(30)}} << QStringList() << 2 << -1
        << QStringLiteral("ZIP ファイルが壊れています: zip の目録");
    QTest::newRow("the index counts other than found")
        << zip({{QStringLiteral("ix08_V08.xml"), indexOf(2)}, {QStringLiteral("DATA/h1.xml"), h1}}) << QStringList()
        << 1 << 1 << QStringLiteral("警告: 索引の件数 (2) と特定健診のファイルの数 (1) が違います");
    QTest::newRow("DATA two folders down, the index beside it")
        << zip({{QStringLiteral("a/b/ix08_V08.xml"), indexOf(1)}, {QStringLiteral("a/b/DATA/h1.xml"), h1}})
        << QStringList() << 0 << 1 << QStringLiteral("totalRecordCount: 1");
    const ArchiveEntry index2{QStringLiteral("ix08_V08.xml"), indexOf(2)},
        index1{QStringLiteral("ix08_V08.xml"), indexOf(1)};
    QTest::newRow("backslashed names") << zip(
        {index2, {QStringLiteral("DATA\\h1.xml"), h1}, {QStringLiteral("DATA\\h2.xml"), h2}})
                                       << QStringList() << 0 << 2 << two;
    // Beside XSD/, a name read as written would not be in DATA/.
    const ArchiveEntry schema{QStringLiteral("XSD/hc08_V08.xsd"), "<schema/>"};
    QTest::newRow("a name from the root") << zip({index1, {QStringLiteral("/DATA/h1.xml"), h1}, schema})
                                          << QStringList() << 0 << 1 << QStringLiteral("特定健診のファイル: 1");
    QTest::newRow("no index: said") << zip({{QStringLiteral("DATA/h1.xml"), h1}}) << QStringList() << 1 << 1
                                    << QStringLiteral("警告: 索引 ix08_V08.xml がありません\n");
    QTest::newRow("checkup files at the root, neither DATA/ nor the index: a delivery without its index")
        << zip({{QStringLiteral("h1.xml"), h1}}) << QStringList() << 1 << 1
        << QStringLiteral("警告: 索引 ix08_V08.xml がありません\n");
    // The index stored as it is, so that its text can be spoiled in place.
    const QByteArray stored =
        makeArchive({{index1.name, index1.bytes, ZIP_CM_STORE}, {QStringLiteral("DATA/h1.xml"), h1}});
    const QString damaged = QStringLiteral("警告: 索引 ix08_V08.xml が読めません: 壊れています: ");
    QTest::newRow("the index damaged: a bad checksum")
        << Files{{"archive", QByteArray(stored).replace("totalRecordCount", "totalRecordCounu")}} << QStringList() << 1
        << 1 << damaged + QStringLiteral("中身の検査値 (CRC) が合いません\n");
    QTest::newRow("the index damaged: not XML")
        << zip({{index1.name, "totalRecordCount=1"}, {QStringLiteral("DATA/h1.xml"), h1}}) << QStringList() << 1 << 1
        << damaged + QStringLiteral("XML として読めません");
    QList<ArchiveEntry> notes{index1, {QStringLiteral("DATA/h1.xml"), h1}};
    for (int i = 1; i <= 22; ++i)
        notes.append({QStringLiteral("DATA/g%1.txt").arg(i, 2, 10, QChar(u'0')), "note"});
    QTest::newRow("other files: the first 20 named, the rest counted")
        << zip(notes) << QStringList() << 0 << 1
        << QStringLiteral("  DATA/g20.txt: XML のファイルではありません\n  ほか 2 ファイル\n");
    QTest::newRow("a FIFO in a folder: named, never waited on")
        << Files{{"archive/DATA/h1.xml", h1}} << QStringList{QStringLiteral("archive/DATA/h2.xml")} << 0 << 1
        << QStringLiteral(
               "開かなかったファイル: DATA/h2.xml: 通常のファイルではありません (名前付きパイプ、ソケットまたは装置)");
    QTest::newRow("a FIFO given itself: -o asked for, never waited on")
        << Files{} << QStringList{QStringLiteral("archive")} << 2 << -1
        << QStringLiteral("archive: 通常のファイルではありません");
}

void TestNationalExit::archiveShapes()
{
    QFETCH(Files, files);
    QFETCH(QStringList, fifos);
    QFETCH(int, status);
    QFETCH(int, rows);
    QFETCH(QString, said);
#ifndef Q_OS_UNIX
    if (!fifos.isEmpty())
        QSKIP("no FIFOs here");
#endif
    const Run done = run(files, {QStringLiteral("archive")}, {fifos});
    QCOMPARE(done.status, status);
    QVERIFY2(done.errors.contains(said), qPrintable(done.errors));
    QCOMPARE(done.list.isEmpty() ? -1 : done.list.count('\n') - 1, rows);
    // A name two files share is said in each of their rows too.
    QCOMPARE(done.list.count(said.toUtf8()), status == 1 && rows == 2 ? 2 : 0);
}

void TestNationalExit::loneXml_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("other"); // counted as a file that is not a checkup file

    const QByteArray checkup = checkupXml(exampleCheckup());
    XmlCheckup report = exampleCheckup(), program = exampleCheckup();
    report.reportCode = QStringLiteral("20");
    program.programCode = QStringLiteral("020");
    const QByteArray system = QByteArray(checkup).replace("1.2.392.200119.6.1001", "1.2.392.200119.6.9999");

    QTest::newRow("malformed: the line, in Japanese")
        << checkup.chopped(30) << QStringLiteral("行目: ファイルが途中で終わっています") << false;
    QTest::newRow("another kind: its root named")
        << QByteArray("<?xml version=\"1.0\"?>\n<checkupClaim xmlns=\"urn:example\"/>\n")
        << QStringLiteral(
               "特定健診の結果のファイルではありません: ルート要素は checkupClaim (名前空間 urn:example) です")
        << true;
    QTest::newRow("report kind 20") << checkupXml(report)
                                    << QStringLiteral("報告区分 (ClinicalDocument/code) は code=\"20\"") << true;
    QTest::newRow("report kind in another code system")
        << system << QStringLiteral("codeSystem=\"1.2.392.200119.6.9999\"") << true;
    QTest::newRow("programme 020") << checkupXml(program)
                                   << QStringLiteral("健診プログラム種別 (serviceEvent/code) は code=\"020\"") << true;
    QTest::newRow("declared Shift_JIS: refused as XML, not read as a list")
        << QByteArray(checkup).replace("UTF-8", "Shift_JIS")
        << QStringLiteral("文字コード Shift_JIS のファイルは読みません") << false;
    QTest::newRow("no declaration: its root named, not read as a list")
        << QByteArray("<notes xmlns=\"urn:example\"><note/></notes>\n")
        << QStringLiteral("ルート要素は notes (名前空間 urn:example) です") << true;
    QTest::newRow("0 bytes: empty, without a list's advice")
        << QByteArray() << QStringLiteral("空のファイルです\n") << false;
    QTest::newRow("blanks alone: empty") << QByteArray(" \r\n\t\n") << QStringLiteral("空のファイルです\n") << false;
}

// One file given alone that cannot be judged: exit 2, the reason, no list.
// In an archive beside a checkup file, it is named with the same reason.
void TestNationalExit::loneXml()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, said);
    QFETCH(bool, other);
    const Run alone = run({{"h.xml", xml}}, {QStringLiteral("h.xml")});
    QCOMPARE(alone.status, 2);
    QCOMPARE(alone.entries, QStringList{QStringLiteral("h.xml")});
    QVERIFY2(alone.errors.contains(said), qPrintable(alone.errors));

    const Run inArchive =
        run({{"archive", makeArchive({{QStringLiteral("ix08_V08.xml"), indexOf(1)},
                                      {QStringLiteral("DATA/h.xml"), xml},
                                      {QStringLiteral("DATA/h1.xml"), checkupXml(exampleCheckup())}})}},
            {QStringLiteral("archive")});
    QCOMPARE(inArchive.status, other ? 0 : 1);
    QVERIFY2(inArchive.errors.contains(
                 QRegularExpression(QStringLiteral("DATA/h\\.xml: .*") + QRegularExpression::escape(said))),
             qPrintable(inArchive.errors));
    QCOMPARE(inArchive.errors.contains(QStringLiteral("特定健診でないファイル (判定しません): 1\n")), other);
}

void TestNationalExit::loneInput_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<Beside>("beside");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // on standard error

    const QStringList stdinAlone{QStringLiteral("/dev/stdin")};

    QTest::newRow("a plain file over the limit: too large as it is")
        << Files{{"h.xml", "<?xml version=\"1.0\"?>" + QByteArray(4 * 1024 * 1024, ' ')}} << Beside{}
        << QStringList{QStringLiteral("h.xml")} << 2 << QStringLiteral("h.xml: 大きすぎます: 4 MiB を超えます\n");
    QTest::newRow("two links to each other: a loop")
        << Files{} << Beside{{}, {"a.csv", "b.csv"}} << QStringList{"a.csv"} << 2
        << QStringLiteral("a.csv: 開けません: シンボリックリンクが多すぎるか、輪になっています\n");
    const Files checkupFile{{"h1.xml", checkupXml(exampleCheckup())}};
    QTest::newRow("standard input, a file behind it: -o asked for")
        << checkupFile << Beside{{}, {}, QStringLiteral("h1.xml")} << stdinAlone << 2
        << QStringLiteral(
               "kalvemo-judge: /dev/stdin: 通常のファイルではありません (名前付きパイプ、ソケットまたは装置)。"
               "結果の置き場所を -o で指定してください\n詳しくは kalvemo-judge --help\n");
    QTest::newRow("standard input with -o: read")
        << checkupFile << Beside{{}, {}, QStringLiteral("h1.xml")}
        << stdinAlone + QStringList{QStringLiteral("-o"), QStringLiteral("out_判定.csv")} << 0
        << QStringLiteral("特定健診のファイル: 1\n");
}

// One input of a shape that is neither a list nor checkup files as they
// come: answered for what it is.
void TestNationalExit::loneInput()
{
    QFETCH(Files, files);
    QFETCH(Beside, beside);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
#ifndef Q_OS_UNIX
    if (!beside.loop.isEmpty() || arguments.contains(QStringLiteral("/dev/stdin")))
        QSKIP("no symbolic links nor /dev/stdin here");
#endif
    const Run done = run(files, arguments, beside);
    QCOMPARE(done.status, status);
    QCOMPARE(done.list.isEmpty(), status == 2);
    QVERIFY2(done.errors.contains(said), qPrintable(done.errors));
}

namespace {

// The example with each of `values` in place of its item's.
XmlCheckup withValues(XmlCheckup c, const QList<XmlObservation> &values)
{
    for (const XmlObservation &value : values) {
        c.observations.removeIf([&](const XmlObservation &o) { return o.code == value.code; });
        c.observations << value;
    }
    return c;
}

// The cells of a list's line (no cell of these files holds a comma).
QStringList cellsOf(const QByteArray &line) { return QString::fromUtf8(line.trimmed()).split(u','); }

} // namespace

void TestNationalExit::comparedWithTheProgramme_data()
{
    using namespace checkup_codes;
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("comparison"); // 照合
    QTest::addColumn<QString>("verdicts");   // the end of 規則の違い
    QTest::addColumn<QString>("counted");    // the summary's split of the differing rows
    QTest::addColumn<int>("status");         // 1 for a difference, and for 判定できず alone
    QTest::addColumn<QString>("check");      // what 確認 says, where it matters

    // The example (a smoker, waist 88, blood pressure 132, triglycerides
    // 160) with fasting glucose 95 and HbA1c 5.8: the window counts the
    // glucose for the guidance level by HbA1c, the programme does not.
    const QList<XmlObservation> glucoseOrder{pq(glucose, "95", "mg/dL"), pq(hba1c, "5.8", "%")};
    // Blood pressure low and no smoking: the glucose decides level 1 or 2.
    const QList<XmlObservation> glucoseDecides =
        glucoseOrder + QList{pq(systolic, "120", "mm[Hg]"), cd(smoking, "3", smokingSystem)};
    const QString explained = QStringLiteral("規則の違いで説明できる 1、説明できない 0");
    const QString unexplained = QStringLiteral("規則の違いで説明できる 0、説明できない 1");
    const QString none = QStringLiteral("規則の違いで説明できる 0、説明できない 0");
    // The file, the values in place and the items of `removed` taken out.
    const auto fileOf = [](const QString &reportedClass, const QString &reportedLevel,
                           const QList<XmlObservation> &values, const QStringList &removed = {}) {
        XmlCheckup c = withValues(exampleCheckup(reportedClass, reportedLevel), values);
        c.observations.removeIf([&](const XmlObservation &o) { return removed.contains(o.code); });
        return checkupXml(c);
    };

    QTest::newRow("the programme's reading gives the reported level: explained")
        << fileOf("2", "2", glucoseDecides) << QStringLiteral("不一致 (保健指導レベルコード: 報告 2、判定 1)")
        << QStringLiteral("空腹時血糖 95 が 100 未満、HbA1c 5.8 が 5.6 以上: 制度は空腹時血糖を先に見るため、"
                          "保健指導レベルで血糖を数えません / 制度の読み方では 保健指導レベルコード 2: 報告と一致")
        << explained << 1 << QString();
    QTest::newRow("a level difference only: the reported class stays unexplained")
        << fileOf("3", "1",
                  glucoseOrder
                      + QList{pq(waist, "90", "cm"), pq(systolic, "138", "mm[Hg]"), pq(triglycerides, "180", "mg/dL")})
        << QStringLiteral("不一致 (メタボリックシンドローム判定コード: 報告 3、判定 1)")
        << QStringLiteral("制度の読み方では メタボリックシンドローム判定コード 1: 報告と不一致") << unexplained << 1
        << QString();
    QTest::newRow("the same level under both readings: unexplained")
        << fileOf("1", "3", glucoseOrder) << QStringLiteral("不一致 (保健指導レベルコード: 報告 3、判定 1)")
        << QStringLiteral("制度の読み方では 保健指導レベルコード 1: 報告と不一致") << unexplained << 1 << QString();
    QTest::newRow("codes agreeing: the difference named, nothing to explain")
        << fileOf("2", "1", glucoseDecides) << QStringLiteral("一致")
        << QStringLiteral("保健指導レベルで血糖を数えません") << none << 0 << QString();
    QTest::newRow("non-fasting triglycerides at the programme's limit: 判定できず, the programme's codes named")
        << fileOf("1", "1", {pq(triglyceridesNonFasting, "175", "mg/dL")}, {triglycerides})
        << QStringLiteral("判定できず (メタボリックシンドローム判定コード: 報告 1、Step2を入力してください / "
                          "保健指導レベルコード: 報告 1、Step2を入力してください)")
        << QStringLiteral("中性脂肪は随時の値 175 だけです: 制度は2024年度から随時の中性脂肪 175 mg/dL 以上を数えます "
                          "(この判定は空腹時の値だけを使います) / 制度の読み方では メタボリックシンドローム判定コード "
                          "1: 報告と一致 / 制度の読み方では 保健指導レベルコード 1: 報告と一致")
        << none << 1 << QString();
    QTest::newRow("non-fasting triglycerides below the programme's limit: not counted")
        << fileOf("1", "1", {pq(triglyceridesNonFasting, "174", "mg/dL")}, {triglycerides}) << QString()
        << QStringLiteral("制度の読み方では メタボリックシンドローム判定コード 2: 報告と不一致 / 制度の読み方では "
                          "保健指導レベルコード 1: 報告と一致")
        << none << 1 << QString();
    QTest::newRow("non-fasting glucose alone: read by the programme")
        << fileOf("1", "1", {pq(glucoseNonFasting, "130", "mg/dL")}, {glucose, hba1c}) << QString()
        << QStringLiteral(
               "血糖は随時の値 130 だけです: 制度は空腹時血糖も HbA1c もないとき随時血糖を使います "
               "(この判定は使いません) / 制度の読み方では メタボリックシンドローム判定コード 1: 報告と一致 / "
               "制度の読み方では 保健指導レベルコード 1: 報告と一致")
        << none << 1 << QString();
    QTest::newRow("blood drawn 3.5 to 10 hours after a meal: the fasting codes judged as coded, 確認 says so")
        << fileOf("1", "1", {cd(timing, "3", timingSystem)}) << QStringLiteral("一致") << QString() << none << 0
        << QStringLiteral("採血時間 (9N141) は食後10時間未満ですが、中性脂肪に空腹時のコードの値があります "
                          "(コードのとおり判定しました)");
}

// One file's 照合 and 規則の違い: a difference from the report is put down
// to the rules only where the programme's reading of the same values,
// judged by the window's own handlers, gives the reported code.
void TestNationalExit::comparedWithTheProgramme()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, comparison);
    QFETCH(QString, verdicts);
    QFETCH(QString, counted);
    QFETCH(int, status);
    QFETCH(QString, check);
    const Run done = run({{"h.xml", file}}, {QStringLiteral("h.xml")});
    QCOMPARE(done.status, status);
    const QList<QByteArray> lines = done.list.mid(3).split('\n');
    const qsizetype verdict = cellsOf(lines[0]).indexOf(QStringLiteral("照合"));
    const QStringList cells = cellsOf(lines[1]).mid(verdict);
    if (!comparison.isEmpty())
        QCOMPARE(cells[0], comparison);
    QVERIFY2(cells[1].endsWith(verdicts), qPrintable(cells[1]));
    const QString checked = cellsOf(lines[1]).value(cellsOf(lines[0]).indexOf(QStringLiteral("確認")));
    QVERIFY2(checked.contains(check), qPrintable(checked));
    QVERIFY2(done.errors.contains(QStringLiteral("報告と違う行: ") + counted + u'\n'), qPrintable(done.errors));
}

QTEST_GUILESS_MAIN(TestNationalExit)
#include "tst_national_exit.moc"
