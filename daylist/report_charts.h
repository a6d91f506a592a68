#pragma once

#include <QList>
#include <QString>

// The report's charts as inline SVG: horizontal bars, each stacked of its
// parts in the order of the series, drawn to one scale, the legend above.
struct ChartSeries {
    QString name;
    QString colour; // "#c0392b"
};
struct ChartBar {
    QString label;
    QList<qint64> parts; // one per series
};

QString stackedBarChart(const QString &title, const QList<ChartSeries> &series, const QList<ChartBar> &bars);

// Text safe inside the report's markup, as well-formed XML: the markup's
// own characters escaped, control characters shown as U+FFFD.
QString markupText(const QString &text);
