#include "daylist/html_report.h"

#include "daylist/report_charts.h"
#include "judgement/result_texts.h"
#include "national/reported_codes.h"
#include "words/desk_names.h"
#include "words/words.h"

#include <algorithm>

namespace {

const QString kStyle = QStringLiteral(
    "@page { size: A4; margin: 12mm; }\n"
    "body { font-family: \"Yu Gothic\", \"YuGothic\", \"Meiryo\", \"IPAexGothic\", \"IPAGothic\", "
    "\"Noto Sans CJK JP\", sans-serif; font-size: 10pt; color: #111; margin: 0 auto; max-width: 190mm; }\n"
    "h1 { font-size: 15pt; } h2 { font-size: 12pt; margin-top: 1.4em; break-after: avoid; }\n"
    "table { border-collapse: collapse; margin: 0.4em 0; break-inside: avoid; }\n"
    "thead { display: table-header-group; } tr { break-inside: avoid; }\n"
    "th, td { border: 1px solid #888; padding: 2px 4px; }\n"
    "td { text-align: right; white-space: nowrap; } td.text { text-align: left; white-space: normal; }\n"
    "th { background: #eee; font-weight: normal; text-align: left; white-space: nowrap; }\n"
    "table.institutions th { white-space: normal; word-break: keep-all; }\n"
    "table.look { width: 100%; break-inside: auto; } table.look td:first-child { word-break: break-all; width: 40%; }\n"
    "tr.group th { background: #dde4ee; font-weight: bold; }\n"
    ".pct { display: block; color: #555; font-size: 7.5pt; } .note { font-size: 9pt; }\n"
    "figure.chart { break-inside: avoid; margin: 0.6em 0; } figure svg { max-width: 100%; height: auto; }\n"
    "figcaption { font-weight: bold; } svg text { font-size: 11px; fill: #111; }\n");

// The words of the results, from their captions without the code before
// them ("１ 基準該当" → "基準該当"), and the word of a code where a prompt
// stands.
QString captionWord(const QString &caption) { return caption.section(u' ', 1); }
const QString kNotJudgedWord = agreementWord(Agreement::NotJudged);
QStringList classWords()
{
    return {captionWord(captionOf(ClassRule::WaistAndTwoOrMore)),
            captionWord(captionOf(ClassRule::WaistAndOneCriterion)),
            captionWord(captionOf(ClassRule::WaistAndNoCriterion)), kNotJudgedWord};
}
QStringList levelWords()
{
    return {captionWord(captionOf(GuidanceRule::Intensive)), captionWord(captionOf(GuidanceRule::BelowIntensive)),
            captionWord(captionOf(GuidanceRule::DrugTreatment)), kNotJudgedWord};
}

QString cell(const QString &text, const QString &cls = {})
{
    return (cls.isEmpty() ? QStringLiteral("<td>") : QStringLiteral("<td class=\"%1\">").arg(cls)) + markupText(text)
           + QStringLiteral("</td>");
}

// A count and its share of the column's examinees.
QString countCell(qint64 count, qint64 examinees)
{
    if (examinees == 0)
        return QStringLiteral("<td>%1</td>").arg(count);
    return QStringLiteral("<td>%1<span class=\"pct\"> (%2%)</span></td>")
        .arg(count)
        .arg(100.0 * double(count) / double(examinees), 0, 'f', 1);
}

// One sex's counts (or both), by band: the bands, then 計 with the slot of
// an age unknown or outside them.
QList<ResultCounts> columnsOf(const ReportTotals &totals, const QList<bool> &sexes)
{
    QList<ResultCounts> columns(kReportBands + 1);
    for (const bool female : sexes) {
        for (int band = 0; band <= kOutsideBands; ++band) {
            if (band < kReportBands)
                columns[band] += totals.counts(female, band);
            columns[kReportBands] += totals.counts(female, band);
        }
    }
    return columns;
}

using CountOf = qint64 (*)(const ResultCounts &, int);

QString countRow(const QString &heading, const QList<ResultCounts> &columns, int index, CountOf count)
{
    QString row = QStringLiteral("<tr><th>") + markupText(heading) + QStringLiteral("</th>");
    for (const ResultCounts &column : columns)
        row += countCell(count(column, index), column.examinees);
    return row + QStringLiteral("</tr>\n");
}

QString groupRow(const QString &heading)
{
    return QStringLiteral("<tr class=\"group\"><th colspan=\"%1\">%2</th></tr>\n")
        .arg(kReportBands + 2)
        .arg(markupText(heading));
}

QString countRows(const QString &group, const QStringList &words, const QList<ResultCounts> &columns, CountOf count)
{
    QString rows = groupRow(group);
    for (int i = 0; i < words.size(); ++i)
        rows += countRow(words[i], columns, i, count);
    return rows;
}

QString examineesRow(const QList<ResultCounts> &columns)
{
    QString row = QStringLiteral("<tr><th>受診者</th>");
    for (const ResultCounts &column : columns)
        row += countCell(column.examinees, columns.last().examinees);
    return row + QStringLiteral("</tr>\n");
}

QString sexTable(const QString &title, const QList<ResultCounts> &columns, bool national)
{
    QString table = QStringLiteral("<h2>%1</h2>\n<table class=\"counts\"><thead><tr><th>区分</th>").arg(title);
    for (int band = 0; band < kReportBands; ++band)
        table += QStringLiteral("<th>") + reportBandName(band) + QStringLiteral("</th>");
    table += QStringLiteral("<th>計</th></tr></thead>\n<tbody>\n") + examineesRow(columns);
    const QString syndrome = wordText(Word::SyndromeClass), guidance = wordText(Word::GuidanceLevel);
    table += countRows(syndrome, classWords(), columns, [](const ResultCounts &c, int i) { return c.classes[i]; });
    table += countRows(guidance, levelWords(), columns, [](const ResultCounts &c, int i) { return c.levels[i]; });
    const QStringList drugs{wordText(Word::BloodPressure), wordText(Word::Lipids), wordText(Word::Glucose)};
    table +=
        countRows(QStringLiteral("服薬中"), drugs, columns, [](const ResultCounts &c, int i) { return c.drugs[i]; });
    if (national) {
        const QString none = agreementWord(Agreement::NotReported);
        table +=
            countRows(QStringLiteral("ファイルが報告した") + syndrome + QStringLiteral(" (9N501)"),
                      classWords() << none, columns, [](const ResultCounts &c, int i) { return c.reportedClasses[i]; });
        table +=
            countRows(QStringLiteral("ファイルが報告した") + guidance + QStringLiteral(" (9N506)"),
                      levelWords() << none, columns, [](const ResultCounts &c, int i) { return c.reportedLevels[i]; });
    }
    return table + QStringLiteral("</tbody></table>\n");
}

// "2025/04/01～2025/04/30", or 不明 where no row tells its date.
QString examDates(const ReportTotals &totals)
{
    const auto first = totals.firstExamDate(), last = totals.lastExamDate();
    if (!first || !last)
        return QStringLiteral("不明");
    const QString format = QStringLiteral("yyyy/MM/dd");
    return first->toString(format) + QStringLiteral("～") + last->toString(format);
}

QString heading(const ReportTotals &totals, qint64 outsideBands)
{
    QString text = QStringLiteral("<h1>特定健診 判定の集計</h1>\n<table class=\"facts\"><tbody>\n");
    for (const QString &input : totals.inputs())
        text += QStringLiteral("<tr><th>入力</th>") + cell(input, QStringLiteral("text")) + QStringLiteral("</tr>\n");
    if (totals.nationalFiles() > 0)
        text += QStringLiteral("<tr><th>ファイル (一覧の行)</th><td>%1</td></tr>\n").arg(totals.nationalFiles());
    if (totals.listRows() > 0)
        text += QStringLiteral("<tr><th>一覧の行</th><td>%1</td></tr>\n").arg(totals.listRows());
    text += QStringLiteral("<tr><th>判定できなかった行</th><td>%1</td></tr>\n").arg(totals.notJudged());
    text +=
        QStringLiteral("<tr><th>受診日</th>") + cell(examDates(totals)) + QStringLiteral("</tr>\n</tbody></table>\n");
    text += QStringLiteral(
        "<p class=\"note\">Kalvemo の規則 (画面の判定と同じ規則) で数えています。現行の制度とは、空腹時血糖が"
        "基準値未満でも HbA1c が基準値以上なら血糖を数えることと、随時 (食後) の中性脂肪・血糖を使わないことが"
        "違います。</p>\n");
    return text
           + QStringLiteral("<p class=\"note\">年齢は受診日の年度末の年齢です。表には判定した行だけを数えます。"
                            "年度末の年齢が分からない行 (年齢区分だけの一覧など) と 40～74歳の外の行は"
                            "「計」にだけ数えています: %1 人。</p>\n")
                 .arg(outsideBands);
}

QList<std::pair<QString, InstitutionTotals>> institutionsInOrder(const ReportTotals &totals)
{
    QList<std::pair<QString, InstitutionTotals>> rows;
    for (auto it = totals.institutions().cbegin(); it != totals.institutions().cend(); ++it)
        rows.append({it.key(), it.value()});
    std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) {
        return a.second.differingUnexplained > b.second.differingUnexplained;
    });
    return rows;
}

QString institutionTable(const QList<std::pair<QString, InstitutionTotals>> &institutions)
{
    const QString differs = agreementWord(Agreement::Differs);
    QString table = QStringLiteral("<h2>健診機関ごと</h2>\n<table class=\"institutions\"><thead><tr>");
    for (const QString &heading :
         {QStringLiteral("健診機関<wbr/>番号"), QStringLiteral("健診機関名"), QStringLiteral("ファイル"),
          agreementWord(Agreement::Agrees), differs + QStringLiteral(" (説明できない)"),
          differs + QStringLiteral(" (規則の違いで<wbr/>説明できる)"), agreementWord(Agreement::NotJudged),
          agreementWord(Agreement::NotReported), QStringLiteral("判定できなかった<wbr/>ファイル")})
        table += QStringLiteral("<th>") + heading + QStringLiteral("</th>");
    table += QStringLiteral("</tr></thead>\n<tbody>\n");
    for (const auto &[number, t] : institutions) {
        table += QStringLiteral("<tr>") + cell(number, QStringLiteral("text")) + cell(t.name, QStringLiteral("text"));
        for (const qint64 count : {t.files, t.agreeing, t.differingUnexplained, t.differingExplained, t.notComparable,
                                   t.notReported, t.filesNotJudged})
            table += QStringLiteral("<td>%1</td>").arg(count);
        table += QStringLiteral("</tr>\n");
    }
    return table + QStringLiteral("</tbody></table>\n");
}

QString classChart(const QString &title, const QList<ResultCounts> &columns)
{
    const QList<ChartSeries> series{{classWords()[0], QStringLiteral("#c0392b")},
                                    {classWords()[1], QStringLiteral("#e67e22")},
                                    {classWords()[2], QStringLiteral("#2e86c1")},
                                    {classWords()[3], QStringLiteral("#999999")}};
    QList<ChartBar> bars;
    for (int band = 0; band < kReportBands; ++band) {
        const auto &c = columns[band].classes;
        bars.append({reportBandName(band), {c[0], c[1], c[2], c[3]}});
    }
    return stackedBarChart(title, series, bars);
}

QString institutionChart(const QList<std::pair<QString, InstitutionTotals>> &institutions)
{
    const QList<ChartSeries> series{{agreementWord(Agreement::Agrees), QStringLiteral("#2e86c1")},
                                    {agreementWord(Agreement::Differs), QStringLiteral("#c0392b")},
                                    {kNotJudgedWord, QStringLiteral("#999999")}};
    QList<ChartBar> bars;
    for (const auto &[number, t] : institutions)
        bars.append(
            {number + u' ' + t.name, {t.agreeing, t.differingUnexplained + t.differingExplained, t.notComparable}});
    return stackedBarChart(QStringLiteral("健診機関ごとの照合"), series, bars);
}

QString rowsToLookAt(const ReportTotals &totals, bool national)
{
    QString table = QStringLiteral("<h2>確認する行</h2>\n<p class=\"note\">判定できなかった行と、報告と違い規則の違いで"
                                   "説明できない行 (最初の %1 件)。</p>\n")
                        .arg(kRowsToLookAtKept);
    if (totals.rowsToLookAt().isEmpty())
        return table + QStringLiteral("<p>ありません</p>\n"); // no table of headings alone
    table += QStringLiteral("<table class=\"look\"><thead><tr><th>ファイル / 行</th>");
    table += national ? QStringLiteral("<th>被保険者証等番号</th>") : QString();
    table += QStringLiteral("<th>理由</th></tr></thead>\n<tbody>\n");
    for (const RowToLookAt &row : totals.rowsToLookAt()) {
        table += QStringLiteral("<tr>") + cell(row.place, QStringLiteral("text"));
        table += national ? cell(row.card, QStringLiteral("text")) : QString();
        table += cell(row.reason, QStringLiteral("text")) + QStringLiteral("</tr>\n");
    }
    table += QStringLiteral("</tbody></table>\n");
    if (totals.rowsToLookAtLeft() > 0)
        table += QStringLiteral("<p>ほか %1 件</p>\n").arg(totals.rowsToLookAtLeft());
    return table;
}

} // namespace

QString htmlReport(const ReportTotals &totals)
{
    const bool national = totals.nationalFiles() > 0;
    const QList<ResultCounts> men = columnsOf(totals, {false}), women = columnsOf(totals, {true}),
                              both = columnsOf(totals, {false, true});
    qint64 outside = 0;
    for (const bool female : {false, true})
        outside += totals.counts(female, kOutsideBands).examinees;
    QString page = QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"ja\">\n"
                                  "<head><meta charset=\"utf-8\"/><title>特定健診 判定の集計</title>\n<style>\n")
                   + kStyle + QStringLiteral("</style></head>\n<body>\n") + heading(totals, outside);
    page += sexTable(wordText(Word::Male), men, national) + sexTable(wordText(Word::Female), women, national)
            + sexTable(QStringLiteral("男女計"), both, national);
    const auto institutions = institutionsInOrder(totals);
    if (national)
        page += institutionTable(institutions);
    page += QStringLiteral("<h2>グラフ</h2>\n");
    page += classChart(wordText(Word::SyndromeClass) + QStringLiteral(" (") + wordText(Word::Male) + u')', men);
    page += classChart(wordText(Word::SyndromeClass) + QStringLiteral(" (") + wordText(Word::Female) + u')', women);
    if (national)
        page += institutionChart(institutions);
    return page + rowsToLookAt(totals, national) + QStringLiteral("</body>\n</html>\n");
}
