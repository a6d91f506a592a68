#include "daylist/delimited_writer.h"

QString delimitedLine(const QStringList &cells, QChar delimiter)
{
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += delimiter;
        const QString &cell = cells[i];
        const bool quote =
            cell.contains(delimiter) || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r');
        if (!quote) {
            line += cell;
            continue;
        }
        QString inner = cell;
        inner.replace(u'"', QStringLiteral("\"\""));
        line += u'"' + inner + u'"';
    }
    return line + QStringLiteral("\r\n");
}
