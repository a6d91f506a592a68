#include "archive_maker.h"
#include "checkup_xml.h"
#include "stream_lines.h"

#include "daylist/command_line.h"
#include "daylist/report_file.h"

#include <QDir>
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
    void droppedFilesGetAReport_data();
    void droppedFilesGetAReport();
};

namespace {

using Files = QMap<QString, QByteArray>; // path in the folder -> content

QByteArray checkupOf(const char *card)
{
    XmlCheckup c = exampleCheckup();
    c.cardNumber = QString::fromUtf8(card);
    return checkupXml(c);
}

// A delivery of one examinee's file, its index counting `records`.
QByteArray archiveOf(const char *card, int records = 1)
{
    const QByteArray index = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<index xmlns=\"https://www.mhlw.go.jp/stf/"
                             "seisakunitsuite/bunya/0000161103.html\"><totalRecordCount value=\""
                             + QByteArray::number(records) + "\"/></index>\n";
    return makeArchive({{QStringLiteral("ix08_V08.xml"), index}, {QStringLiteral("DATA/h1.xml"), checkupOf(card)}});
}

const QByteArray kDayList = "ID,性別,年齢区分,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,空腹時血糖,HbA1c,"
                            "血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙\n"
                            "1,男,40歳～64歳,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n";

} // namespace

// The arguments and the folder's entries afterwards, each split at spaces;
// texts that standard error or the files written hold, split at "|".
void TestSeveralInputs::run_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("said");
    const auto row = [](const char *name, const Files &files, const char *arguments, int status, const char *entries,
                        const char *said) { QTest::newRow(name) << files << arguments << status << entries << said; };

    const Files two{{"A.zip", archiveOf("1")}, {"B.zip", archiveOf("2")}};
    row("two archives: one list beside the first, counts summed", two, "A.zip B.zip", 0, "A.zip A_判定.csv B.zip",
        "特定健診のファイル: 2");
    row("an input not read: 2, the others' list still written", two, "A.zip none.zip B.zip", 2,
        "A.zip A_判定.csv B.zip", "kalvemo-judge: none.zip: 開けません");
    row("a note per input names it", {{"A.zip", archiveOf("1", 2)}, {"B.zip", two["B.zip"]}}, "A.zip B.zip", 1,
        "A.zip A_判定.csv B.zip", "A.zip: 警告: 索引の件数 (2) と特定健診のファイルの数 (1) が違います");
    // Entries of the same name told apart by their archive, a file given
    // alone named by its path; one named list and one report for them all.
    Files three = two;
    three.insert("h.xml", checkupOf("3"));
    row("each input named in the list and the report", three, "A.zip B.zip h.xml -o m.csv --report r.html", 0,
        "A.zip B.zip h.xml m.csv r.html",
        "\nA.zip: DATA/h1.xml,|\nB.zip: DATA/h1.xml,|\nh.xml,|<tr><th>ファイル (一覧の行)</th><td>3</td></tr>|"
        "<tr><th>入力</th><td class=\"text\">A.zip</td></tr>|<tr><th>入力</th><td class=\"text\">B.zip</td></tr>|"
        "<tr><th>入力</th><td class=\"text\">h.xml</td></tr>");
    // A file sent again: named, both rows kept; in the report its examinee
    // counted once (1 of 1 in every table), the file twice.
    row("the same examinee in two archives", {{"A.zip", two["A.zip"]}, {"B.zip", two["A.zip"]}},
        "A.zip B.zip --report r.html", 0, "A.zip A_判定.csv B.zip r.html",
        "同じ受診者のファイルが複数あります: 1 20250325: A.zip: DATA/h1.xml と B.zip: DATA/h1.xml\n|"
        "<td>1<span class=\"pct\"> "
        "(100.0%)</span></td></tr>|"
        "<tr><th>ファイル (一覧の行)</th><td>2</td></tr>|架空健診センター</td><td>2</td><td>2</td>");
    row("a day's list among national files: nothing written", {{"A.zip", two["A.zip"]}, {"day.csv", kDayList}},
        "A.zip day.csv", 2, "A.zip day.csv",
        "kalvemo-judge: 一覧と全国標準の XML ファイルは一緒に判定できません。別々に指定してください: day.csv と "
        "A.zip\n");
    const Files lists{{"1.csv", kDayList}, {"2.csv", kDayList}};
    row("day's lists: each its own result, one summary", lists, "1.csv 2.csv", 0, "1.csv 1_判定.csv 2.csv 2_判定.csv",
        "判定した行: 2\n判定できなかった行: 0\n");
    row("day's lists and one named output: refused", lists, "1.csv 2.csv -o x.csv", 2, "1.csv 2.csv",
        "一覧が 2 つあります: -o は一覧が1つのときだけです (結果は一覧ごとにその横に書きます)");
    row("a day's list that cannot be read: the other's result left", {{"1.csv", kDayList}, {"2.csv", "名前\n"}},
        "1.csv 2.csv", 2, "1.csv 1_判定.csv 2.csv", "結果: ./1_判定.csv\n");
}

void TestSeveralInputs::run()
{
    QFETCH(Files, files);
    QFETCH(QString, arguments);
    QFETCH(QString, said);
    const QTemporaryDir dir;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        if (QFile file(dir.filePath(it.key())); file.open(QIODevice::WriteOnly)) // else missed in "entries"
            file.write(*it);
    QProcess judge;
    judge.setWorkingDirectory(dir.path());
    judge.start(QStringLiteral(KALVEMO_JUDGE), arguments.split(u' '));
    QVERIFY(judge.waitForFinished(60000) && judge.exitStatus() == QProcess::NormalExit);
    QTEST(judge.exitCode(), "status");
    QTEST(QDir(dir.path()).entryList(QDir::Files, QDir::Name).join(u' '), "entries");
    QString content = QString::fromUtf8(streamLines(judge.readAllStandardError()));
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        if (QFile file(dir.filePath(name)); !files.contains(name) && file.open(QIODevice::ReadOnly))
            content += QString::fromUtf8(file.readAll());
    for (const QString &text : said.split(u'|'))
        QVERIFY2(content.contains(text), qPrintable(text));
}

// Files dropped on the icon (Windows alone tells a drop) with no option: a
// report beside the first input, never over a file.
void TestSeveralInputs::droppedFilesGetAReport_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("afterwards"); // the folder's pages, split at spaces

    const auto row = [](const char *name, const char *arguments, const char *existing, const char *afterwards) {
        QTest::newRow(name) << arguments << existing << afterwards;
    };
    row("beside the first", "A.zip B.zip", "", "A_報告.html");
    row("the name taken: (2)", "A.zip B.zip", "A_報告.html", "A_報告(2).html A_報告.html");
    row("an option given: none", "A.zip B.zip -o x.csv", "", "");
}

void TestSeveralInputs::droppedFilesGetAReport()
{
    QFETCH(QString, arguments);
    QFETCH(QString, existing);
    const QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const QString &name : existing.split(u' ', Qt::SkipEmptyParts))
        QFile(name).open(QIODevice::WriteOnly);
    ReportFile dropped(std::get<CommandLine>(parseCommandLine(arguments.split(u' '))), true);
    const bool opened = dropped.open();
    const int status = dropped.finish({kAllJudged, true});
    const QStringList written = QDir().entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    QDir::setCurrent(before);
    QVERIFY(opened);
    QCOMPARE(status, kAllJudged);
    QTEST(written.join(u' '), "afterwards");
}

QTEST_GUILESS_MAIN(TestSeveralInputs)
#include "tst_several_inputs.moc"
