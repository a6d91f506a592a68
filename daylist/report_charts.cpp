#include "daylist/report_charts.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kWidth = 680;
constexpr int kLabelWidth = 230;
constexpr int kCountWidth = 60;
constexpr int kBarHeight = 16;
constexpr int kRowHeight = 22;
constexpr int kLegendHeight = 26;
// A label wider than its column is cut with "…". Its width is counted in
// half-width columns, a kana or kanji taking two: kLabelWidth holds some 38
// at the charts' 11 px, so that an institution's 10-digit number leaves room
// for most of its name.
constexpr int kLabelColumns = 38;
constexpr int kEllipsisColumns = 2;

int columnsOf(QChar c) { return c.unicode() >= 0x1100 ? 2 : 1; }

QString shortLabel(const QString &label)
{
    int columns = 0;
    for (const QChar c : label)
        columns += columnsOf(c);
    if (columns <= kLabelColumns)
        return label;
    qsizetype kept = 0;
    for (int used = 0; used + columnsOf(label[kept]) <= kLabelColumns - kEllipsisColumns; ++kept)
        used += columnsOf(label[kept]);
    if (kept > 0 && label[kept - 1].isHighSurrogate())
        --kept; // never half a character
    return label.left(kept) + u'…';
}

QString legend(const QList<ChartSeries> &series)
{
    QString svg;
    int x = 0;
    for (const ChartSeries &one : series) {
        svg += QStringLiteral("<rect x=\"%1\" y=\"4\" width=\"12\" height=\"12\" fill=\"%2\"/>"
                              "<text x=\"%3\" y=\"15\">%4</text>")
                   .arg(x)
                   .arg(one.colour)
                   .arg(x + 16)
                   .arg(markupText(one.name));
        x += 24 + int(one.name.size()) * 13;
    }
    return svg;
}

// One bar: its label, its parts from the left, its total after it.
QString bar(const ChartBar &bar, const QList<ChartSeries> &series, int y, double scale)
{
    QString svg = QStringLiteral("<text x=\"0\" y=\"%1\">%2</text>").arg(y + 13).arg(markupText(shortLabel(bar.label)));
    double x = kLabelWidth;
    for (qsizetype i = 0; i < bar.parts.size() && i < series.size(); ++i) {
        const double width = bar.parts[i] * scale;
        if (width > 0)
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>")
                       .arg(x, 0, 'f', 1)
                       .arg(y)
                       .arg(width, 0, 'f', 1)
                       .arg(kBarHeight)
                       .arg(series[i].colour);
        x += width;
    }
    const qint64 total = std::accumulate(bar.parts.begin(), bar.parts.end(), qint64(0));
    return svg + QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>").arg(x + 4, 0, 'f', 1).arg(y + 13).arg(total);
}

} // namespace

QString markupText(const QString &text)
{
    QString safe = text.toHtmlEscaped();
    std::replace_if(
        safe.begin(), safe.end(), [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; }, QChar(0xFFFD));
    return safe;
}

QString stackedBarChart(const QString &title, const QList<ChartSeries> &series, const QList<ChartBar> &bars)
{
    qint64 longest = 1;
    for (const ChartBar &one : bars)
        longest = std::max(longest, std::accumulate(one.parts.begin(), one.parts.end(), qint64(0)));
    const double scale = double(kWidth - kLabelWidth - kCountWidth) / double(longest);
    const int height = kLegendHeight + int(bars.size()) * kRowHeight;
    QString svg = QStringLiteral("<figure class=\"chart\"><figcaption>%1</figcaption>"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %2 %3\" width=\"%2\" "
                                 "height=\"%3\" role=\"img\" aria-label=\"%1\">")
                      .arg(markupText(title))
                      .arg(kWidth)
                      .arg(height);
    svg += legend(series);
    for (qsizetype i = 0; i < bars.size(); ++i)
        svg += bar(bars[i], series, kLegendHeight + int(i) * kRowHeight, scale);
    return svg + QStringLiteral("</svg></figure>\n");
}
