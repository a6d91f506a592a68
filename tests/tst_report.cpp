#include "checkup_xml.h"
#include "daylist/kalvemo_judge.h"
#include "daylist/report_charts.h"
#include "examinee/age_band.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The month's report, read back: its tables hold what the list of the same
// run holds, counted by sex, age band and result; and the page loads and
// runs nothing, whatever the input's cells say.
class TestReport : public QObject {
    Q_OBJECT
private slots:
    void tablesAgreeWithTheList_data();
    void tablesAgreeWithTheList();
    void loadsAndRunsNothing_data();
    void loadsAndRunsNothing();
    void rowsToLookAtBounded_data();
    void rowsToLookAtBounded();
    void chartLabelsCutByWidth_data();
    void chartLabelsCutByWidth();
};

namespace {

using Files = QMap<QString, QByteArray>; // name in the folder -> content
using Cells = QMap<QString, qint64>;     // "table|group|row|column" -> count

const QString kHeadings = QStringLiteral("ID,性別,生年月日,受診日,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,"
                                         "空腹時血糖,HbA1c,血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙\n");

QByteArray dayList(const QStringList &rows) { return (kHeadings + rows.join(u'\n') + u'\n').toUtf8(); }

XmlCheckup checkup(const QString &sex, const QString &birth, const QString &institution, const QString &codes)
{
    XmlCheckup c = exampleCheckup(codes.left(1), codes.mid(1));
    c.sex = sex;
    c.birth = birth;
    c.cardNumber = birth; // each examinee a card of their own: the same card and date would be a file sent again
    c.institution = institution;
    return c;
}

// A national folder: men and women in several bands, at two institutions,
// codes agreeing, differing and not reported, one file not judged (its sex
// unknown) and one without its waist (判定できず).
Files nationalFolder()
{
    XmlCheckup noWaist =
        checkup(QStringLiteral("2"), QStringLiteral("19820301"), QStringLiteral("1300000002"), QStringLiteral("11"));
    noWaist.observations.removeIf([](const XmlObservation &o) { return o.code == checkup_codes::waist; });
    XmlCheckup onDrugs =
        checkup(QStringLiteral("1"), QStringLiteral("19520901"), QStringLiteral("1399999999"), QString());
    for (XmlObservation &o : onDrugs.observations)
        if (o.code == checkup_codes::bloodPressureDrugs)
            o.value = QStringLiteral("1");
    return {
        {QStringLiteral("a.xml"), checkupXml(exampleCheckup())},
        {QStringLiteral("b.xml"), checkupXml(checkup(QStringLiteral("2"), QStringLiteral("19800601"),
                                                     QStringLiteral("1300000002"), QStringLiteral("22")))},
        {QStringLiteral("c.xml"), checkupXml(onDrugs)},
        {QStringLiteral("d.xml"), checkupXml(checkup(QStringLiteral("9"), QStringLiteral("19700101"),
                                                     QStringLiteral("1300000002"), QStringLiteral("11")))},
        {QStringLiteral("e.xml"), checkupXml(noWaist)},
        {QStringLiteral("f.xml"), checkupXml(checkup(QStringLiteral("1"), QStringLiteral("19660401"),
                                                     QStringLiteral("1399999999"), QStringLiteral("13")))},
    };
}

// A day's list with the dates: bands from 40 to 74, one row not judged, one
// of 75 at the fiscal year's end (74 on the day: judged, outside the bands).
Files datedList()
{
    return {{QStringLiteral("day.csv"),
             dayList({
                 QStringLiteral("1,男,1984/06/01,2025/03/10,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい"),
                 QStringLiteral("2,女,1980/01/01,2025/03/10,158,50,70,118,72,90,60,90,5.2,なし,なし,なし,いいえ"),
                 QStringLiteral("3,女,1962/02/02,2024/05/20,155,62,91,142,88,180,38,112,6.1,あり,なし,あり,いいえ"),
                 QStringLiteral("4,男,1955/03/01,2025/01/15,165,70,,130,80,150,50,100,5.6,なし,あり,なし,いいえ"),
                 QStringLiteral("5,男,1970/07/07,2024/10/01,170,1S0,90,120,80,100,50,95,5.4,なし,なし,なし,いいえ"),
                 QStringLiteral("6,男,1950/03/15,2025/03/01,168,66,86,128,78,120,55,99,5.5,なし,なし,なし,いいえ"),
             })}};
}

// A day's list with only the age band: no age, every row in 計 alone.
Files bandedList()
{
    return {{QStringLiteral("band.csv"),
             QStringLiteral("ID,年齢区分,性別,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,空腹時血糖,HbA1c,"
                            "血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙\n"
                            "1,40歳～64歳,男,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n"
                            "2,65歳～74歳,女,150,55,92,120,70,100,45,105,5.7,なし,なし,なし,いいえ\n")
                 .toUtf8()}};
}

// The files written into a folder of their own, and kalvemo-judge run on
// `input` (a file of them, or the folder itself: "") with --report.
struct Run {
    QString list;
    QString report;
};
Run judgeWithReport(const QTemporaryDir &dir, const Files &files, const QString &input)
{
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(dir.filePath(QStringLiteral("in/") + it.key()));
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            return {};
    }
    const Run run{dir.filePath(QStringLiteral("list.csv")), dir.filePath(QStringLiteral("report.html"))};
    const int status = runKalvemoJudge({dir.filePath(QStringLiteral("in/") + input), QStringLiteral("-o"), run.list,
                                        QStringLiteral("--report"), run.report});
    return status < 2 ? run : Run{};
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The cells of a line of comma-separated values, quotes read.
QStringList csvCells(const QString &line)
{
    QStringList cells{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"')
            cells.last() += line[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            cells << QString();
        else
            cells.last() += c;
    }
    return cells;
}

QString bandHeading(std::optional<int> age)
{
    if (!age || *age < 40 || *age > 74)
        return {};
    const int first = 40 + (*age - 40) / 5 * 5;
    return QStringLiteral("%1～%2歳").arg(first).arg(first + 4);
}

std::optional<int> ageOf(const QString &birth, const QString &exam)
{
    const auto b = dateOf(birth), e = dateOf(exam);
    return b && e ? std::optional(fiscalYearEndAge(*b, *e)) : std::nullopt;
}

// What the list says, counted as the report's tables count it: each judged
// row in its sex's table and 男女計, under its band and 計; each national
// file under its institution, by its 照合.
Cells countedFromList(const QString &list)
{
    const QStringList classWords{QStringLiteral("基準該当"), QStringLiteral("予備群該当"), QStringLiteral("非該当"),
                                 QStringLiteral("判定できず")};
    const QStringList levelWords{QStringLiteral("積極的支援"), QStringLiteral("動機付け支援"), QStringLiteral("なし"),
                                 QStringLiteral("判定できず")};
    const auto word = [](const QStringList &words, const QString &code) {
        const int i = code.toInt() - 1;
        return i >= 0 && i < words.size() ? words[i] : QStringLiteral("報告なし");
    };
    QStringList lines = list.split(u'\n', Qt::SkipEmptyParts);
    const QStringList headings = csvCells(lines.takeFirst().remove(QChar(0xFEFF)));
    const auto column = [&](const char *name) { return headings.indexOf(QString::fromUtf8(name)); };
    Cells cells;
    for (const QString &line : lines) {
        const QStringList row = csvCells(line.trimmed());
        const QString classCode = row[column("メタボリックシンドローム判定コード")];
        if (const int institution = column("健診機関番号"); institution >= 0) {
            const QString verdict = row[column("照合")].section(u' ', 0, 0);
            const QString of = QStringLiteral("健診機関ごと||") + row[institution] + u'|';
            ++cells[of + QStringLiteral("ファイル")];
            ++cells[of + (classCode.isEmpty() ? QStringLiteral("判定できなかったファイル") : verdict)];
        }
        if (classCode.isEmpty())
            continue; // not judged
        const QString sex = row[column("性別")].startsWith(u'男') ? QStringLiteral("男性") : QStringLiteral("女性");
        const QString band = bandHeading(ageOf(row.value(column("生年月日")), row.value(column("受診日"))));
        QStringList counted{QStringLiteral("|受診者"),
                            QStringLiteral("メタボリックシンドローム|") + word(classWords, classCode),
                            QStringLiteral("保健指導レベル|") + word(levelWords, row[column("保健指導レベルコード")])};
        for (const char *drug : {"血圧", "脂質", "血糖"})
            if (row[column((QByteArray(drug) + " 薬剤治療").constData())] == u"あり")
                counted << QStringLiteral("服薬中|") + QString::fromUtf8(drug);
        if (const int reported = column("報告されたメタボリックシンドローム判定コード"); reported >= 0)
            counted << QStringLiteral("ファイルが報告したメタボリックシンドローム (9N501)|")
                           + word(classWords, row[reported])
                    << QStringLiteral("ファイルが報告した保健指導レベル (9N506)|")
                           + word(levelWords, row[column("報告された保健指導レベルコード")]);
        for (const QString &table : {sex, QStringLiteral("男女計")})
            for (const QString &what : counted)
                for (const QString &under : {band, QStringLiteral("計")})
                    if (!under.isEmpty())
                        ++cells[table + u'|' + what + u'|' + under];
    }
    return cells;
}

// The count a cell of the report shows: "12 (3.4%)" is 12.
qint64 countIn(const QString &text) { return text.section(u' ', 0, 0).toLongLong(); }

// The report's tables of counts and of institutions, every cell, each
// under its row's heading (an institution's number) and its column's; the
// two columns of 不一致 as one, as the list tells them apart only in words.
// The report must be well-formed XML to be read at all.
Cells readTables(const QString &report, QString &error)
{
    QXmlStreamReader xml(report);
    Cells cells;
    QString table, group, row;
    QStringList columns;
    qsizetype column = 0;
    bool read = false, inHead = false, groupRow = false;
    const auto text = [&xml] { return xml.readElementText(QXmlStreamReader::IncludeChildElements); };
    while (!xml.atEnd()) {
        if (!xml.readNext() || !xml.isStartElement())
            continue;
        const QString name = xml.name().toString();
        const QStringView cls = xml.attributes().value(QStringLiteral("class"));
        if (name == u"h2")
            table = text();
        else if (name == u"table")
            read = cls == u"counts" || cls == u"institutions", columns.clear(), group.clear();
        else if (!read)
            continue;
        else if (name == u"thead" || name == u"tbody")
            inHead = name == u"thead";
        else if (name == u"tr")
            groupRow = cls == u"group", column = 0, row.clear();
        else if (name == u"th" && inHead)
            columns << text().section(QStringLiteral(" ("), 0, 0);
        else if (name == u"th" || row.isEmpty())
            (groupRow ? group : row) = text(), ++column;
        else
            cells[table + u'|' + group + u'|' + row + u'|' + columns.value(column++)] += countIn(text());
    }
    error = xml.hasError() ? xml.errorString() : QString();
    return cells;
}

} // namespace

void TestReport::tablesAgreeWithTheList_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("input");
    QTest::addColumn<qint64>("examinees"); // judged, in 男女計's 計

    QTest::newRow("national folder: two institutions") << nationalFolder() << QString() << qint64(5);
    QTest::newRow("day's list with dates") << datedList() << QStringLiteral("day.csv") << qint64(5);
    QTest::newRow("day's list with age bands only") << bandedList() << QStringLiteral("band.csv") << qint64(2);
}

void TestReport::tablesAgreeWithTheList()
{
    QFETCH(Files, files);
    QFETCH(QString, input);
    QFETCH(qint64, examinees);
    QTemporaryDir dir;
    const Run run = judgeWithReport(dir, files, input);
    QVERIFY(!run.report.isEmpty());
    const QString report = readAll(run.report);
    QString error;
    const Cells shown = readTables(report, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(shown.value(QStringLiteral("男女計||受診者|計")), examinees);
    const Cells counted = countedFromList(readAll(run.list));
    for (auto it = counted.cbegin(); it != counted.cend(); ++it)
        QVERIFY2(shown.contains(it.key()), qPrintable(it.key()));
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        QVERIFY2(it.value() == counted.value(it.key()),
                 qPrintable(
                     QStringLiteral("%1: %2, the list %3").arg(it.key()).arg(it.value()).arg(counted.value(it.key()))));
}

void TestReport::loadsAndRunsNothing_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("input");

    QTest::newRow("national folder") << nationalFolder() << QString();
    QTest::newRow("day's list") << datedList() << QStringLiteral("day.csv");
    // Cells that would be markup, a script or a style's load, shown in the
    // rows to look at as the reason names them.
    QTest::newRow("cells written as markup")
        << Files{{QStringLiteral("bad.csv"),
                  dayList({QStringLiteral("1,男,1970/01/01,2025/03/10,170,<script src=x>@import url(y)</script>,90,"
                                          "120,80,100,50,95,5.4,なし,なし,なし,いいえ"),
                           QStringLiteral("2,男,1970/01/01,2025/03/10,170,<img src=x onerror=y>,90,120,80,100,50,95,"
                                          "5.4,なし,なし,なし,いいえ")})}}
        << QStringLiteral("bad.csv");
}

void TestReport::loadsAndRunsNothing()
{
    QFETCH(Files, files);
    QFETCH(QString, input);
    QTemporaryDir dir;
    const Run run = judgeWithReport(dir, files, input);
    QVERIFY(!run.report.isEmpty());
    const QString report = readAll(run.report);
    QVERIFY(report.contains(QStringLiteral("<svg")));
    QXmlStreamReader xml(report);
    const QStringList loading{QStringLiteral("script"), QStringLiteral("link"),   QStringLiteral("img"),
                              QStringLiteral("iframe"), QStringLiteral("object"), QStringLiteral("embed"),
                              QStringLiteral("image"),  QStringLiteral("use"),    QStringLiteral("base")};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            QVERIFY2(!loading.contains(xml.name().toString()), qPrintable(xml.name().toString()));
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                const QString name = attribute.name().toString();
                QVERIFY2(name != u"src" && name != u"href" && name != u"srcset" && !name.startsWith(u"on"),
                         qPrintable(name));
            }
        }
        if (xml.isStartElement() && xml.attributes().hasAttribute(QStringLiteral("style")))
            QVERIFY(!xml.attributes().value(QStringLiteral("style")).contains(u"url("));
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    const qsizetype styleEnd = report.indexOf(QStringLiteral("</style>"));
    QVERIFY(styleEnd > 0);
    QVERIFY(!report.left(styleEnd).contains(QStringLiteral("url(")));
    QVERIFY(!report.left(styleEnd).contains(QStringLiteral("@import")));
    // The cells written as markup are there, as text.
    if (input == u"bad.csv")
        QVERIFY(report.contains(QStringLiteral("&lt;script src=x&gt;@import url(y)")));
}

void TestReport::rowsToLookAtBounded_data()
{
    QTest::addColumn<int>("notJudged");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("rest");

    QTest::newRow("none: no table, said in words") << 0 << 0 << QStringLiteral("<p>ありません</p>");
    QTest::newRow("every one shown") << 3 << 3 << QString();
    QTest::newRow("the first 100, the rest counted") << 103 << 100 << QStringLiteral("<p>ほか 3 件</p>");
}

void TestReport::rowsToLookAtBounded()
{
    QFETCH(int, notJudged);
    QFETCH(int, shown);
    QFETCH(QString, rest);
    QStringList rows(notJudged, QStringLiteral("9,男,1970/01/01,2025/03/10,170,1S0,90,120,80,100,50,95,5.4,"
                                               "なし,なし,なし,いいえ"));
    rows << QStringLiteral("2,女,1980/01/01,2025/03/10,158,50,70,118,72,90,60,90,5.2,なし,なし,なし,いいえ"); // judged
    QTemporaryDir dir;
    const Run run = judgeWithReport(dir, {{QStringLiteral("many.csv"), dayList(rows)}}, QStringLiteral("many.csv"));
    const QString report = readAll(run.report);
    const QString table =
        report.section(QStringLiteral("<table class=\"look\">"), 1).section(QStringLiteral("</table>"), 0, 0);
    QCOMPARE(table.count(QStringLiteral("<tr>")), shown > 0 ? 1 + shown : 0); // the headings, then a row each
    QCOMPARE(report.contains(QStringLiteral("ほか ")), rest.contains(QStringLiteral("ほか ")));
    if (!rest.isEmpty())
        QVERIFY(report.contains(rest));
}

// A bar's label as the chart shows it: cut with "…" only where it is wider
// than its column, a kanji counting as two digits.
void TestReport::chartLabelsCutByWidth_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");

    const QString number = QStringLiteral("1399999998 ");
    QTest::newRow("an institution's number and name kept whole")
        << number + QStringLiteral("みなと健診クリニック") << number + QStringLiteral("みなと健診クリニック");
    QTest::newRow("a name too wide cut where it no longer fits")
        << number + QStringLiteral("医療法人社団みなと会みなと健診クリニック")
        << number + QStringLiteral("医療法人社団みなと会みな…");
    QTest::newRow("digits counted narrow") << QString(38, u'9') << QString(38, u'9');
    QTest::newRow("a wide character never cut in half")
        << QString(16, u'あ') + QStringLiteral("9\U0001F600うえお") << QString(16, u'あ') + QStringLiteral("9…");
}

void TestReport::chartLabelsCutByWidth()
{
    QFETCH(QString, label);
    QFETCH(QString, shown);
    const QString chart =
        stackedBarChart(QStringLiteral("照合"), {{QStringLiteral("一致"), QStringLiteral("#000")}}, {{label, {1}}});
    QVERIFY2(chart.contains(u'>' + shown + QStringLiteral("</text>")), qPrintable(chart));
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
