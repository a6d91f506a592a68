#include "archive_maker.h"
#include "checkup_xml.h"
#include "stream_lines.h"

#include "daylist/command_line.h"
#include "daylist/report_file.h"
#include "daylist/report_totals.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// kalvemo-judge given several inputs in one run: the national files make
// one list beside the first input, each day's list its own result; one
// summary and the worst status cover the run.
class TestSeveralInputs : public QObject {
    Q_OBJECT
private slots:
    void run_data();
    void run();
    void listNamesEachInput();
    void reportCoversEveryInput();
    void examineeSentTwiceCountedOnce();
    void droppedFilesGetAReport_data();
    void droppedFilesGetAReport();
};

namespace {

using Files = QMap<QString, QByteArray>; // path in the folder -> content

struct Run {
    int status;
    QStringList entries; // in the folder afterwards
    QString errors;
    QDir dir;
};

Run judge(const QTemporaryDir &dir, const Files &files, const QStringList &arguments)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = dir.filePath(it.key());
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(it.value());
    }
    QProcess judge;
    judge.setWorkingDirectory(dir.path());
    judge.start(QStringLiteral(KALVEMO_JUDGE), arguments);
    judge.waitForFinished(60000);
    return {judge.exitStatus() == QProcess::NormalExit ? judge.exitCode() : -1,
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
            QString::fromUtf8(streamLines(judge.readAllStandardError())), QDir(dir.path())};
}

QByteArray checkupOf(const QString &card)
{
    XmlCheckup c = exampleCheckup();
    c.cardNumber = card;
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

// A delivery of one examinee's file, its index counting `records`.
QByteArray archiveOf(const QString &card, int records = 1)
{
    return makeArchive(
        {{QStringLiteral("ix08_V08.xml"), indexOf(records)}, {QStringLiteral("DATA/h1.xml"), checkupOf(card)}});
}

const QByteArray kDayList = "ID,性別,年齢区分,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,空腹時血糖,HbA1c,"
                            "血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙\n"
                            "1,男,40歳～64歳,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n";

} // namespace

void TestSeveralInputs::run_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("said"); // on standard error

    const QString a = QStringLiteral("A.zip"), b = QStringLiteral("B.zip"), list = QStringLiteral("A_判定.csv");
    const Files two{{a, archiveOf(QStringLiteral("1"))}, {b, archiveOf(QStringLiteral("2"))}};
    QTest::newRow("two archives: one list beside the first, counts summed")
        << two << QStringList{a, b} << 0 << QStringList{a, list, b} << QStringLiteral("特定健診のファイル: 2");
    QTest::newRow("an archive, a folder and a file: the worst status")
        << Files{{a, archiveOf(QStringLiteral("1"))},
                 {"f/DATA/h1.xml", checkupXml(exampleCheckup(QStringLiteral("2"), QStringLiteral("1")))},
                 {"h.xml", checkupOf(QStringLiteral("3"))}}
        << QStringList{a, QStringLiteral("f"), QStringLiteral("h.xml")} << 1
        << QStringList{a, list, QStringLiteral("f"), QStringLiteral("h.xml")}
        << QStringLiteral("報告と違うメタボリックシンドローム判定コード: 1");
    QTest::newRow("an input not read: 2, the others' list still written")
        << two << QStringList{a, QStringLiteral("none.zip"), b} << 2 << QStringList{a, list, b}
        << QStringLiteral("kalvemo-judge: none.zip: 開けません");
    QTest::newRow("a note per input names it")
        << Files{{a, archiveOf(QStringLiteral("1"), 2)}, {b, archiveOf(QStringLiteral("2"))}} << QStringList{a, b} << 1
        << QStringList{a, list, b}
        << QStringLiteral("A.zip: 警告: 索引の件数 (2) と特定健診のファイルの数 (1) が違います");
    QTest::newRow("the same examinee in two archives: named, both rows kept")
        << Files{{a, archiveOf(QStringLiteral("1"))}, {b, archiveOf(QStringLiteral("1"))}} << QStringList{a, b} << 0
        << QStringList{a, list, b}
        << QStringLiteral("同じ受診者のファイルが複数あります: 1 20250325: A.zip: DATA/h1.xml と B.zip: DATA/h1.xml\n");
    QTest::newRow("one named output for the national files")
        << two << QStringList{a, b, QStringLiteral("-o"), QStringLiteral("month.csv")} << 0
        << QStringList{a, b, QStringLiteral("month.csv")} << QStringLiteral("結果: month.csv");
    QTest::newRow("a day's list among national files: nothing written")
        << Files{{a, archiveOf(QStringLiteral("1"))}, {"day.csv", kDayList}}
        << QStringList{a, QStringLiteral("day.csv")} << 2 << QStringList{a, QStringLiteral("day.csv")}
        << QStringLiteral("kalvemo-judge: 一覧と全国標準の XML ファイルは一緒に判定できません。別々に指定してください: "
                          "day.csv と A.zip\n");
    const Files lists{{"1.csv", kDayList}, {"2.csv", kDayList}};
    QTest::newRow("day's lists: each its own result, one summary")
        << lists << QStringList{QStringLiteral("1.csv"), QStringLiteral("2.csv")} << 0
        << QStringList{QStringLiteral("1.csv"), QStringLiteral("1_判定.csv"), QStringLiteral("2.csv"),
                       QStringLiteral("2_判定.csv")}
        << QStringLiteral("判定した行: 2\n判定できなかった行: 0\n");
    QTest::newRow("day's lists and one named output: refused")
        << lists
        << QStringList{QStringLiteral("1.csv"), QStringLiteral("2.csv"), QStringLiteral("-o"), QStringLiteral("x.csv")}
        << 2 << QStringList{QStringLiteral("1.csv"), QStringLiteral("2.csv")}
        << QStringLiteral("一覧が 2 つあります: -o は一覧が1つのときだけです (結果は一覧ごとにその横に書きます)");
    QTest::newRow("a day's list that cannot be read: the other's result left")
        << Files{{"1.csv", kDayList}, {"2.csv", "名前\n"}}
        << QStringList{QStringLiteral("1.csv"), QStringLiteral("2.csv")} << 2
        << QStringList{QStringLiteral("1.csv"), QStringLiteral("1_判定.csv"), QStringLiteral("2.csv")}
        << QStringLiteral("結果: ./1_判定.csv\n");
}

void TestSeveralInputs::run()
{
    QFETCH(Files, files);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, entries);
    QFETCH(QString, said);

    const QTemporaryDir dir;
    const Run done = judge(dir, files, arguments);
    QCOMPARE(done.status, status);
    QCOMPARE(done.entries, entries);
    QVERIFY2(done.errors.contains(said), qPrintable(done.errors));
}

// Two archives' entries of the same name are told apart by the archive; a
// file given alone is named by its path.
void TestSeveralInputs::listNamesEachInput()
{
    const QTemporaryDir dir;
    const Run done = judge(dir,
                           {{"A.zip", archiveOf(QStringLiteral("1"))},
                            {"B.zip", archiveOf(QStringLiteral("2"))},
                            {"h.xml", checkupOf(QStringLiteral("3"))}},
                           {QStringLiteral("A.zip"), QStringLiteral("B.zip"), QStringLiteral("h.xml")});
    QFile list(done.dir.filePath(QStringLiteral("A_判定.csv")));
    QVERIFY(list.open(QIODevice::ReadOnly));
    QStringList files;
    for (const QByteArray &line : list.readAll().split('\n'))
        files << QString::fromUtf8(line.split(',').first());
    QCOMPARE(files.mid(1), (QStringList{QStringLiteral("A.zip: DATA/h1.xml"), QStringLiteral("B.zip: DATA/h1.xml"),
                                        QStringLiteral("h.xml"), QString()}));
}

void TestSeveralInputs::reportCoversEveryInput()
{
    const QTemporaryDir dir;
    const Run done =
        judge(dir, {{"A.zip", archiveOf(QStringLiteral("1"))}, {"B.zip", archiveOf(QStringLiteral("2"))}},
              {QStringLiteral("A.zip"), QStringLiteral("B.zip"), QStringLiteral("--report"), QStringLiteral("r.html")});
    QCOMPARE(done.status, 0);
    QFile report(done.dir.filePath(QStringLiteral("r.html")));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(report.readAll());
    for (const char *input : {"A.zip", "B.zip"})
        QVERIFY(html.contains(QStringLiteral("<tr><th>入力</th><td class=\"text\">%1</td></tr>").arg(input)));
    QVERIFY(html.contains(QStringLiteral("<tr><th>ファイル (一覧の行)</th><td>2</td></tr>")));
}

// A file sent again is counted as a file, its examinee once.
void TestSeveralInputs::examineeSentTwiceCountedOnce()
{
    ReportTotals totals;
    ReportRow row{QStringLiteral("A.zip: DATA/h1.xml"),
                  QStringLiteral("1"),
                  50,
                  QDate(2025, 3, 25),
                  CountedResults{false, 1, 1, {}},
                  {},
                  ReportedFile{}};
    totals.add(row);
    row.place = QStringLiteral("B.zip: DATA/h1.xml");
    row.repeated = true;
    totals.add(row);
    QCOMPARE(totals.nationalFiles(), 2);
    QCOMPARE(totals.counts(false, reportBandOf(50)).examinees, 1);
    QCOMPARE(totals.institutions().first().files, 2);
}

// Files dropped on the icon (Windows alone tells a drop) with no option: a
// report beside the first input, never over a file.
void TestSeveralInputs::droppedFilesGetAReport_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("report"); // none: no report

    const QStringList two{QStringLiteral("A.zip"), QStringLiteral("B.zip")};
    QTest::newRow("beside the first") << two << QStringList() << QStringLiteral("A_報告.html");
    QTest::newRow("the name taken: (2)") << two << QStringList{QStringLiteral("A_報告.html")}
                                         << QStringLiteral("A_報告(2).html");
    QTest::newRow("a folder by its name")
        << QStringList{QStringLiteral("f/")} << QStringList() << QStringLiteral("f_報告.html");
    QTest::newRow("an option given: none")
        << two + QStringList{QStringLiteral("-o"), QStringLiteral("x.csv")} << QStringList() << QString();
}

void TestSeveralInputs::droppedFilesGetAReport()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, existing);
    QFETCH(QString, report);

    const QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QDir().mkdir(QStringLiteral("f"));
    for (const QString &name : existing) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const auto parsed = parseCommandLine(arguments);
    ReportFile dropped(std::get<CommandLine>(parsed), true);
    QVERIFY(dropped.open());
    QCOMPARE(dropped.finish({kAllJudged, true}), kAllJudged);
    const QStringList written = QDir().entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    QDir::setCurrent(before);
    QStringList expected = existing;
    if (!report.isEmpty())
        expected << report;
    expected.sort();
    QCOMPARE(written, expected);
}

QTEST_GUILESS_MAIN(TestSeveralInputs)
#include "tst_several_inputs.moc"
