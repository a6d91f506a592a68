#include "national/checkup_document.h"

#include "national/xml_text.h"

#include <initializer_list>

namespace {

// The code systems the header is recognised by; a codeSystem left out takes
// the value the schema fixes.
constexpr QStringView kReportKindSystem = u"1.2.392.200119.6.1001"; // 報告区分
constexpr QStringView kCheckupReport = u"10";                       // 特定健診情報
constexpr QStringView kProgramSystem = u"1.2.392.200119.6.1002";    // 健診プログラム種別
constexpr QStringView kCheckupProgram = u"010";                     // 特定健診
constexpr QStringView kInsurerRoot = u"1.2.392.200119.6.101";
constexpr QStringView kCardSymbolRoot = u"1.2.392.200119.6.204";
constexpr QStringView kCardNumberRoot = u"1.2.392.200119.6.205";
constexpr QStringView kTicketRootStart = u"1.2.392.200119.6.209.1";
constexpr QStringView kInstitutionRoot = u"1.2.392.200119.6.102";

// The names of the elements the reading follows; any other element, and
// any of another namespace, stands in the path as kOther, which no path
// matches. The path holds views of these, so no name is copied.
constexpr QStringView kNames[] = {
    u"ClinicalDocument",
    u"code",
    u"recordTarget",
    u"patientRole",
    u"id",
    u"patient",
    u"name",
    u"administrativeGenderCode",
    u"birthTime",
    u"participant",
    u"associatedEntity",
    u"author",
    u"assignedAuthor",
    u"representedOrganization",
    u"documentationOf",
    u"serviceEvent",
    u"effectiveTime",
    u"low",
    u"component",
    u"structuredBody",
    u"section",
    u"entry",
    u"observation",
    u"entryRelationship",
    u"value",
};
constexpr QStringView kOther = u"#";

QStringView pathName(const QXmlStreamReader &xml)
{
    if (xml.namespaceUri() != kHl7Namespace)
        return kOther;
    const QStringView name = xml.name();
    for (const QStringView known : kNames) {
        if (known == name)
            return known;
    }
    return kOther;
}

// "20250325" of "20250325093000+0900"; a value with fewer digits as written.
QString firstEightDigits(const QString &time)
{
    const QStringView start = QStringView(time).left(8);
    const bool digits =
        start.size() == 8 && std::all_of(start.begin(), start.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? start.toString() : time;
}

QStringView attr(const QXmlStreamAttributes &attributes, const char *name)
{
    return attributes.value(QLatin1StringView(name));
}

bool has(const QXmlStreamAttributes &attributes, const char *name)
{
    return attributes.hasAttribute(QLatin1StringView(name));
}

QString valueOr(const QXmlStreamAttributes &attributes, const char *name, QStringView fallback)
{
    return has(attributes, name) ? attr(attributes, name).toString() : fallback.toString();
}

void setOnce(QString &field, const QString &value)
{
    if (field.isEmpty())
        field = value;
}

class DocumentReader {
public:
    explicit DocumentReader(const QByteArray &bytes) : m_text(bytes) {}

    ReadDocument read()
    {
        while (m_text.next()) {
            const QXmlStreamReader &xml = m_text.xml();
            if (xml.isStartElement()) {
                if (m_path.isEmpty() && (xml.namespaceUri() != kHl7Namespace || xml.name() != u"ClinicalDocument"))
                    return OtherDocument{xml.name().toString()};
                m_path.append(pathName(xml));
                started(xml.attributes());
            } else if (xml.isEndElement()) {
                ended();
                m_path.removeLast();
            } else if (xml.isCharacters() && m_nameDepth > 0 && !xml.isWhitespace()) {
                m_doc.header.kanaName += xml.text();
            }
        }
        if (!m_text.problem().isEmpty())
            return UnreadableDocument{m_text.problem()};
        if (!m_checkupReport || !m_checkupProgram)
            return OtherDocument{QStringLiteral("ClinicalDocument")};
        m_doc.header.kanaName = m_doc.header.kanaName.trimmed();
        return std::move(m_doc);
    }

private:
    // An observation being read: its depth, whether it has no value at all
    // (nullFlavor, negationInd), its code and the values read so far.
    struct OpenObservation {
        qsizetype depth;
        bool noValue;
        QString code;
        QString codeSystem;
        QList<Observation> values;
    };

    bool pathIs(std::initializer_list<QStringView> names) const
    {
        if (m_path.size() != qsizetype(names.size()))
            return false;
        return std::equal(names.begin(), names.end(), m_path.cbegin());
    }

    bool parentIs(QStringView name, qsizetype fromTop = 1) const
    {
        return m_path.size() > fromTop && m_path[m_path.size() - 1 - fromTop] == name;
    }

    bool isObservationStart() const
    {
        if (m_path.last() != u"observation")
            return false;
        if (pathIs({u"ClinicalDocument", u"component", u"structuredBody", u"component", u"section", u"entry",
                    u"observation"}))
            return true;
        // Nested: observation/entryRelationship/observation.
        return parentIs(u"entryRelationship") && !m_open.isEmpty() && m_open.last().depth == m_path.size() - 2;
    }

    void started(const QXmlStreamAttributes &attributes)
    {
        const QStringView name = m_path.last();
        CheckupHeader &header = m_doc.header;
        if (isObservationStart()) {
            const bool noValue = has(attributes, "nullFlavor") || attr(attributes, "negationInd") == u"true";
            m_open.append({m_path.size(), noValue, {}, {}, {}});
            return;
        }
        if (!m_open.isEmpty() && m_open.last().depth == m_path.size() - 1) {
            OpenObservation &open = m_open.last();
            if (name == u"code") {
                open.code = attr(attributes, "code").toString();
                open.codeSystem = valueOr(attributes, "codeSystem", kItemCodeSystem);
            } else if (name == u"value") {
                open.values.append(valueOf(attributes, open.noValue));
            }
            return;
        }
        if (pathIs({u"ClinicalDocument", u"code"})) {
            m_checkupReport = attr(attributes, "code") == kCheckupReport
                              && valueOr(attributes, "codeSystem", kReportKindSystem) == kReportKindSystem;
        } else if (pathIs({u"ClinicalDocument", u"recordTarget", u"patientRole", u"id"})) {
            const QStringView root = attr(attributes, "root");
            const QString extension = attr(attributes, "extension").toString();
            if (root == kInsurerRoot)
                setOnce(header.insurer, extension);
            else if (root == kCardSymbolRoot)
                setOnce(header.cardSymbol, extension);
            else if (root == kCardNumberRoot)
                setOnce(header.cardNumber, extension);
        } else if (pathIs({u"ClinicalDocument", u"recordTarget", u"patientRole", u"patient", u"name"})) {
            if (header.kanaName.isEmpty())
                m_nameDepth = m_path.size();
        } else if (pathIs({u"ClinicalDocument", u"recordTarget", u"patientRole", u"patient",
                           u"administrativeGenderCode"})) {
            header.sexCode = attr(attributes, "code").toString();
            header.sexCodeSystem = attr(attributes, "codeSystem").toString();
        } else if (pathIs({u"ClinicalDocument", u"recordTarget", u"patientRole", u"patient", u"birthTime"})) {
            header.birthDate = firstEightDigits(attr(attributes, "value").toString());
        } else if (pathIs({u"ClinicalDocument", u"participant", u"associatedEntity", u"id"})) {
            if (attr(attributes, "root").startsWith(kTicketRootStart))
                setOnce(header.ticket, attr(attributes, "extension").toString());
        } else if (pathIs({u"ClinicalDocument", u"author", u"assignedAuthor", u"representedOrganization", u"id"})) {
            if (attr(attributes, "root") == kInstitutionRoot)
                setOnce(header.institution, attr(attributes, "extension").toString());
        } else if (pathIs({u"ClinicalDocument", u"documentationOf", u"serviceEvent", u"code"})) {
            m_checkupProgram |= attr(attributes, "code") == kCheckupProgram
                                && valueOr(attributes, "codeSystem", kProgramSystem) == kProgramSystem;
        } else if (pathIs({u"ClinicalDocument", u"documentationOf", u"serviceEvent", u"effectiveTime"})
                   || pathIs({u"ClinicalDocument", u"documentationOf", u"serviceEvent", u"effectiveTime", u"low"})) {
            if (has(attributes, "value"))
                setOnce(header.examDate, firstEightDigits(attr(attributes, "value").toString()));
        }
    }

    void ended()
    {
        if (m_nameDepth == m_path.size())
            m_nameDepth = 0;
        if (m_open.isEmpty() || m_open.last().depth != m_path.size())
            return;
        OpenObservation open = m_open.takeLast();
        if (open.values.isEmpty())
            open.values.append(Observation{});
        for (Observation &value : open.values) {
            value.code = open.code;
            value.codeSystem = open.codeSystem.isEmpty() ? kItemCodeSystem.toString() : open.codeSystem;
            m_doc.observations.append(std::move(value));
        }
    }

    Observation valueOf(const QXmlStreamAttributes &attributes, bool noValue) const
    {
        Observation value;
        value.hasValue = !noValue && !has(attributes, "nullFlavor");
        // xsi:type is a QName: its prefix stands for a namespace where it is.
        const QStringView type = attributes.value(kXsiNamespace.toString(), QLatin1StringView("type"));
        const qsizetype colon = type.indexOf(u':');
        const QStringView prefix = colon < 0 ? QStringView() : type.left(colon);
        if (!type.isEmpty())
            value.type = m_text.namespaceOfPrefix(prefix) == kHl7Namespace ? type.mid(colon + 1).toString()
                                                                           : QStringLiteral("?");
        value.value = attr(attributes, "value").toString();
        value.unit = attr(attributes, "unit").toString();
        value.valueCode = attr(attributes, "code").toString();
        value.valueCodeSystem = attr(attributes, "codeSystem").toString();
        return value;
    }

    XmlText m_text;
    QList<QStringView> m_path; // the open elements' names, the root first
    CheckupDocument m_doc;
    bool m_checkupReport = false;
    bool m_checkupProgram = false;
    qsizetype m_nameDepth = 0; // inside the kana name: its depth
    QList<OpenObservation> m_open;
};

// Whether the bytes begin as an XML document does: '<' after any byte
// order mark and blanks, in UTF-8 or UTF-16. Anything else in a folder (a
// note, a spreadsheet, a PDF) is not a broken checkup file but another file.
bool looksLikeXml(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArrayView("<\0", 2))
        || bytes.startsWith(QByteArrayView("\0<", 2)))
        return true;
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i < bytes.size() && bytes[i] == '<';
}

} // namespace

ReadDocument readCheckupDocument(const QByteArray &bytes)
{
    if (!looksLikeXml(bytes))
        return OtherDocument{};
    return DocumentReader(bytes).read();
}
