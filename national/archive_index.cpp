#include "national/archive_index.h"

#include "national/source_words.h"
#include "national/xml_text.h"

namespace {

// The namespace of the index and the other files the ministry defines
// beside the HL7 ones.
constexpr QStringView kIndexNamespace = u"https://www.mhlw.go.jp/stf/seisakunitsuite/bunya/0000161103.html";

} // namespace

std::variant<qint64, QString> indexRecordCount(const QByteArray &bytes)
{
    XmlText text(bytes);
    std::variant<qint64, QString> count = QStringLiteral("totalRecordCount がありません");
    bool found = false;
    while (text.next()) {
        const QXmlStreamReader &xml = text.xml();
        if (!xml.isStartElement() || xml.namespaceUri() != kIndexNamespace)
            continue;
        if (text.depth() == 1 && xml.name() != u"index")
            return QStringLiteral("索引ファイルではありません (%1)").arg(xml.name());
        if (text.depth() == 2 && xml.name() == u"totalRecordCount" && !found) {
            found = true;
            const QStringView value = xml.attributes().value(QLatin1StringView("value"));
            bool ok = false;
            const qint64 n = value.toLongLong(&ok);
            if (ok && n >= 0)
                count = n;
            else
                count = QStringLiteral("totalRecordCount \"%1\" は数として読めません").arg(value);
        }
    }
    // An index that is no XML, or ends short of its end, is damaged.
    if (bytes.trimmed().isEmpty())
        return brokenEntryRefusal(emptyFileText());
    if (!text.problem().isEmpty())
        return brokenEntryRefusal(text.problem());
    return count;
}
