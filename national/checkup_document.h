#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

// What the header of a checkup file says of the examinee, as written.
struct CheckupHeader {
    QString insurer;    // 保険者番号
    QString cardSymbol; // 被保険者証等記号
    QString cardNumber; // 被保険者証等番号
    QString ticket;     // 受診券番号
    QString kanaName;   // カナ氏名
    QString sexCode;    // administrativeGenderCode: 1 male, 2 female
    QString sexCodeSystem;
    QString birthDate;       // birthTime
    QString examDate;        // serviceEvent's effectiveTime, its first eight digits
    QString institution;     // 健診機関番号
    QString institutionName; // 健診機関名: the author's organization's name
};

// One value of an observation of the body, as written. An observation with
// a nullFlavor or negationInd="true", or whose value has a nullFlavor, has
// no value; one with two values is two of these, but for a coded value of
// kBoundSystem beside a PQ: that is the PQ's bound.
struct Observation {
    QString code;       // the item code
    QString codeSystem; // the schema's default where left out
    bool hasValue = false;
    QString type;             // xsi:type's name where it is of the HL7 namespace ("PQ", "CD")
    QString writtenType;      // xsi:type as written where it is none of HL7's ("x:PQ"); empty where there is none
    QString undeclaredPrefix; // xsi:type's prefix where no namespace is declared for it
    QString value;            // a PQ's value, a number with an exponent as its plain decimal
    QString unit;             // a PQ's unit
    QString valueCode;        // a CD's code
    QString valueCodeSystem;
    QString bound; // a PQ's bound, its code of kBoundSystem ("H", "L"); empty: the value itself
};

struct CheckupDocument {
    CheckupHeader header;
    QList<Observation> observations; // in the order of the file
};

// A file that is not a checkup file: an XML document of another kind (a
// guidance, claim, index or summary file), or not XML at all. Counted, not
// judged.
struct OtherDocument {
    QString reason; // what it is instead, naming the element and the value found
};

// A file that cannot be read (empty, not well-formed, refused): why, in the
// desk's words.
struct UnreadableDocument {
    QString reason;
};

using ReadDocument = std::variant<CheckupDocument, OtherDocument, UnreadableDocument>;

// A checkup file is an HL7 ClinicalDocument whose code is 10 (特定健診情報)
// and whose service event's code is 010 (特定健診).
ReadDocument readCheckupDocument(const QByteArray &bytes);

// The code systems of the national data standard that the reading tells
// apart.
inline constexpr QStringView kItemCodeSystem = u"1.2.392.200119.6.1005";
// HL7's ObservationInterpretation: a coded value of it beside an
// observation's PQ bounds the PQ (H: at least the PQ, L: below it).
inline constexpr QStringView kBoundSystem = u"2.16.840.1.113883.5.83";
