#include "national/checkup_document.h"

#include "national/decimal_text.h"
#include "national/xml_text.h"
#include "words/message_words.h"

#include <algorithm>

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

// Where an element stands in the file, as far as the reading follows it:
// each place is one path from the root, and any element off these paths,
// or of another namespace, stands at Other, as do all its descendants. The
// places passed through come first, those whose element is read after.
enum class Place : quint8 {
    Other,
    Document,         // ClinicalDocument
    RecordTarget,     // ClinicalDocument/recordTarget
    PatientRole,      // …/recordTarget/patientRole
    Patient,          // …/patientRole/patient
    Participant,      // ClinicalDocument/participant
    AssociatedEntity, // …/participant/associatedEntity
    Author,           // ClinicalDocument/author
    AssignedAuthor,   // …/author/assignedAuthor
    Institution,      // …/assignedAuthor/representedOrganization
    DocumentationOf,  // ClinicalDocument/documentationOf
    ServiceEvent,     // …/documentationOf/serviceEvent
    Body,             // ClinicalDocument/component
    StructuredBody,   // …/component/structuredBody
    BodyComponent,    // …/structuredBody/component
    Section,          // …/structuredBody/component/section
    Entry,            // …/section/entry
    Relationship,     // an observation's entryRelationship
    ReportKind,       // ClinicalDocument/code
    PatientId,        // …/patientRole/id
    KanaName,         // …/patient/name
    Sex,              // …/patient/administrativeGenderCode
    BirthTime,        // …/patient/birthTime
    TicketId,         // …/associatedEntity/id
    InstitutionId,    // …/representedOrganization/id
    InstitutionName,  // …/representedOrganization/name
    Program,          // …/serviceEvent/code
    ExamTime,         // …/serviceEvent/effectiveTime
    ExamTimeLow,      // …/serviceEvent/effectiveTime/low
    Observation,      // …/entry/observation, or an observation's entryRelationship/observation
    ObservationCode,  // an observation's code
    ObservationValue, // an observation's value
};
constexpr Place kFirstRead = Place::ReportKind;

// The step from a place to a child element of the HL7 namespace by its name.
struct Step {
    Place parent;
    QStringView name;
    Place place;
};
constexpr Step kSteps[] = {
    {Place::Document, u"code", Place::ReportKind},
    {Place::Document, u"recordTarget", Place::RecordTarget},
    {Place::Document, u"participant", Place::Participant},
    {Place::Document, u"author", Place::Author},
    {Place::Document, u"documentationOf", Place::DocumentationOf},
    {Place::Document, u"component", Place::Body},
    {Place::RecordTarget, u"patientRole", Place::PatientRole},
    {Place::PatientRole, u"id", Place::PatientId},
    {Place::PatientRole, u"patient", Place::Patient},
    {Place::Patient, u"name", Place::KanaName},
    {Place::Patient, u"administrativeGenderCode", Place::Sex},
    {Place::Patient, u"birthTime", Place::BirthTime},
    {Place::Participant, u"associatedEntity", Place::AssociatedEntity},
    {Place::AssociatedEntity, u"id", Place::TicketId},
    {Place::Author, u"assignedAuthor", Place::AssignedAuthor},
    {Place::AssignedAuthor, u"representedOrganization", Place::Institution},
    {Place::Institution, u"id", Place::InstitutionId},
    {Place::Institution, u"name", Place::InstitutionName},
    {Place::DocumentationOf, u"serviceEvent", Place::ServiceEvent},
    {Place::ServiceEvent, u"code", Place::Program},
    {Place::ServiceEvent, u"effectiveTime", Place::ExamTime},
    {Place::ExamTime, u"low", Place::ExamTimeLow},
    {Place::Body, u"structuredBody", Place::StructuredBody},
    {Place::StructuredBody, u"component", Place::BodyComponent},
    {Place::BodyComponent, u"section", Place::Section},
    {Place::Section, u"entry", Place::Entry},
    {Place::Entry, u"observation", Place::Observation},
    {Place::Observation, u"code", Place::ObservationCode},
    {Place::Observation, u"value", Place::ObservationValue},
    {Place::Observation, u"entryRelationship", Place::Relationship},
    {Place::Relationship, u"observation", Place::Observation},
};

// The place of the element the reader stands on, under its parent's place.
Place placeOf(Place parent, const QXmlStreamReader &xml)
{
    if (parent == Place::Other || xml.namespaceUri() != kHl7Namespace)
        return Place::Other;
    const QStringView name = xml.name();
    for (const Step &step : kSteps) {
        if (step.parent == parent && step.name == name)
            return step.place;
    }
    return Place::Other;
}

// "20250325" of "20250325093000+0900"; a value with fewer digits as written.
QString firstEightDigits(const QString &time)
{
    const QStringView start = QStringView(time).left(8);
    const bool digits =
        start.size() == 8 && std::all_of(start.begin(), start.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? start.toString() : time;
}

// The value without the XML blanks around it, as XML Schema's whitespace
// collapse leaves a token.
QStringView collapsed(QStringView text)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
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

// A code that tells what a document is, as found: whether it is the
// checkup's, else what it was, for the desk to see.
struct KindCode {
    bool seen = false;
    bool isCheckup = false;
    QString code;
    QString codeSystem; // the schema's default where left out

    void see(const QXmlStreamAttributes &attributes, QStringView checkupCode, QStringView checkupSystem)
    {
        seen = true;
        code = attr(attributes, "code").toString();
        codeSystem = valueOr(attributes, "codeSystem", checkupSystem);
        isCheckup = code == checkupCode && codeSystem == checkupSystem;
    }
};

const QString kNotCheckup = QStringLiteral("特定健診の結果のファイルではありません: ");

QString otherRootReason(const QXmlStreamReader &xml)
{
    return kNotCheckup
           + QStringLiteral("ルート要素は %1 (名前空間 %2) です")
                 .arg(xml.name(),
                      xml.namespaceUri().isEmpty() ? QStringLiteral("なし") : xml.namespaceUri().toString());
}

QString otherCodeReason(QStringView element, const KindCode &found, QStringView checkupCode, QStringView checkupSystem)
{
    if (!found.seen)
        return kNotCheckup + QStringLiteral("%1 がありません").arg(element);
    return kNotCheckup
           + QStringLiteral("%1 は code=\"%2\" codeSystem=\"%3\" です (特定健診は code=\"%4\" codeSystem=\"%5\")")
                 .arg(element, found.code, found.codeSystem, checkupCode, checkupSystem);
}

class DocumentReader {
public:
    explicit DocumentReader(const QByteArray &bytes) : m_text(bytes) {}

    ReadDocument read()
    {
        while (m_text.next()) {
            const QXmlStreamReader &xml = m_text.xml();
            if (xml.isStartElement()) {
                if (m_path.isEmpty()) {
                    if (xml.namespaceUri() != kHl7Namespace || xml.name() != u"ClinicalDocument")
                        return OtherDocument{otherRootReason(xml)};
                    m_path.append(Place::Document);
                    continue;
                }
                const Place place = placeOf(m_path.last(), xml);
                m_path.append(place);
                if (place >= kFirstRead)
                    started(place, xml.attributes());
            } else if (xml.isEndElement()) {
                ended();
                m_path.removeLast();
            } else if (m_textDepth > 0 && xml.isCharacters() && !xml.isWhitespace()) {
                *m_textInto += xml.text();
            }
        }
        if (!m_text.problem().isEmpty())
            return UnreadableDocument{m_text.problem()};
        if (!m_reportKind.isCheckup)
            return OtherDocument{
                otherCodeReason(u"報告区分 (ClinicalDocument/code)", m_reportKind, kCheckupReport, kReportKindSystem)};
        if (!m_program.isCheckup)
            return OtherDocument{
                otherCodeReason(u"健診プログラム種別 (serviceEvent/code)", m_program, kCheckupProgram, kProgramSystem)};
        m_doc.header.kanaName = m_doc.header.kanaName.trimmed();
        m_doc.header.institutionName = m_doc.header.institutionName.trimmed();
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

    // An element at a place that is read: of an observation, or of the header.
    void started(Place place, const QXmlStreamAttributes &attributes)
    {
        switch (place) {
        case Place::Observation: {
            const bool noValue = has(attributes, "nullFlavor") || attr(attributes, "negationInd") == u"true";
            m_open.append({m_path.size(), noValue, {}, {}, {}});
            break;
        }
        // An observation's code and value: the observation open last is
        // their parent.
        case Place::ObservationCode:
            m_open.last().code = attr(attributes, "code").toString();
            m_open.last().codeSystem = valueOr(attributes, "codeSystem", kItemCodeSystem);
            break;
        case Place::ObservationValue: m_open.last().values.append(valueOf(attributes, m_open.last().noValue)); break;
        default: headerStarted(place, attributes); break;
        }
    }

    // An element of the header: the kinds of report and checkup, the examinee, the institution, the date.
    void headerStarted(Place place, const QXmlStreamAttributes &attributes)
    {
        CheckupHeader &header = m_doc.header;
        switch (place) {
        case Place::ReportKind:
            m_reportKind = {}, m_reportKind.see(attributes, kCheckupReport, kReportKindSystem);
            break;
        case Place::PatientId: {
            const QStringView root = attr(attributes, "root");
            const QString extension = attr(attributes, "extension").toString();
            if (root == kInsurerRoot)
                setOnce(header.insurer, extension);
            else if (root == kCardSymbolRoot)
                setOnce(header.cardSymbol, extension);
            else if (root == kCardNumberRoot)
                setOnce(header.cardNumber, extension);
            break;
        }
        case Place::KanaName:
            if (header.kanaName.isEmpty())
                readTextInto(header.kanaName);
            break;
        case Place::InstitutionName:
            if (header.institutionName.isEmpty())
                readTextInto(header.institutionName);
            break;
        case Place::Sex:
            header.sexCode = attr(attributes, "code").toString();
            header.sexCodeSystem = attr(attributes, "codeSystem").toString();
            break;
        case Place::BirthTime: header.birthDate = firstEightDigits(attr(attributes, "value").toString()); break;
        case Place::TicketId:
            if (attr(attributes, "root").startsWith(kTicketRootStart))
                setOnce(header.ticket, attr(attributes, "extension").toString());
            break;
        case Place::InstitutionId:
            if (attr(attributes, "root") == kInstitutionRoot)
                setOnce(header.institution, attr(attributes, "extension").toString());
            break;
        case Place::Program:
            if (!m_program.isCheckup)
                m_program.see(attributes, kCheckupProgram, kProgramSystem);
            break;
        case Place::ExamTime:
        case Place::ExamTimeLow:
            if (has(attributes, "value"))
                setOnce(header.examDate, firstEightDigits(attr(attributes, "value").toString()));
            break;
        default: break;
        }
    }

    void readTextInto(QString &text)
    {
        m_textDepth = m_path.size();
        m_textInto = &text;
    }

    void ended()
    {
        if (m_textDepth == m_path.size())
            m_textDepth = 0;
        if (m_open.isEmpty() || m_open.last().depth != m_path.size())
            return;
        OpenObservation open = m_open.takeLast();
        pairBound(open.values);
        if (open.values.isEmpty())
            open.values.append(Observation{});
        for (Observation &value : open.values) {
            value.code = open.code;
            value.codeSystem = open.codeSystem.isEmpty() ? kItemCodeSystem.toString() : open.codeSystem;
            m_doc.observations.append(std::move(value));
        }
    }

    // A coded value of kBoundSystem beside the observation's one PQ is the
    // PQ's bound, not a value of its own.
    static void pairBound(QList<Observation> &values)
    {
        const auto isPq = [](const Observation &v) { return v.hasValue && v.type == u"PQ"; };
        const auto isBound = [](const Observation &v) {
            return v.hasValue && v.type == u"CD" && v.valueCodeSystem == kBoundSystem;
        };
        if (values.size() != 2 || std::count_if(values.begin(), values.end(), isPq) != 1
            || std::count_if(values.begin(), values.end(), isBound) != 1)
            return;
        const qsizetype bound = isBound(values[0]) ? 0 : 1;
        values[1 - bound].bound = values[bound].valueCode;
        values.removeAt(bound);
    }

    Observation valueOf(const QXmlStreamAttributes &attributes, bool noValue) const
    {
        static const QString xsiNamespace = kXsiNamespace.toString();
        Observation value;
        value.hasValue = !noValue && !has(attributes, "nullFlavor");
        // xsi:type is a QName: its prefix stands for a namespace where it is.
        const QStringView type = collapsed(attributes.value(xsiNamespace, QLatin1StringView("type")));
        const qsizetype colon = type.indexOf(u':');
        const QStringView prefix = colon < 0 ? QStringView() : type.left(colon);
        const QStringView typeNamespace = m_text.namespaceOfPrefix(prefix);
        if (typeNamespace == kHl7Namespace)
            value.type = type.mid(colon + 1).toString();
        else
            value.writtenType = type.toString();
        if (!prefix.isEmpty() && typeNamespace.isEmpty())
            value.undeclaredPrefix = prefix.toString();
        // The schema's types of these attributes (a real, a code) take their
        // value with the blanks around it collapsed away.
        value.value = plainDecimal(collapsed(attr(attributes, "value")).toString());
        value.unit = collapsed(attr(attributes, "unit")).toString();
        value.valueCode = collapsed(attr(attributes, "code")).toString();
        value.valueCodeSystem = collapsed(attr(attributes, "codeSystem")).toString();
        return value;
    }

    XmlText m_text;
    QList<Place> m_path; // the open elements' places, the root first
    CheckupDocument m_doc;
    KindCode m_reportKind; // the report's kind: a checkup's results
    KindCode m_program;    // a service event's programme: the specific checkup, in any of them
    // Inside the kana name or the institution's name: its depth, and the
    // header's text its characters go to.
    qsizetype m_textDepth = 0;
    QString *m_textInto = nullptr;
    QList<OpenObservation> m_open;
};

// Where the bytes start after any UTF-8 byte order mark and blanks: their
// size when there is nothing else.
qsizetype firstNonBlank(const QByteArray &bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i;
}

// Whether the bytes begin as an XML document does: '<' after any byte
// order mark and blanks, in UTF-8 or UTF-16. Anything else in a folder (a
// note, a spreadsheet, a PDF) is not a broken checkup file but another file.
bool looksLikeXml(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArrayView("<\0", 2))
        || bytes.startsWith(QByteArrayView("\0<", 2)))
        return true;
    const qsizetype i = firstNonBlank(bytes);
    return i < bytes.size() && bytes[i] == '<';
}

} // namespace

ReadDocument readCheckupDocument(const QByteArray &bytes)
{
    // An empty file is a file that lost its content, not another kind of file.
    if (firstNonBlank(bytes) == bytes.size())
        return UnreadableDocument{emptyFileText()};
    if (!looksLikeXml(bytes))
        return OtherDocument{QStringLiteral("XML のファイルではありません")};
    return DocumentReader(bytes).read();
}
