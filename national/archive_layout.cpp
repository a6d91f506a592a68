#include "national/archive_layout.h"

#include <algorithm>

namespace {

bool startsWith(QStringView name, QStringView prefix) { return name.startsWith(prefix, Qt::CaseInsensitive); }

bool isOwnFolder(QStringView folder)
{
    for (const char16_t *own : {u"DATA/", u"XSD/", u"CLAIMS/"})
        if (folder.compare(own, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The folders every name lies under, each with its '/', outermost first;
// empty when a file lies at the root. The entries of those folders
// themselves are passed over. The descent stops at the archive's own
// folders: an archive whose files are all in DATA/ has DATA/ as its own.
QString topFolder(const ArchiveNames &names)
{
    QString top;
    for (;;) {
        QString next;
        for (qsizetype i = 0; i < names.count; ++i) {
            const QString name = unpackedName(names.at(i));
            if (!name.isEmpty() && top.startsWith(name))
                continue;
            const qsizetype slash = name.indexOf(u'/', top.size());
            if (slash <= top.size() || (!next.isEmpty() && QStringView(name).first(slash + 1) != next))
                return top;
            if (next.isEmpty())
                next = name.first(slash + 1);
        }
        if (next.isEmpty() || isOwnFolder(QStringView(next).sliced(top.size())))
            return top;
        top = next;
    }
}

} // namespace

ArchiveLayout layOutArchive(const ArchiveNames &names)
{
    ArchiveLayout layout;
    const QString top = topFolder(names);
    for (qsizetype i = 0; i < names.count; ++i) {
        const QString written = names.at(i);
        const QString name = unpackedName(written);
        if (name.endsWith(u'/'))
            continue;
        const QStringView inside = QStringView(name).sliced(top.size());
        if (startsWith(inside, u"XSD/"))
            continue;
        if (inside.compare(u"ix08_V08.xml", Qt::CaseInsensitive) == 0) {
            if (!layout.index)
                layout.index = i;
            layout.hasData = true;
            continue;
        }
        if (name.endsWith(u".zip", Qt::CaseInsensitive)) {
            layout.nested.append(written);
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

QString unpackedName(const QString &name)
{
    QString unpacked = name;
    unpacked.replace(u'\\', u'/');
    if (unpacked.size() >= 2 && unpacked[1] == u':' && unpacked[0].isLetter())
        unpacked.remove(0, 2);
    while (unpacked.startsWith(u'/'))
        unpacked.remove(0, 1);
    return unpacked;
}
