#include "national/archive_layout.h"

#include <algorithm>

namespace {

bool startsWith(QStringView name, QStringView prefix) { return name.startsWith(prefix, Qt::CaseInsensitive); }

// The one folder every name lies under, with its '/', or empty when a file
// lies at the root or the names lie under several folders. An archive whose
// files are all in DATA/ has no top folder: DATA/ is its own.
QString topFolder(const ArchiveNames &names)
{
    QString top;
    for (qsizetype i = 0; i < names.count; ++i) {
        const QString name = names.at(i);
        const qsizetype slash = name.indexOf(u'/');
        if (slash <= 0)
            return {};
        const QStringView first = QStringView(name).first(slash + 1);
        if (top.isEmpty())
            top = first.toString();
        else if (first != top)
            return {};
    }
    for (const char16_t *own : {u"DATA/", u"XSD/", u"CLAIMS/"})
        if (top.compare(own, Qt::CaseInsensitive) == 0)
            return {};
    return top;
}

} // namespace

ArchiveLayout layOutArchive(const ArchiveNames &names)
{
    ArchiveLayout layout;
    const QString top = topFolder(names);
    for (qsizetype i = 0; i < names.count; ++i) {
        const QString name = names.at(i);
        const QStringView inside = QStringView(name).sliced(top.size());
        if (name.endsWith(u'/') || startsWith(inside, u"XSD/"))
            continue;
        if (inside.compare(u"ix08_V08.xml", Qt::CaseInsensitive) == 0) {
            if (!layout.index)
                layout.index = i;
            layout.hasData = true;
            continue;
        }
        if (name.endsWith(u".zip", Qt::CaseInsensitive)) {
            layout.nested.append(name);
            continue;
        }
        if (startsWith(inside, u"DATA/") && inside.endsWith(u".xml", Qt::CaseInsensitive))
            layout.hasData = true;
        layout.files.push_back(i);
    }
    // The order is asked through a reference: the sort copies its
    // comparison as it goes, and the order may hold a table of the names.
    if (names.before)
        std::stable_sort(layout.files.begin(), layout.files.end(),
                         [&names](qsizetype a, qsizetype b) { return names.before(a, b); });
    layout.nested.sort();
    return layout;
}

ArchiveLayout layOutArchive(const QStringList &names)
{
    return layOutArchive({names.size(), [&](qsizetype i) { return names[i]; },
                          [&](qsizetype a, qsizetype b) { return names[a] < names[b]; }});
}

bool looksLikeZip(const QByteArray &start)
{
    return start.startsWith(QByteArrayLiteral("PK\x03\x04")) || start.startsWith(QByteArrayLiteral("PK\x05\x06"));
}
