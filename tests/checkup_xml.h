#pragma once

// Synthetic checkup files for the tests: one examinee's national checkup
// XML (hc08), laid out as the ministry's schema has it, with made-up values.

#include <QByteArray>
#include <QList>
#include <QString>

// One observation of the body. `value` is a PQ's value or a CD's code;
// `attributes` go on the observation, `valueAttributes` on its value.
struct XmlObservation {
    QString code;
    QString type; // "PQ", "CD", or "" for a value without xsi:type
    QString value;
    QString unit; // a PQ's; a CD's code system
    QString attributes = {};
    QString valueAttributes = {};
    QList<XmlObservation> nested = {}; // in entryRelationship
    QString bound = {};                // a PQ's bound: a CD of HL7's ObservationInterpretation before it
    QString afterValue = {};           // elements after the value, as written
};

inline XmlObservation pq(const QString &code, const QString &value, const QString &unit)
{
    return {code, QStringLiteral("PQ"), value, unit};
}
inline XmlObservation cd(const QString &code, const QString &value, const QString &system)
{
    return {code, QStringLiteral("CD"), value, system};
}

struct XmlCheckup {
    QString prolog = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    QString rootNamespace = QStringLiteral("urn:hl7-org:v3");
    QString reportCode = QStringLiteral("10");
    QString programCode = QStringLiteral("010");
    QString insurer = QStringLiteral("06999999");
    QString cardSymbol = QStringLiteral("ＴＥＳＴ");
    QString cardNumber = QStringLiteral("1234567");
    QString ticket; // none: no participant
    QString kanaName = QStringLiteral("ケンシンタロウ");
    QString sex = QStringLiteral("1");
    QString birth = QStringLiteral("19700101");
    QString exam = QStringLiteral("20250325");
    QString institution = QStringLiteral("1399999999");
    QList<XmlObservation> observations;
};

inline QString xmlEscaped(const QString &text) { return text.toHtmlEscaped(); }

inline QString observationXml(const XmlObservation &o)
{
    QString value;
    if (o.type == u"PQ")
        value = QStringLiteral("<value xsi:type=\"PQ\" value=\"%1\" unit=\"%2\"%3/>")
                    .arg(xmlEscaped(o.value), xmlEscaped(o.unit), o.valueAttributes);
    else if (o.type == u"CD")
        value = QStringLiteral("<value xsi:type=\"CD\" code=\"%1\" codeSystem=\"%2\"%3/>")
                    .arg(xmlEscaped(o.value), xmlEscaped(o.unit), o.valueAttributes);
    else if (!o.valueAttributes.isEmpty())
        value = QStringLiteral("<value%1/>").arg(o.valueAttributes);
    if (!o.bound.isEmpty())
        value = QStringLiteral("<value xsi:type=\"CD\" code=\"%1\" codeSystem=\"2.16.840.1.113883.5.83\"/>")
                    .arg(xmlEscaped(o.bound))
                + value;
    value += o.afterValue;
    QString nested;
    for (const XmlObservation &n : o.nested)
        nested += QStringLiteral("<entryRelationship typeCode=\"COMP\">") + observationXml(n)
                  + QStringLiteral("</entryRelationship>");
    return QStringLiteral("<observation classCode=\"OBS\" moodCode=\"EVN\"%1>"
                          "<code code=\"%2\" codeSystem=\"1.2.392.200119.6.1005\"/>%3%4</observation>")
        .arg(o.attributes, xmlEscaped(o.code), value, nested);
}

inline QByteArray checkupXml(const XmlCheckup &c)
{
    QString entries;
    for (const XmlObservation &o : c.observations)
        entries += QStringLiteral("<entry>") + observationXml(o) + QStringLiteral("</entry>\n");
    const QString participant =
        c.ticket.isEmpty() ? QString()
                           : QStringLiteral("<participant typeCode=\"IND\"><associatedEntity classCode=\"IDENT\">"
                                            "<id root=\"1.2.392.200119.6.209.100000000\" extension=\"%1\"/>"
                                            "</associatedEntity></participant>\n")
                                 .arg(xmlEscaped(c.ticket));
    const QString text =
        c.prolog
        + QStringLiteral("<ClinicalDocument xmlns=\"%1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
                         "<typeId root=\"2.16.840.1.113883.1.3\" extension=\"POCD_HD000040\"/>\n"
                         "<id nullFlavor=\"NI\"/>\n"
                         "<code code=\"%2\" codeSystem=\"1.2.392.200119.6.1001\"/>\n"
                         "<effectiveTime value=\"20250401\"/>\n"
                         "<confidentialityCode code=\"N\" codeSystem=\"2.16.840.1.113883.5.25\"/>\n"
                         "<recordTarget><patientRole>\n"
                         "<id root=\"1.2.392.200119.6.101\" extension=\"%3\"/>\n"
                         "<id root=\"1.2.392.200119.6.204\" extension=\"%4\"/>\n"
                         "<id root=\"1.2.392.200119.6.205\" extension=\"%5\"/>\n"
                         "<patient><name>%6</name>\n"
                         "<administrativeGenderCode code=\"%7\" codeSystem=\"1.2.392.200119.6.1104\"/>\n"
                         "<birthTime value=\"%8\"/></patient>\n"
                         "</patientRole></recordTarget>\n"
                         "<author><time value=\"20250401\"/><assignedAuthor><id nullFlavor=\"NI\"/>"
                         "<representedOrganization><id root=\"1.2.392.200119.6.102\" extension=\"%9\"/>"
                         "<name>架空健診センター</name></representedOrganization></assignedAuthor></author>\n"
                         "<custodian><assignedCustodian><representedCustodianOrganization><id nullFlavor=\"NI\"/>"
                         "</representedCustodianOrganization></assignedCustodian></custodian>\n")
              .arg(c.rootNamespace, c.reportCode, xmlEscaped(c.insurer), xmlEscaped(c.cardSymbol),
                   xmlEscaped(c.cardNumber), xmlEscaped(c.kanaName), xmlEscaped(c.sex), xmlEscaped(c.birth),
                   xmlEscaped(c.institution))
        + participant
        + QStringLiteral("<documentationOf><serviceEvent><code code=\"%1\" codeSystem=\"1.2.392.200119.6.1002\"/>"
                         "<effectiveTime value=\"%2\"/></serviceEvent></documentationOf>\n"
                         "<component><structuredBody><component><section>"
                         "<code code=\"01010\" codeSystem=\"1.2.392.200119.6.1010\"/><text/>\n")
              .arg(c.programCode, xmlEscaped(c.exam))
        + entries + QStringLiteral("</section></component></structuredBody></component>\n</ClinicalDocument>\n");
    return text.toUtf8();
}

// The codes of the items and the code systems of the coded ones.
namespace checkup_codes {
inline const QString height = QStringLiteral("9N001000000000001");
inline const QString weight = QStringLiteral("9N006000000000001");
inline const QString bmi = QStringLiteral("9N011000000000001");
inline const QString waist = QStringLiteral("9N016160100000001");
inline const QString systolic = QStringLiteral("9A755000000000001");
inline const QString systolic1 = QStringLiteral("9A751000000000001");
inline const QString systolic2 = QStringLiteral("9A752000000000001");
inline const QString diastolic = QStringLiteral("9A765000000000001");
inline const QString diastolic1 = QStringLiteral("9A761000000000001");
inline const QString diastolic2 = QStringLiteral("9A762000000000001");
inline const QString triglycerides = QStringLiteral("3F015000002327101");
inline const QString triglyceridesNonFasting = QStringLiteral("3F015129902327101");
inline const QString hdl = QStringLiteral("3F070000002327101");
inline const QString glucose = QStringLiteral("3D010000002227101");
inline const QString glucoseNonFasting = QStringLiteral("3D010129901926101");
inline const QString hba1c = QStringLiteral("3D046000001906202");
inline const QString hba1cJds = QStringLiteral("3D045000001906202");
inline const QString timing = QStringLiteral("9N141000000000011");
inline const QString syndromeClass = QStringLiteral("9N501000000000011");
inline const QString guidanceLevel = QStringLiteral("9N506000000000011");
inline const QString bloodPressureDrugs = QStringLiteral("9N701000000000011");
inline const QString glucoseDrugs = QStringLiteral("9N706000000000011");
inline const QString lipidDrugs = QStringLiteral("9N711000000000011");
inline const QString smoking = QStringLiteral("9N736000000000011");
inline const QString drugSystem = QStringLiteral("1.2.392.200119.6.2003");
inline const QString smokingSystem = QStringLiteral("1.2.392.200119.6.24060");
inline const QString timingSystem = QStringLiteral("1.2.392.200119.6.2202");
inline const QString classSystem = QStringLiteral("1.2.392.200119.6.1008");
inline const QString levelSystem = QStringLiteral("1.2.392.200119.6.3001");
} // namespace checkup_codes

// The example's examinee: every item there, a man of 55 in fiscal 2024
// meeting the metabolic syndrome's criteria, who smokes; the reported codes
// as given.
inline XmlCheckup exampleCheckup(const QString &reportedClass = QStringLiteral("1"),
                                 const QString &reportedLevel = QStringLiteral("1"))
{
    using namespace checkup_codes;
    XmlCheckup c;
    c.observations = {
        pq(height, QStringLiteral("170.0"), QStringLiteral("cm")),
        pq(weight, QStringLiteral("75.0"), QStringLiteral("kg")),
        pq(bmi, QStringLiteral("26.0"), QStringLiteral("kg/m2")),
        pq(waist, QStringLiteral("88.0"), QStringLiteral("cm")),
        pq(systolic, QStringLiteral("132"), QStringLiteral("mm[Hg]")),
        pq(diastolic, QStringLiteral("80"), QStringLiteral("mm[Hg]")),
        cd(timing, QStringLiteral("2"), timingSystem),
        pq(triglycerides, QStringLiteral("160"), QStringLiteral("mg/dL")),
        pq(hdl, QStringLiteral("45"), QStringLiteral("mg/dL")),
        pq(glucose, QStringLiteral("98"), QStringLiteral("mg/dL")),
        pq(hba1c, QStringLiteral("5.5"), QStringLiteral("%")),
        cd(bloodPressureDrugs, QStringLiteral("2"), drugSystem),
        cd(glucoseDrugs, QStringLiteral("2"), drugSystem),
        cd(lipidDrugs, QStringLiteral("2"), drugSystem),
        cd(smoking, QStringLiteral("1"), smokingSystem),
    };
    if (!reportedClass.isEmpty())
        c.observations << cd(syndromeClass, reportedClass, classSystem);
    if (!reportedLevel.isEmpty())
        c.observations << cd(guidanceLevel, reportedLevel, levelSystem);
    return c;
}
