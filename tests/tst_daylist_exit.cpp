#include "stream_lines.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

// The exit statuses of kalvemo-judge, run as the desk runs it: 0 when every
// row was judged, 1 when some were not (the result is still written), 2
// when the file cannot be judged, with no result file left behind.
class TestDayListExit : public QObject {
    Q_OBJECT
private slots:
    void exitStatus_data();
    void exitStatus();
    void shortRowNotJudged_data();
    void shortRowNotJudged();
    void bandUsed_data();
    void bandUsed();
    void headingLine_data();
    void headingLine();
    void messageNamesTheRow_data();
    void messageNamesTheRow();
    void nothingToJudgeIsSaid();
    void oddInputSaid_data();
    void oddInputSaid();
    void interruptLeavesNothing_data();
    void interruptLeavesNothing();
    void resultInTheInputsEncoding_data();
    void resultInTheInputsEncoding();
    void resultHasTheUsersPermissions();
};

namespace {

const QString kHeadings = QStringLiteral("ID,年齢区分,性別,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,"
                                         "空腹時血糖,HbA1c,血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙\n");
const QString kJudged = QStringLiteral("1,40歳～64歳,男,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n");
const QString kNotJudged = QStringLiteral("2,40歳～64歳,男,170,1S0,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n");

struct Run {
    int status;
    QStringList files; // in the folder afterwards
    QByteArray output, errors;
};

Run run(const QByteArray &input, const QStringList &arguments, const QStringList &existing = {})
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("list.csv")));
    file.open(QIODevice::WriteOnly);
    file.write(input);
    file.close();
    for (const QString &name : existing) {
        QFile other(dir.filePath(name));
        other.open(QIODevice::WriteOnly);
    }
    QProcess judge;
    judge.setWorkingDirectory(dir.path());
    judge.start(QStringLiteral(KALVEMO_JUDGE), arguments);
    judge.waitForFinished();
    return {judge.exitStatus() == QProcess::NormalExit ? judge.exitCode() : -1,
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), judge.readAllStandardOutput(),
            streamLines(judge.readAllStandardError())};
}

} // namespace

void TestDayListExit::exitStatus_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("files");

    const QString list = QStringLiteral("list.csv"), result = QStringLiteral("list_判定.csv");
    const auto row = [](const char *name, const QString &input, const QStringList &arguments,
                        const QStringList &existing, int status, const QStringList &files) {
        QTest::newRow(name) << input.toUtf8() << arguments << existing << status << files;
    };
    row("every row judged", kHeadings + kJudged, {list}, {}, 0, {list, result});
    row("a row not judged", kHeadings + kJudged + kNotJudged, {list}, {}, 1, {list, result});
    row("an all-empty row is skipped", kHeadings + kJudged + QStringLiteral(",,,\n"), {list}, {}, 0, {list, result});
    row("default name taken: (2)", kHeadings + kJudged, {list}, {result}, 0,
        {list, QStringLiteral("list_判定(2).csv"), result});
    row("named output", kHeadings + kJudged, {list, QStringLiteral("-o"), QStringLiteral("out.csv")}, {}, 0,
        {list, QStringLiteral("out.csv")});
    row("named output exists", kHeadings + kJudged, {list, QStringLiteral("-o"), QStringLiteral("out.csv")},
        {QStringLiteral("out.csv")}, 2, {list, QStringLiteral("out.csv")});
    row("standard output", kHeadings + kJudged, {list, QStringLiteral("-o"), QStringLiteral("-")}, {}, 0, {list});
    row("an Excel book: nothing written",
        QString::fromLatin1(QByteArray("PK\x03\x04", 4) + QByteArray(26, '\0') + "xl/workbook.xml"), {list}, {}, 2,
        {list});
    row("a folder: nothing written", kHeadings + kJudged, {QStringLiteral(".")}, {}, 2, {list});
    row("a required column missing", QStringLiteral("ID,性別\n1,男\n"), {list}, {}, 2, {list});
    row("unclosed quote", kHeadings + kJudged + QStringLiteral("\"3,"), {list}, {}, 2, {list});
    row("not UTF-8 as named", kHeadings + kJudged, {list, QStringLiteral("--encoding"), QStringLiteral("cp932")}, {}, 2,
        {list});
    row("unknown encoding", kHeadings + kJudged, {list, QStringLiteral("--encoding"), QStringLiteral("latin9")}, {}, 2,
        {list});
    row("unknown option", kHeadings + kJudged, {list, QStringLiteral("--fast")}, {}, 2, {list});
    row("no input", kHeadings + kJudged, {}, {}, 2, {list});
    row("input missing", kHeadings + kJudged, {QStringLiteral("nothing.csv")}, {}, 2, {list});
    row("help", kHeadings + kJudged, {QStringLiteral("--help")}, {}, 0, {list});
    // The report beside the list, by the list's rules; nothing left where
    // the run stops.
    const QString report = QStringLiteral("report.html"), option = QStringLiteral("--report");
    row("report written", kHeadings + kJudged + kNotJudged, {list, option, report}, {}, 1, {list, result, report});
    row("report exists: nothing judged", kHeadings + kJudged, {list, option, report}, {report}, 2, {list, report});
    row("report and list one file", kHeadings + kJudged, {list, QStringLiteral("-o"), report, option, report}, {}, 2,
        {list});
    row("report to standard output refused", kHeadings + kJudged, {list, option, QStringLiteral("-")}, {}, 2, {list});
    row("report where the list cannot be judged", QStringLiteral("ID,性別\n1,男\n"), {list, option, report}, {}, 2,
        {list});
}

void TestDayListExit::exitStatus()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, existing);
    QFETCH(int, status);
    QFETCH(QStringList, files);

    const Run done = run(input, arguments, existing);
    QCOMPARE(done.status, status);
    QCOMPARE(done.files, files);
}

void TestDayListExit::shortRowNotJudged_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("written"); // the row as written back: its cells, then the added columns

    // The examinee of kJudged with cells left out: judged on the cells as
    // they stand, every value after the gap would be one column to the left.
    const auto row = [](const char *name, const char *cells, const char *written) {
        QTest::newRow(name) << QString::fromUtf8(cells) << QString::fromUtf8(written);
    };
    row("diastolic left out", "1,40歳～64歳,男,170,72,92,138,160,45,105,5.7,なし,なし,なし,はい",
        "1,40歳～64歳,男,170,72,92,138,160,45,105,5.7,なし,なし,なし,はい,"
        ",,,,,列が 1 つ足りません (見出しは 16 列、この行は 15 列),,,,");
    row("height and weight left out", "1,40歳～64歳,男,92,138,82,160,45,105,5.7,なし,なし,なし,はい",
        "1,40歳～64歳,男,92,138,82,160,45,105,5.7,なし,なし,なし,はい,,"
        ",,,,,列が 2 つ足りません (見出しは 16 列、この行は 14 列),,,,");
    row("the last cell left out", "1,40歳～64歳,男,170,72,92,138,82,160,45,105,5.7,なし,なし,なし",
        "1,40歳～64歳,男,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,"
        ",,,,,列が 1 つ足りません (見出しは 16 列、この行は 15 列),,,,");
}

void TestDayListExit::shortRowNotJudged()
{
    QFETCH(QString, row);
    QFETCH(QString, written);

    const Run done = run((kHeadings + row + u'\n').toUtf8(),
                         {QStringLiteral("list.csv"), QStringLiteral("-o"), QStringLiteral("-")});
    QCOMPARE(done.status, 1);
    const QStringList lines = QString::fromUtf8(done.output).split(QRegularExpression(QStringLiteral("\r?\n")));
    QCOMPARE(lines.value(1), written);
    QVERIFY(QString::fromUtf8(done.errors).contains(written.section(u',', -5, -5)));
}

// 判定した年齢区分 holds the band that judged the row, from whichever
// column told it, and nothing for a row not judged; a column of the input
// with that heading is kept and never read.
void TestDayListExit::bandUsed_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("band");

    QString byAge = kHeadings;
    byAge.replace(QStringLiteral("年齢区分"), QStringLiteral("年度末年齢"));
    QString aged67 = kJudged;
    aged67.replace(QStringLiteral("40歳～64歳"), QStringLiteral("67"));
    QTest::newRow("from 年齢区分") << kHeadings + kJudged << QStringLiteral("40歳～64歳");
    QTest::newRow("from 年度末年齢") << byAge + aged67 << QStringLiteral("65歳～74歳");
    QTest::newRow("the input's own 判定した年齢区分 not read")
        << QStringLiteral("判定した年齢区分,") + byAge + QStringLiteral("40歳～64歳,") + aged67
        << QStringLiteral("65歳～74歳");
    QTest::newRow("not judged: empty") << kHeadings + kNotJudged << QString();
}

void TestDayListExit::bandUsed()
{
    QFETCH(QString, input);
    QFETCH(QString, band);

    const Run done = run(input.toUtf8(), {QStringLiteral("list.csv"), QStringLiteral("-o"), QStringLiteral("-")});
    const QStringList lines = QString::fromUtf8(done.output).split(u'\n');
    QVERIFY(lines.size() >= 2);
    const qsizetype column = lines[0].split(u',').lastIndexOf(QStringLiteral("判定した年齢区分"));
    QVERIFY(column > lines[0].split(u',').indexOf(QStringLiteral("確認")));
    QCOMPARE(lines[1].split(u',').value(column), band);
}

// The heading line is the first of the first 20 records that names the sex
// and a measured item; the lines above it are kept. Without it, or with
// columns missing, one message names every missing item and the headings
// not recognised.
void TestDayListExit::headingLine_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // in the output (status 0) or the message (2)

    const QString title = QStringLiteral("2026年度 特定健診 受診者一覧\n作成,健診センター\n\n");
    QTest::newRow("below a title") << title + kHeadings + kJudged << 0 << title + kHeadings.trimmed() + u',';
    QTest::newRow("a title naming the sex alone is no heading line")
        << QStringLiteral("性別,男女とも\n") + kHeadings + kJudged << 0 << QStringLiteral("性別,男女とも\nID,");
    QTest::newRow("on the 20th record") << QString(19, u'\n') + kHeadings + kJudged << 0
                                        << QString(19, u'\n') + QStringLiteral("ID,");
    QTest::newRow("on the 21st record: none")
        << QString(20, u'\n') + kHeadings + kJudged << 2 << QStringLiteral("見出しの行がありません");
    QTest::newRow("every missing item named, the headings not recognised listed")
        << QStringLiteral("ID,性別,身長,体重,腹まわり,メモ\n1,男,170,60,80,\n") << 2
        << QStringLiteral(
               "行 1 (見出し): 腹囲、最高血圧、最低血圧、中性脂肪、HDL-CHO、血圧 薬剤治療、脂質 薬剤治療、"
               "血糖 薬剤治療、喫煙、空腹時血糖かHbA1c、年齢区分 (年齢区分、年度末年齢、または生年月日と受診日) "
               "の列がありません。見出しと分からなかった列: 腹まわり、メモ");
    QTest::newRow("no heading line: the closest record's") << QStringLiteral("一覧\nID,性,身長,体重\n1,男,170,60\n")
                                                           << 2 << QStringLiteral("いちばん近い行 2: 性別、腹囲");
    QTest::newRow("past the characters searched: none")
        << (QString(100000, u'x') + u'\n').repeated(11) + kHeadings + kJudged << 2
        << QStringLiteral("見出しの行がありません (先頭の 1048576 文字 (11 行) のうち");
    QTest::newRow("a heading not recognised quoted short")
        << QStringLiteral("ID,性別,身長,") + QString(1000, u'y') + u'\n' << 2
        << QStringLiteral("見出しと分からなかった列: ") + QString(40, u'y') + u'…' + u'\n';
}

void TestDayListExit::headingLine()
{
    QFETCH(QString, input);
    QFETCH(int, status);
    QFETCH(QString, said);

    const Run done = run(input.toUtf8(), {QStringLiteral("list.csv"), QStringLiteral("-o"), QStringLiteral("-")});
    QCOMPARE(done.status, status);
    if (status == 0)
        QVERIFY(QString::fromUtf8(done.output).startsWith(said));
    else
        QVERIFY2(QString::fromUtf8(done.errors).contains(said), done.errors.constData());
}

// Inputs a desk gets wrong, each told for what it is on standard error.
void TestDayListExit::oddInputSaid_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("said"); // in the messages, in order

    QTest::newRow("-o names a folder") << (kHeadings + kJudged).toUtf8() << QStringLiteral(".") << 2
                                       << QStringList{QStringLiteral(
                                              ".: フォルダです: -o には結果のファイル名を指定してください")};
    QTest::newRow("-o in a folder not there: the C library's reason in Japanese")
        << (kHeadings + kJudged).toUtf8() << QStringLiteral("none/out.csv") << 2
        << QStringList{QStringLiteral("none/out.csv: 書けません: ファイルがありません")};
    QTest::newRow("a CP932 row in a UTF-8 list")
        << (kHeadings + kJudged).toUtf8() + "\x92\x6a\n"
        << QStringLiteral("-") << 2
        << QStringList{
               QStringLiteral("行 3: UTF-8 として読めません (その前の行は UTF-8 です)。文字コードが混ざっています")};
    QTest::newRow("the headings again and a total, passed over")
        << (kHeadings + kJudged + kHeadings + kJudged + QStringLiteral("計 2 名\n")).toUtf8() << QStringLiteral("-")
        << 0
        << QStringList{QStringLiteral("行 3: 見出しの行です: 受診者の行ではないので飛ばします\n"),
                       QStringLiteral("行 5: 合計の行です: "), QStringLiteral("判定できなかった行: 0\n"),
                       QStringLiteral("飛ばした行 (受診者の行ではない行): 2\n")};
    QTest::newRow("control characters shown")
        << (kHeadings + QString(kNotJudged).replace(0, 1, QStringLiteral("\x1b]0;T\x07\x7f"))).toUtf8()
        << QStringLiteral("-") << 1 << QStringList{QStringLiteral("(ID \u241B]0;T\u2407\u2421)")};
    QTest::newRow("a control reordering text shown")
        << (kHeadings + QString(kNotJudged).replace(0, 1, QStringLiteral("\u202Ecsv.exe"))).toUtf8()
        << QStringLiteral("-") << 1 << QStringList{QStringLiteral("(ID <U+202E>csv.exe)")};
    QTest::newRow("a line break in a file's name shown")
        << (kHeadings + kJudged).toUtf8() << QStringLiteral("none\n/out.csv") << 2
        << QStringList{QStringLiteral("none\u240A/out.csv: 書けません")};
    QTest::newRow("a long cell quoted short")
        << (kHeadings + QString(kNotJudged).replace(QStringLiteral("1S0"), QStringLiteral("1S0") + QString(5000, u'0')))
               .toUtf8()
        << QStringLiteral("-") << 1
        << QStringList{QStringLiteral("\"1S0") + QString(37, u'0') + QStringLiteral("…\" は数値として読めません")};
    QTest::newRow("an average row holding numbers, passed over")
        << (kHeadings + kJudged + QStringLiteral("平均,,,170,72,92,138,82,160,45,105,5.7,,,,\n")).toUtf8()
        << QStringLiteral("-") << 0
        << QStringList{QStringLiteral("行 3: 合計の行です: 受診者の行ではないので飛ばします")};
    QTest::newRow("a file with no line break, refused at its first")
        << QByteArray(1200 * 1024, '\0') << QStringLiteral("-") << 2
        << QStringList{QStringLiteral("行 1: 1048576 文字を超える行です")};
    QTest::newRow("a line one character too long, refused")
        << (kHeadings + QString(1048577, u'x') + u'\n' + kJudged).toUtf8() << QStringLiteral("-") << 2
        << QStringList{QStringLiteral("行 2: 1048576 文字を超える行です")};
    QTest::newRow("a quote left open, refused where it opens")
        << (kHeadings + QStringLiteral("\"3,") + QStringLiteral("x\n").repeated(600000) + u'"').toUtf8()
        << QStringLiteral("-") << 2 << QStringList{QStringLiteral("行 2: ここで始まる引用符")};
}

void TestDayListExit::oddInputSaid()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QStringList, said);

    const Run done = run(input, {QStringLiteral("list.csv"), QStringLiteral("-o"), output});
    QCOMPARE(done.status, status);
    const QString errors = QString::fromUtf8(done.errors);
    qsizetype from = 0;
    for (const QString &part : said) {
        from = errors.indexOf(part, from);
        QVERIFY2(from >= 0, qPrintable(part + u'\n' + errors));
    }
    // Only the line feeds that end the lines stay control characters, and
    // no cell is echoed whole.
    QVERIFY(std::none_of(errors.cbegin(), errors.cend(), [](QChar c) { return c < u' ' && c != u'\n'; }));
    for (const QString &line : errors.split(u'\n'))
        QVERIFY2(line.size() < 500, qPrintable(line.left(500)));
}

// A message names the row as a spreadsheet shows it, every record one row
// (titles, blank lines and the heading line too, a quoted line break none),
// and the examinee by the first naming column the list has.
void TestDayListExit::messageNamesTheRow_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("named"); // the start of the row's message

    const QString headings = kHeadings;
    QTest::newRow("the row after the headings") << headings + kNotJudged << QStringLiteral("行 2 (ID 2), 列 体重: ");
    QTest::newRow("title and blank lines counted")
        << QStringLiteral("特定健診 受診者一覧\n\n") + headings + kJudged + kNotJudged
        << QStringLiteral("行 5 (ID 2), 列 体重: ");
    QTest::newRow("a line break in quotes: one row")
        << headings + QStringLiteral("\"1\n\"") + kJudged.mid(1) + kNotJudged << QStringLiteral("行 3 (ID 2), ");
    QTest::newRow("受診者ID before 氏名")
        << QStringLiteral("氏名,受診者ID,") + headings.mid(3) + QStringLiteral("山田 花子,K-7,") + kNotJudged.mid(2)
        << QStringLiteral("行 2 (受診者ID K-7), ");
    QTest::newRow("氏名 when no number") << QStringLiteral("氏名,") + headings.mid(3) + QStringLiteral("山田 花子,")
                                                + kNotJudged.mid(2)
                                         << QStringLiteral("行 2 (氏名 山田 花子), ");
    QTest::newRow("no naming column") << QStringLiteral("メモ,") + headings.mid(3) + kNotJudged
                                      << QStringLiteral("行 2, ");
}

void TestDayListExit::messageNamesTheRow()
{
    QFETCH(QString, input);
    QFETCH(QString, named);

    const Run done = run(input.toUtf8(), {QStringLiteral("list.csv"), QStringLiteral("-o"), QStringLiteral("-")});
    QCOMPARE(done.status, 1);
    const QString errors = QString::fromUtf8(done.errors);
    QVERIFY2(errors.startsWith(named), qPrintable(errors));
}

void TestDayListExit::nothingToJudgeIsSaid()
{
    const Run done = run(kHeadings.toUtf8(), {QStringLiteral("list.csv")});
    QCOMPARE(done.status, 0);
    QVERIFY(QString::fromUtf8(done.errors).contains(QStringLiteral("判定する行がありません")));
}

// Ctrl+C, a termination request, the terminal closed under the run and
// Ctrl+\ (SIGQUIT): each stops the run half way and leaves no file behind.
void TestDayListExit::interruptLeavesNothing_data()
{
    QTest::addColumn<int>("signal");
#ifndef Q_OS_WIN
    QTest::newRow("Ctrl+C (SIGINT)") << int(SIGINT);
    QTest::newRow("termination request (SIGTERM)") << int(SIGTERM);
    QTest::newRow("terminal closed (SIGHUP)") << int(SIGHUP);
    QTest::newRow("Ctrl+\\ (SIGQUIT)") << int(SIGQUIT);
#endif
}

void TestDayListExit::interruptLeavesNothing()
{
#ifdef Q_OS_WIN
    QSKIP("Ctrl+C is sent as a signal on Linux only");
#else
    QFETCH(int, signal);
    // A list long enough to be stopped half way.
    QByteArray input = kHeadings.toUtf8();
    for (int i = 0; i < 200000; ++i)
        input += kJudged.toUtf8();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("long.csv")));
    file.open(QIODevice::WriteOnly);
    file.write(input);
    file.close();

    QProcess judge;
    judge.setWorkingDirectory(dir.path());
    // SIGQUIT's default is a core dump, which is no file of the run's.
    judge.setChildProcessModifier([] {
        const rlimit none{};
        setrlimit(RLIMIT_CORE, &none);
    });
    judge.start(QStringLiteral(KALVEMO_JUDGE), {QStringLiteral("long.csv")});
    QVERIFY(judge.waitForStarted());
    // Once the temporary file is there, the signal.
    QTRY_VERIFY_WITH_TIMEOUT(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 2, 20000);
    ::kill(pid_t(judge.processId()), signal);
    QVERIFY(judge.waitForFinished());
    QCOMPARE(judge.exitStatus(), QProcess::CrashExit);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("long.csv")});
#endif
}

namespace {

// Text in an encoding by Qt's name for it. Qt for Windows is built without
// ICU and has no CP932 converter: there Windows' own code page 932 does it.
QByteArray encoded(const QByteArray &encoding, const QString &text)
{
#ifdef Q_OS_WIN
    if (encoding == "windows-31j") {
        const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
        QByteArray bytes(WideCharToMultiByte(932, 0, wide, int(text.size()), nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(932, 0, wide, int(text.size()), bytes.data(), int(bytes.size()), nullptr, nullptr);
        return bytes;
    }
#endif
    QStringEncoder encode(encoding.constData());
    return encode.encode(text);
}

// The text of the bytes, or a null string if they are not valid.
QString decoded(const QByteArray &encoding, const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    if (encoding == "windows-31j") {
        const int size = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
        if (size <= 0)
            return {};
        QString text(size, QChar());
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t *>(text.data()), size);
        return text;
    }
#endif
    QStringDecoder decode(encoding.constData(), QStringDecoder::Flag::Stateless);
    const QString text = decode.decode(bytes);
    return decode.hasError() ? QString() : text;
}

} // namespace

void TestDayListExit::resultInTheInputsEncoding_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QByteArray>("encoding"); // Qt's name
    QTest::addColumn<QString>("atLeast");     // how the explanation writes "≥"

    QTest::newRow("UTF-8") << QByteArray() << QByteArray("UTF-8") << QStringLiteral("≥");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8") << QStringLiteral("≥");
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") << QByteArray("UTF-16LE") << QStringLiteral("≥");
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF") << QByteArray("UTF-16BE") << QStringLiteral("≥");
    QTest::newRow("CP932") << QByteArray() << QByteArray("windows-31j") << QStringLiteral("≧");
}

void TestDayListExit::resultInTheInputsEncoding()
{
    QFETCH(QByteArray, mark);
    QFETCH(QByteArray, encoding);
    QFETCH(QString, atLeast);

    const QByteArray input = mark + encoded(encoding, kHeadings + kJudged);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("list.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(input);
    file.close();
    QProcess judge;
    judge.start(QStringLiteral(KALVEMO_JUDGE), {file.fileName()});
    QVERIFY(judge.waitForFinished());
    QCOMPARE(judge.exitCode(), 0);

    QFile result(dir.filePath(QStringLiteral("list_判定.csv")));
    QVERIFY(result.open(QIODevice::ReadOnly));
    const QByteArray bytes = result.readAll();
    QVERIFY(bytes.startsWith(mark));
    const QString text = decoded(encoding, bytes.mid(mark.size()));
    QVERIFY(!text.isNull());
    // Line feeds as the input has them; nothing after the last.
    QVERIFY(!text.contains(u'\r'));
    const QStringList lines = text.split(u'\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(kHeadings.trimmed() + u','));
    QVERIFY(lines[0].endsWith(QStringLiteral(",保健指導レベルの説明")));
    QVERIFY(lines[1].contains(QStringLiteral("腹囲 92 cm ") + atLeast + QStringLiteral(" 85 cm")));
}

void TestDayListExit::resultHasTheUsersPermissions()
{
#ifdef Q_OS_WIN
    QSKIP("permission bits are Linux's");
#else
    // The temporary file is made for its owner alone; the result is not.
    const mode_t before = umask(022);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("list.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write((kHeadings + kJudged).toUtf8());
    file.close();
    QProcess judge;
    judge.start(QStringLiteral(KALVEMO_JUDGE), {file.fileName()});
    QVERIFY(judge.waitForFinished());
    umask(before);
    struct stat result {};
    QCOMPARE(stat(QFile::encodeName(dir.filePath(QStringLiteral("list_判定.csv"))).constData(), &result), 0);
    QCOMPARE(result.st_mode & 0777, mode_t(0644));
#endif
}

QTEST_GUILESS_MAIN(TestDayListExit)
#include "tst_daylist_exit.moc"
