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

#include <tuple>

// The month's report, read back: its tables hold what the same run's list
// holds, by sex, age band and result; the page loads and runs nothing.
class TestReport : public QObject {
    Q_OBJECT
private slots:
    void reportOfARun_data();
    void reportOfARun();
    void chartLabelsCutByWidth_data();
    void chartLabelsCutByWidth();
};

namespace {

using Files = QMap<QString, QByteArray>; // name in the folder -> content
using Cells = QMap<QString, qint64>;     // "table|group|row|column" -> count

const QByteArray kHeadings = "ID,性別,生年月日,受診日,身長,体重,腹囲,最高血圧,最低血圧,中性脂肪,HDL-CHO,空腹時血糖,"
                             "HbA1c,血圧 薬剤治療,脂質 薬剤治療,血糖 薬剤治療,喫煙\n";

// A national folder: men and women in several bands, at two institutions,
// codes agreeing, differing and not reported, one file not judged (its sex
// unknown), one on drugs and one without its waist (判定できず).
Files nationalFolder()
{
    Files folder;
    // sex, birth (and card: one card and date twice is a file sent again), institution, codes reported
    for (const char *file :
         {"1 19700101 1399999999 11", "2 19800601 1300000002 22", "1 19520901 1399999999 - drugs",
          "9 19710101 1300000002 11", "2 19820301 1300000002 11 nowaist", "1 19660401 1399999999 13"}) {
        const QStringList f = QString::fromUtf8(file).split(u' ');
        const QString codes = f[3] == u"-" ? QString() : f[3];
        XmlCheckup c = exampleCheckup(codes.left(1), codes.mid(1));
        std::tie(c.sex, c.birth, c.cardNumber, c.institution) = std::tie(f[0], f[1], f[1], f[2]);
        c.observations.removeIf(
            [&](const XmlObservation &o) { return f.value(4) == u"nowaist" && o.code == checkup_codes::waist; });
        for (XmlObservation &o : c.observations)
            if (f.value(4) == u"drugs" && o.code == checkup_codes::bloodPressureDrugs)
                o.value = QStringLiteral("1");
        folder[f[1] + QStringLiteral(".xml")] = checkupXml(c);
    }
    return folder;
}

// A row not judged, its weight markup (shown as text in the rows to look at); a row judged.
const QByteArray kNotJudged = "9,男,1970/01/01,2025/03/10,170,<img onerror=y><script>@import url(y),90,"
                              "120,80,100,50,95,5.4,なし,なし,なし,いいえ\n";
const QByteArray kJudged = "2,女,1980/01/01,2025/03/10,158,50,70,118,72,90,60,90,5.2,なし,なし,なし,いいえ\n";

// A day's list with the dates: bands from 40 to 74, one row not judged, one
// of 75 at the fiscal year's end (74 on the day: judged, outside the bands).
const QByteArray kDatedList =
    kHeadings + "1,男,1984/06/01,2025/03/10,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n" + kJudged
    + "3,女,1962/02/02,2024/05/20,155,62,91,142,88,180,38,112,6.1,あり,なし,あり,いいえ\n"
      "4,男,1955/03/01,2025/01/15,165,70,,130,80,150,50,100,5.6,なし,あり,なし,いいえ\n"
    + kNotJudged + "6,男,1950/03/15,2025/03/01,168,66,86,128,78,120,55,99,5.5,なし,なし,なし,いいえ\n";

// A day's list with only the age band: no age, every row in 計 alone.
const QByteArray kBandedList = QByteArray(kHeadings).replace("性別,生年月日,受診日", "年齢区分,性別")
                               + "1,40歳～64歳,男,170,72,92,138,82,160,45,105,5.7,なし,なし,なし,はい\n"
                                 "2,65歳～74歳,女,150,55,92,120,70,100,45,105,5.7,なし,なし,なし,いいえ\n";

// The list and the report of kalvemo-judge run with --report on `files`
// (the file, or the folder of several), written into a folder of their own.
std::pair<QString, QString> judgeWithReport(const Files &files)
{
    const QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("in"));
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        if (QFile file(dir.filePath(QStringLiteral("in/") + it.key())); file.open(QIODevice::WriteOnly))
            file.write(*it);
    const QString input = dir.filePath(QStringLiteral("in/") + (files.size() == 1 ? files.firstKey() : QString()));
    const QStringList written{dir.filePath(QStringLiteral("list.csv")), dir.filePath(QStringLiteral("r.html"))};
    runKalvemoJudge({input, QStringLiteral("-o"), written[0], QStringLiteral("--report"), written[1]}); // none: empty
    QStringList texts;
    for (QFile file : written)
        texts << (file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
    return {texts[0], texts[1]};
}

// What the list says, counted as the report's tables count it: each judged
// row in its sex's table and 男女計, under its band and 計; each national
// file under its institution, by its 照合.
Cells countedFromList(const QString &list)
{
    const QStringList classWords = QStringLiteral("基準該当 予備群該当 非該当 判定できず").split(u' ');
    const QStringList levelWords = QStringLiteral("積極的支援 動機付け支援 なし 判定できず").split(u' ');
    const auto word = [](const QStringList &words, const QString &code) {
        return words.value(code.toInt() - 1, QStringLiteral("報告なし"));
    };
    QStringList lines = list.split(u'\n', Qt::SkipEmptyParts);
    const QStringList headings = lines.takeFirst().remove(QChar(0xFEFF)).split(u',');
    const auto column = [&](const char *name) { return headings.indexOf(QString::fromUtf8(name)); };
    Cells cells;
    for (const QString &line : lines) {
        const QStringList row = line.trimmed().split(u',');
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
        // the band of the age at the fiscal year's end, from 40 to 74 in fives
        const auto b = dateOf(row.value(column("生年月日"))), e = dateOf(row.value(column("受診日")));
        const int age = b && e ? fiscalYearEndAge(*b, *e) : 0, first = 40 + (age - 40) / 5 * 5;
        const QString band = age < 40 || age > 74 ? QString() : QStringLiteral("%1～%2歳").arg(first).arg(first + 4);
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

// Whether an element would load or run something: never, as the page is a
// file read on a desk with no network, whatever the input's cells say.
bool loads(const QXmlStreamReader &xml)
{
    bool loads = QStringLiteral("script link img iframe object embed image use base").split(u' ').contains(xml.name());
    for (const QXmlStreamAttribute &a : xml.attributes())
        loads = loads || QStringLiteral("src href srcset").split(u' ').contains(a.name()) || a.name().startsWith(u"on")
                || a.value().contains(u"url(");
    return loads;
}

// The report's tables of counts and of institutions, every cell, each
// under its row's heading (an institution's number) and its column's; the
// two columns of 不一致 as one, as the list tells them apart only in words.
// A page not well-formed, or loading something, read as a cell "error".
Cells readTables(const QString &report)
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
        if (loads(xml))
            xml.raiseError(QStringLiteral("loads: ") + name);
        else if (name == u"h2")
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
            cells[table + u'|' + group + u'|' + row + u'|' + columns.value(column++)] +=
                text().section(u' ', 0, 0).toLongLong(); // "12 (3.4%)"
    }
    if (xml.hasError())
        cells[QStringLiteral("error: ") + xml.errorString()] = -1;
    return cells;
}

} // namespace

void TestReport::reportOfARun_data()
{
    QTest::addColumn<Files>("files");  // one day's list, or a national folder
    QTest::addColumn<int>("lookRows"); // the table of rows to look at: its headings, then one a row; or none
    QTest::addColumn<QString>("rest"); // said after it
    const auto row = [](const char *name, const Files &files, int lookRows, const char *rest) {
        QTest::newRow(name) << files << lookRows << rest;
    };
    row("national folder: two institutions", nationalFolder(), 1 + 3, ""); // 2 disagree, 1 not judged
    row("day's list with dates", {{QStringLiteral("day.csv"), kDatedList}}, 1 + 1, "");
    row("day's list with age bands only", {{QStringLiteral("band.csv"), kBandedList}}, 0, "<p>ありません</p>");
    row("the first 100 rows to look at, the rest counted",
        {{QStringLiteral("m.csv"), kHeadings + kNotJudged.repeated(103) + kJudged}}, 1 + 100, "<p>ほか 3 件</p>");
}

void TestReport::reportOfARun()
{
    QFETCH(Files, files);
    QFETCH(QString, rest);
    const auto [list, report] = judgeWithReport(files);
    Cells shown = readTables(report);
    shown.removeIf([](const auto &cell) { return cell.value() == 0; }); // the list names no cell it counts none in
    QCOMPARE(shown, countedFromList(list));
    QVERIFY(report.contains(QStringLiteral("<svg")));
    const QString style = report.section(QStringLiteral("</style>"), 0, 0);
    QVERIFY(!style.contains(QStringLiteral("url(")) && !style.contains(QStringLiteral("@import")));
    const QString look =
        report.section(QStringLiteral("<table class=\"look\">"), 1).section(QStringLiteral("</table>"), 0, 0);
    QTEST(int(look.count(QStringLiteral("<tr>"))), "lookRows");
    QCOMPARE(report.contains(QStringLiteral("ほか ")), rest.contains(QStringLiteral("ほか ")));
    QVERIFY(report.contains(rest));
    QCOMPARE(report.contains(QStringLiteral("&lt;img onerror=y&gt;&lt;script&gt;@import url(y)&quot;")),
             files.first().contains(kNotJudged));
}

// A bar's label as the chart shows it: cut with "…" only where it is wider
// than its column, a kanji counting as two digits.
void TestReport::chartLabelsCutByWidth_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");

    QTest::newRow("an institution's name too wide cut where it no longer fits")
        << QStringLiteral("1399999998 医療法人社団みなと会みなと健診クリニック")
        << QStringLiteral("1399999998 医療法人社団みなと会みな…");
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
