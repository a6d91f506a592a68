#include "checkup_xml.h"
#include "daylist/national_row.h"
#include "examinee/columns.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "examinee/examinee.h"
#include "examinee/form_entry.h"
#include "national/archive_index.h"
#include "national/checkup_document.h"
#include "national/checkup_examinee.h"
#include "words/record_row.h"

#include <QBuffer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// The national checkup file without a window: its header and observations,
// what it refuses, its reading as the one examinee and the row it becomes.
class TestNational : public QObject {
    Q_OBJECT
private slots:
    void checkupFile_data();
    void checkupFile();
    void valueShape_data();
    void valueShape();
    void readAsWritten_data();
    void readAsWritten();
    void sameAsTheDaysList();
    void indexCount_data();
    void indexCount();
    void indexRefused_data();
    void indexRefused();
    void schemaValid();
};

namespace {

using namespace checkup_codes;

// What became of a file: "judged", "not judged" (a checkup file with its
// reason), "unreadable" or "other" (not a checkup file).
struct Outcome {
    QString kind;
    QStringList cells; // the list's row; none for "other"
};

Outcome outcomeOf(const QByteArray &bytes)
{
    const ReadDocument document = readCheckupDocument(bytes);
    if (std::holds_alternative<OtherDocument>(document))
        return {QStringLiteral("other"), {}};
    if (const auto *unreadable = std::get_if<UnreadableDocument>(&document))
        return {QStringLiteral("unreadable"), unreadableFileRow(QStringLiteral("f.xml"), unreadable->reason).cells};
    const CheckupDocument &checkup = std::get<CheckupDocument>(document);
    const FileRow row = checkupFileRow(QStringLiteral("f.xml"), checkup, examineeOfCheckup(checkup));
    return {row.judged ? QStringLiteral("judged") : QStringLiteral("not judged"), row.cells};
}

XmlCheckup without(XmlCheckup c, const QString &code)
{
    c.observations.removeIf([&](const XmlObservation &o) { return o.code == code; });
    return c;
}

XmlCheckup with(XmlCheckup c, const QList<XmlObservation> &added)
{
    c.observations << added;
    return c;
}

XmlCheckup replaced(const XmlCheckup &c, const QString &code, const QList<XmlObservation> &by)
{
    return with(without(c, code), by);
}

// An observation nested `levels` deep in entryRelationships, the waist at
// the bottom.
XmlObservation nestedWaist(int levels)
{
    XmlObservation o = pq(waist, QStringLiteral("88.0"), QStringLiteral("cm"));
    for (int i = 0; i < levels; ++i) {
        XmlObservation outer{QStringLiteral("1A010000000000000"), {}, {}, {}};
        outer.nested = {o};
        o = outer;
    }
    return o;
}

QByteArray utf16(const QByteArray &utf8, QStringConverter::Encoding encoding)
{
    QString text = QString::fromUtf8(utf8);
    text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"UTF-16\""));
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

void TestNational::checkupFile_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("heading"); // of the list; empty: no cell to look at
    QTest::addColumn<QString>("contains");

    const XmlCheckup example = exampleCheckup();
    const auto row = [](const char *name, const XmlCheckup &c, const char *kind, const QString &heading,
                        const QString &contains) {
        QTest::newRow(name) << checkupXml(c) << QString::fromLatin1(kind) << heading << contains;
    };
    const QString check = QStringLiteral("確認"), verdict = QStringLiteral("照合");
    const QString waistHeading = QStringLiteral("腹囲"), missing = QStringLiteral("未入力");

    // The header.
    row("header: insurer", example, "judged", QStringLiteral("保険者番号"), QStringLiteral("06999999"));
    row("header: card symbol", example, "judged", QStringLiteral("被保険者証等記号"), QStringLiteral("ＴＥＳＴ"));
    row("header: kana name", example, "judged", QStringLiteral("カナ氏名"), QStringLiteral("ケンシンタロウ"));
    row("header: institution", example, "judged", QStringLiteral("健診機関番号"), QStringLiteral("1399999999"));
    XmlCheckup ticketed = example;
    ticketed.ticket = QStringLiteral("25000123456");
    row("header: ticket from the participant", ticketed, "judged", QStringLiteral("受診券番号"),
        QStringLiteral("25000123456"));
    XmlCheckup timed = example;
    timed.exam = QStringLiteral("20250325093000+0900");
    row("header: examination time, its date", timed, "judged", QStringLiteral("受診日"), QStringLiteral("20250325"));
    XmlCheckup female = example;
    female.sex = QStringLiteral("2");
    row("header: sex 2 is female", female, "judged", QStringLiteral("性別"), QStringLiteral("女性"));
    XmlCheckup unknownSex = example;
    unknownSex.sex = QStringLiteral("9");
    row("header: sex 9 not read", unknownSex, "not judged", check, QStringLiteral("コード \"9\""));
    XmlCheckup older = example;
    older.birth = QStringLiteral("19550101");
    row("header: band from the dates, 65 to 74", older, "judged", QStringLiteral("年齢区分"),
        QStringLiteral("65歳～74歳"));
    XmlCheckup tooOld = example;
    tooOld.birth = QStringLiteral("19400101");
    row("header: outside the programme", tooOld, "not judged", check, QStringLiteral("生年月日"));

    // The reported codes.
    row("codes: both agree", example, "judged", verdict, QStringLiteral("一致"));
    row("codes: class differs, named", exampleCheckup(QStringLiteral("2"), QStringLiteral("1")), "judged", verdict,
        QStringLiteral("不一致 (メタボリックシンドローム判定コード: 報告 2、判定 1)"));
    row("codes: level differs, named", exampleCheckup(QStringLiteral("1"), QStringLiteral("3")), "judged", verdict,
        QStringLiteral("保健指導レベルコード: 報告 3、判定 1"));
    row("codes: only the level, agrees", exampleCheckup(QString(), QStringLiteral("1")), "judged", verdict,
        QStringLiteral("一致"));
    row("codes: none reported", exampleCheckup(QString(), QString()), "judged", verdict, QStringLiteral("報告なし"));
    row("codes: kept as written", exampleCheckup(QStringLiteral("01"), QString()), "judged",
        QStringLiteral("報告されたメタボリックシンドローム判定コード"), QStringLiteral("01"));

    // Values and units.
    row("unit: height in m not read", replaced(example, height, {pq(height, "1.70", "m")}), "not judged", check,
        QStringLiteral("単位 \"m\""));
    XmlObservation typedSt{height, {}, {}, {}, {}, QStringLiteral(" xsi:type=\"ST\" value=\"170.0\"")};
    row("type: a height as ST not read", replaced(example, height, {typedSt}), "not judged", check,
        QStringLiteral("値の型 \"ST\""));
    XmlObservation prefixed{
        height, {}, {},
        {},     {}, QStringLiteral(" xmlns:v3=\"urn:hl7-org:v3\" xsi:type=\"v3:PQ\" value=\"170.0\" unit=\"cm\"")};
    row("type: PQ under another prefix of HL7", replaced(example, height, {prefixed}), "judged", QStringLiteral("身長"),
        QStringLiteral("170.0"));
    XmlObservation foreign{
        height, {}, {}, {}, {}, QStringLiteral(" xmlns:o=\"urn:other\" xsi:type=\"o:PQ\" value=\"170.0\" unit=\"cm\"")};
    row("type: PQ of another namespace not read", replaced(example, height, {foreign}), "not judged", check,
        QStringLiteral("値の型"));
    row("value: full-width digit, as the cleaning would change it",
        replaced(example, height, {pq(height, "1７0.0", "cm")}), "not judged", check, QStringLiteral("数値"));
    XmlObservation nullObservation = pq(waist, "88.0", "cm");
    nullObservation.attributes = QStringLiteral(" nullFlavor=\"NI\"");
    row("nullFlavor: observation's, no waist", replaced(example, waist, {nullObservation}), "judged", missing,
        waistHeading);
    XmlObservation nullValue{waist, {}, {}, {}, {}, QStringLiteral(" nullFlavor=\"UNK\"")};
    row("nullFlavor: value's, no waist", replaced(example, waist, {nullValue}), "judged", missing, waistHeading);
    XmlObservation negated = pq(waist, "88.0", "cm");
    negated.attributes = QStringLiteral(" negationInd=\"true\"");
    row("negationInd true: no waist", replaced(example, waist, {negated}), "judged", missing, waistHeading);
    XmlObservation affirmed = pq(waist, "88.0", "cm");
    affirmed.attributes = QStringLiteral(" negationInd=\"false\"");
    row("negationInd false: the waist", replaced(example, waist, {affirmed}), "judged", waistHeading,
        QStringLiteral("88.0"));
    row("nested: in an entryRelationship", replaced(example, waist, {nestedWaist(3)}), "judged", waistHeading,
        QStringLiteral("88.0"));
    row("twice, alike: judged", with(example, {pq(height, "170.0", "cm")}), "judged", QStringLiteral("身長"),
        QStringLiteral("170.0"));
    row("twice, different: not judged", with(example, {pq(height, "171.0", "cm")}), "not judged", check,
        QStringLiteral("食い違います"));
    row("unknown code: left alone", with(example, {pq(QStringLiteral("1A020000000191111"), "5", "mg/dL")}), "judged",
        verdict, QStringLiteral("一致"));
    row("BMI: computed, not read", replaced(example, bmi, {pq(bmi, "99.9", "kg/m2")}), "judged", QStringLiteral("BMI"),
        QStringLiteral("26"));

    // Blood pressure.
    row("readings: mean of the two",
        replaced(without(example, systolic), systolic,
                 {pq(systolic1, "131", "mm[Hg]"), pq(systolic2, "134", "mm[Hg]")}),
        "judged", QStringLiteral("最高血圧"), QStringLiteral("133"));
    row("readings: other before the two",
        with(example, {pq(systolic1, "120", "mm[Hg]"), pq(systolic2, "124", "mm[Hg]")}), "judged",
        QStringLiteral("最高血圧"), QStringLiteral("132"));
    row("readings: first only", replaced(example, diastolic, {pq(diastolic1, "84", "mm[Hg]")}), "judged",
        QStringLiteral("最低血圧"), QStringLiteral("84"));

    // Choices.
    row("drug code 3 not read", replaced(example, lipidDrugs, {cd(lipidDrugs, "3", drugSystem)}), "not judged", check,
        QStringLiteral("コード \"3\""));
    row("drug code of another system not read",
        replaced(example, lipidDrugs, {cd(lipidDrugs, "1", QStringLiteral("1.2.392.200119.6.9999"))}), "not judged",
        check, QStringLiteral("脂質"));
    row("drug given as PQ not read", replaced(example, lipidDrugs, {pq(lipidDrugs, "1", "1")}), "not judged", check,
        QStringLiteral("値の型 \"PQ\""));
    row("smoking 3 is not smoking", replaced(example, smoking, {cd(smoking, "3", smokingSystem)}), "judged",
        QStringLiteral("喫煙"), QStringLiteral("なし"));
    row("smoking 2 is not smoking", replaced(example, smoking, {cd(smoking, "2", smokingSystem)}), "judged",
        QStringLiteral("喫煙"), QStringLiteral("なし"));
    row("smoking missing: not judged", without(example, smoking), "not judged", check, QStringLiteral("喫煙"));

    // What is not used.
    row("non-fasting triglycerides only: said in 確認",
        replaced(example, triglycerides, {pq(triglyceridesNonFasting, "160", "mg/dL")}), "judged", check,
        QStringLiteral("中性脂肪は 3F015129902327101 の値だけです"));
    row("non-fasting triglycerides only: asked for",
        replaced(example, triglycerides, {pq(triglyceridesNonFasting, "160", "mg/dL")}), "judged", missing,
        QStringLiteral("中性脂肪"));
    row("non-fasting beside fasting: fasting judged", with(example, {pq(triglyceridesNonFasting, "300", "mg/dL")}),
        "judged", QStringLiteral("中性脂肪"), QStringLiteral("160"));
    row("JDS only: said in 確認", replaced(example, hba1c, {pq(hba1cJds, "5.5", "%")}), "judged", check,
        QStringLiteral("3D045000001906202"));
    row("drawn soon after a meal: said in 確認", replaced(example, timing, {cd(timing, "3", timingSystem)}), "judged",
        check, QStringLiteral("採血時間 (9N141) は食後10時間未満ですが、中性脂肪に"));
    row("drawn after ten hours: nothing said", example, "judged", check, QString());

    // Not checkup files, and files not read.
    XmlCheckup guidance = example;
    guidance.reportCode = QStringLiteral("20");
    row("other: another report", guidance, "other", {}, {});
    XmlCheckup program = example;
    program.programCode = QStringLiteral("020");
    row("other: another programme", program, "other", {}, {});
    XmlCheckup foreignRoot = example;
    foreignRoot.rootNamespace = QStringLiteral("urn:not-hl7");
    row("other: ClinicalDocument of another namespace", foreignRoot, "other", {}, {});
    XmlCheckup doctype = example;
    doctype.prolog += QStringLiteral("<!DOCTYPE ClinicalDocument [<!ENTITY n \"ケンシン\">]>\n");
    doctype.kanaName = QStringLiteral("&n;");
    row("refused: DOCTYPE", doctype, "unreadable", check, QStringLiteral("DOCTYPE"));
    XmlCheckup shiftJis = example;
    shiftJis.prolog = QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n");
    row("refused: Shift_JIS declared", shiftJis, "unreadable", check, QStringLiteral("Shift_JIS"));
    row("refused: nesting deeper than 64", replaced(example, waist, {nestedWaist(30)}), "unreadable", check,
        QStringLiteral("64"));
    row("read: nesting within 64", replaced(example, waist, {nestedWaist(20)}), "judged", waistHeading,
        QStringLiteral("88.0"));

    const QByteArray bytes = checkupXml(example);
    QTest::newRow("read: UTF-16LE with its mark")
        << utf16(bytes, QStringConverter::Utf16LE) << "judged" << verdict << QStringLiteral("一致");
    QTest::newRow("read: UTF-16BE with its mark")
        << utf16(bytes, QStringConverter::Utf16BE) << "judged" << verdict << QStringLiteral("一致");
    QTest::newRow("read: UTF-16LE without a mark")
        << utf16(bytes, QStringConverter::Utf16LE).mid(2) << "judged" << verdict << QStringLiteral("一致");
    QTest::newRow("refused: UTF-16 declared, UTF-8 written")
        << QByteArray(bytes).replace("encoding=\"UTF-8\"", "encoding=\"UTF-16\"") << "unreadable" << check
        << QStringLiteral("宣言は UTF-16 ですが、ファイルは UTF-8 で書かれています");
    QTest::newRow("refused: bytes not UTF-8") << QByteArray(bytes).replace("ケンシンタロウ", "\x83\x50\x83\x93")
                                              << "unreadable" << check << QStringLiteral("UTF-8 として読めない");
    QTest::newRow("read: UTF-8 with its mark")
        << QByteArray("\xEF\xBB\xBF") + bytes << "judged" << verdict << QStringLiteral("一致");
    QTest::newRow("read: a character beyond U+FFFF")
        << QByteArray(bytes).replace("ケンシンタロウ", "ケンシン\xF0\xA0\xAE\xB7") << "judged"
        << QStringLiteral("カナ氏名") << QString::fromUtf8("ケンシン\xF0\xA0\xAE\xB7");
    const QString notUtf8 = QStringLiteral("UTF-8 として読めない");
    QTest::newRow("other: two byte order marks")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") + bytes << "other" << QString() << QString();
    QTest::newRow("refused: a surrogate pair written as two characters (CESU-8)")
        << QByteArray(bytes).replace("ケンシンタロウ", "\xED\xA0\x80\xED\xB0\x80") << "unreadable" << check << notUtf8;
    QTest::newRow("refused: an overlong form of a letter")
        << QByteArray(bytes).replace("ケンシンタロウ", "\xE0\x80\xAF") << "unreadable" << check << notUtf8;
    QTest::newRow("refused: a character beyond U+10FFFF")
        << QByteArray(bytes).replace("ケンシンタロウ", "\xF4\x90\x80\x80") << "unreadable" << check << notUtf8;
    QTest::newRow("refused: a character cut off at the end") << bytes + "\xE3\x81"
                                                             << "unreadable" << check << notUtf8;
    QTest::newRow("refused: cut short") << bytes.left(bytes.size() / 2) << "unreadable" << check
                                        << QStringLiteral("XML として読めません");
    QTest::newRow("other: not XML at all") << QByteArray("ID,性別\r\n1,男\r\n") << "other" << QString() << QString();
    QTest::newRow("other: binary") << QByteArray("%PDF-1.4\n\xE2\xE3\xCF\xD3") << "other" << QString() << QString();
    QTest::newRow("other: not XML's root")
        << QByteArray("<?xml version=\"1.0\"?><index/>") << "other" << QString() << QString();
}

void TestNational::checkupFile()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, kind);
    QFETCH(QString, heading);
    QFETCH(QString, contains);

    const Outcome outcome = outcomeOf(xml);
    QCOMPARE(outcome.kind, kind);
    if (kind == u"other")
        return;
    const QStringList headings = nationalListHeadings();
    QCOMPARE(outcome.cells.size(), headings.size());
    const qsizetype column = headings.indexOf(heading);
    QVERIFY2(column >= 0, qPrintable(heading));
    if (contains.isEmpty())
        QCOMPARE(outcome.cells[column], QString());
    else
        QVERIFY2(outcome.cells[column].contains(contains), qPrintable(outcome.cells[column]));
    // A file not judged keeps no result, no judged code and no 照合.
    if (kind != u"judged") {
        for (const char *result : {"メタボリックシンドローム", "保健指導レベル", "照合"})
            QCOMPARE(outcome.cells[headings.indexOf(QString::fromUtf8(result))], QString());
    }
}

void TestNational::valueShape_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("heading"); // of the list
    QTest::addColumn<QString>("cell");    // the whole cell, or for 確認 a part of it

    // Blood pressure decided by the diastolic value alone (85 for every
    // limit): with the lipids met, class 1 where it reaches 85, else 2.
    const XmlCheckup base = replaced(exampleCheckup(), systolic, {pq(systolic, "120", "mm[Hg]")});
    const auto value = [](const QString &code, const char *number, const char *unit, const char *bound = "") {
        XmlObservation o = pq(code, QString::fromLatin1(number), QString::fromUtf8(unit));
        o.bound = QString::fromLatin1(bound);
        return o;
    };
    const auto newRow = [](const char *name, const XmlCheckup &c, const char *kind, const char *heading,
                           const char *cell) {
        QTest::newRow(name) << checkupXml(c) << QString::fromLatin1(kind) << QString::fromUtf8(heading)
                            << QString::fromUtf8(cell);
    };
    const auto row = [&](const char *name, const XmlObservation &o, const char *kind, const char *heading,
                         const char *cell) { newRow(name, replaced(base, o.code, {o}), kind, heading, cell); };
    const char *classCode = "メタボリックシンドローム判定コード";

    row("H over the limit: said", value(diastolic, "150", "mm[Hg]", "H"), "judged", "確認",
        "最低血圧は \"150 以上\" として判定しました");
    row("H at the limit: meets it", value(diastolic, "85", "mm[Hg]", "H"), "judged", classCode, "1");
    row("L at the limit: below it", value(diastolic, "85", "mm[Hg]", "L"), "judged", classCode, "2");
    row("L at the limit: shown", value(diastolic, "85", "mm[Hg]", "L"), "judged", "最低血圧", "85 未満");
    row("H under the limit: not judged", value(diastolic, "80", "mm[Hg]", "H"), "not judged", "確認",
        "9A765000000000001 (最低血圧): \"80 以上\" では判定できません (基準 85 のどちら側か決まりません)");
    row("H on the height: not judged", value(height, "170.0", "cm", "H"), "not judged", "確認",
        "\"170.0 以上\" では判定できません (値そのものが要ります)");
    row("bound N not read", value(diastolic, "80", "mm[Hg]", "N"), "not judged", "確認",
        "境界のコード \"N\" は読めません (H、L だけです)");
    XmlCheckup female = replaced(base, waist, {value(waist, "86.0", "cm", "H")});
    female.sex = QStringLiteral("2");
    newRow("waist H under a woman's limit", female, "not judged", "確認", "基準 90 の");
    XmlObservation interpreted = value(diastolic, "80", "mm[Hg]");
    interpreted.afterValue = QStringLiteral("<interpretationCode code=\"H\" codeSystem=\"2.16.840.1.113883.5.83\"/>");
    row("interpretationCode: no value", interpreted, "judged", "最低血圧", "80");

    row("unit mmHg as mm[Hg]", value(diastolic, "90", "mmHg"), "judged", classCode, "1");
    row("unit mg/dl as mg/dL", value(hdl, "45", "mg/dl"), "judged", "HDL-CHO", "45");
    row("unit full-width ％ as %", value(hba1c, "5.5", "％"), "judged", "HbA1c", "5.5");
    row("unit not read: not shown", value(diastolic, "90", "mm Hg"), "not judged", "最低血圧", "");
    newRow("not judged: the one value shown before a reading",
           replaced(replaced(base, height, {value(height, "1.70", "m")}), diastolic,
                    {value(diastolic1, "70", "mm[Hg]"), value(diastolic, "80", "mm[Hg]")}),
           "not judged", "最低血圧", "80");
    newRow("not judged: the mean of two readings shown",
           replaced(replaced(base, height, {value(height, "1.70", "m")}), diastolic,
                    {value(diastolic1, "70", "mm[Hg]"), value(diastolic2, "81", "mm[Hg]")}),
           "not judged", "最低血圧", "76");
}

void TestNational::valueShape()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, kind);
    QFETCH(QString, heading);
    QFETCH(QString, cell);

    const Outcome outcome = outcomeOf(xml);
    QCOMPARE(outcome.kind, kind);
    const QString shown = outcome.cells[nationalListHeadings().indexOf(heading)];
    if (heading == u"確認")
        QVERIFY2(shown.contains(cell), qPrintable(shown));
    else
        QCOMPARE(shown, cell);
}

namespace {

// The file's row as kalvemo-judge writes it, by heading: the file judged in
// a folder beside the example, so that a file refused is a row as well.
QHash<QString, QString> judgedRow(const QByteArray &xml)
{
    QTemporaryDir dir;
    for (const auto &[name, bytes] :
         {std::pair{"h.xml", xml}, std::pair{"example.xml", checkupXml(exampleCheckup())}}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QProcess judge;
    judge.start(QStringLiteral(KALVEMO_JUDGE), {dir.path(), QStringLiteral("-o"), QStringLiteral("-")});
    judge.waitForFinished(60000);
    QByteArray list = judge.readAllStandardOutput();
    QBuffer buffer(&list);
    buffer.open(QIODevice::ReadOnly);
    DecodedText text(buffer, TextEncoding::Utf8WithBom);
    DelimitedReader reader(text);
    DelimitedRecord headings, cells;
    QHash<QString, QString> row;
    reader.read(headings);
    while (reader.read(cells) && !cells.cells.startsWith(QStringLiteral("h.xml"))) {
    }
    for (qsizetype i = 0; i < headings.cells.size() && i < cells.cells.size(); ++i)
        row.insert(headings.cells[i], cells.cells[i]);
    return row;
}

} // namespace

void TestNational::readAsWritten_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("cell"); // the whole cell, or for 確認 and the explanations a part of it

    // Nothing met but the waist: lipids by the triglycerides and HDL,
    // glucose by HbA1c, blood pressure by the diastolic value.
    const XmlCheckup base = replaced(replaced(exampleCheckup(), systolic, {pq(systolic, "120", "mm[Hg]")}),
                                     triglycerides, {pq(triglycerides, "100", "mg/dL")});
    const auto bounded = [](const QString &code, const char *number, const char *unit, const char *bound) {
        XmlObservation o = pq(code, QString::fromLatin1(number), QString::fromUtf8(unit));
        o.bound = QString::fromLatin1(bound);
        return o;
    };
    const auto value = [](const QString &code, const char *attributes) {
        return XmlObservation{code, {}, {}, {}, {}, QString::fromUtf8(attributes)};
    };
    const auto row = [&](const char *name, const XmlCheckup &c, const char *heading, const char *cell) {
        QTest::newRow(name) << checkupXml(c) << QString::fromUtf8(heading) << QString::fromUtf8(cell);
    };
    const auto one = [&](const char *name, const XmlObservation &o, const char *heading, const char *cell) {
        row(name, replaced(base, o.code, {o}), heading, cell);
    };
    const char *classCode = "メタボリックシンドローム判定コード", *levelCode = "保健指導レベルコード";

    // A bound settled digit by digit, whatever digits it is written with.
    one("bound: below 5.6000…, under HbA1c's limit", bounded(hba1c, "5.6000000000000000", "%", "L"), levelCode, "3");
    one("bound: explained as written", bounded(hdl, "40", "mg/dL", "L"), "保健指導レベルの説明",
        "HDL-CHO 40 未満 mg/dL < 40 mg/dL");
    one("bound: below 0 is no measurement", bounded(triglycerides, "0", "mg/dL", "L"), "確認",
        "\"0 未満\" では判定できません (0 以下は測った値ではありません)");

    // Every problem of a file at once.
    row("problems: each named",
        replaced(replaced(without(without(base, smoking), bloodPressureDrugs), height, {pq(height, "1.70", "m")}),
                 lipidDrugs, {cd(lipidDrugs, "3", drugSystem)}),
        "確認",
        "9N001000000000001 (身長): 単位 \"m\" は読みません (cm だけです) / 9N711000000000011 (脂質 薬剤治療): "
        "コード \"3\" (1.2.392.200119.6.2003) は読めません / 9N701000000000011 (血圧 薬剤治療): ありません / "
        "9N736000000000011 (喫煙): ありません");

    // The spellings the schema allows, and what else a value's type is.
    one("spelling: blanks around the number", value(diastolic, " xsi:type=\"PQ\" value=\" 90 \" unit=\"mm[Hg]\""),
        "最低血圧", "90");
    one("spelling: an exponent, as its plain number",
        value(diastolic, " xsi:type=\"PQ\" value=\"9.0E1\" unit=\"mm[Hg]\""), "最低血圧", "90");
    one("spelling: blanks around the unit", value(diastolic, " xsi:type=\"PQ\" value=\"90\" unit=\" mm[Hg] \""),
        classCode, "2");
    one("type: none", value(height, " value=\"170.0\" unit=\"cm\""), "確認", "値の型 (xsi:type) がありません");
    one("type: prefix not declared", value(height, " xsi:type=\"foo:PQ\" value=\"170.0\" unit=\"cm\""), "確認",
        "値の型 \"foo:PQ\" の接頭辞 foo が宣言されていません");

    // Attributes: as many as the reader takes (classCode and moodCode among
    // them), and one more.
    QString attributes;
    for (int i = 1; i < 62; ++i)
        attributes += QStringLiteral(" a%1=\"=>\"").arg(i);
    XmlObservation most = pq(waist, "88.0", "cm");
    most.attributes = attributes + QStringLiteral(" ID=\"w\"");
    one("attributes: 64 taken", most, "腹囲", "88.0");
    most.attributes += QStringLiteral(" a64=\"\"");
    one("attributes: 65 refused", most, "確認", "属性が 64 個を超える要素があります");

    // A row not judged, shown as a judged one is.
    XmlCheckup undated = base;
    undated.sex = QStringLiteral("2");
    undated.exam.clear();
    row("not judged: the sex in words", undated, "性別", "女性");
    row("not judged: no exam date", undated, "確認", "受診日: ありません");
}

void TestNational::readAsWritten()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, heading);
    QFETCH(QString, cell);

    const QHash<QString, QString> row = judgedRow(xml);
    QVERIFY2(row.contains(heading), qPrintable(heading));
    if (heading == u"確認" || heading.endsWith(u"の説明"))
        QVERIFY2(row[heading].contains(cell), qPrintable(row[heading]));
    else
        QCOMPARE(row[heading], cell);
}

namespace {

// A random examinee, written both ways: as a checkup file and as a row of a
// day's list under the desk's headings (the readings of blood pressure
// under their item codes, which the desk has no names for).
struct TwoWays {
    QByteArray xml;
    QStringList headings;
    QStringList cells;
};

QString decimal(QRandomGenerator &random, int low, int high, int decimals)
{
    const int scale = decimals == 0 ? 1 : 10;
    const int n = int(random.bounded(low * scale, high * scale + 1));
    return decimals == 0 ? QString::number(n) : QString::number(n / 10.0, 'f', 1);
}

TwoWays randomExaminee(QRandomGenerator &random)
{
    TwoWays two;
    XmlCheckup c = exampleCheckup(QString(), QString());
    c.observations.clear();
    const auto column = [&](const QString &heading, const QString &cell) {
        two.headings << heading;
        two.cells << cell;
    };
    // Born 1945 to 1990; examined in fiscal 2024.
    c.birth = QStringLiteral("%1%2%3")
                  .arg(random.bounded(1945, 1991))
                  .arg(random.bounded(1, 13), 2, 10, QChar(u'0'))
                  .arg(random.bounded(1, 29), 2, 10, QChar(u'0'));
    c.exam = QStringLiteral("2024%1%2")
                 .arg(random.bounded(4, 13), 2, 10, QChar(u'0'))
                 .arg(random.bounded(1, 29), 2, 10, QChar(u'0'));
    c.sex = random.bounded(2) ? QStringLiteral("2") : QStringLiteral("1");
    column(QStringLiteral("生年月日"), c.birth);
    column(QStringLiteral("受診日"), c.exam);
    column(QStringLiteral("性別"), c.sex == u"2" ? QStringLiteral("女") : QStringLiteral("男"));

    // Each measured item: mostly there, sometimes left out (a nullFlavor in
    // the file, an empty cell in the list), now and then unreadable alike.
    struct Measured {
        QString code, heading, unit;
        int low, high, decimals;
    };
    const Measured measured[] = {
        {height, QStringLiteral("身長"), QStringLiteral("cm"), 140, 190, 1},
        {weight, QStringLiteral("体重"), QStringLiteral("kg"), 40, 100, 1},
        {waist, QStringLiteral("腹囲"), QStringLiteral("cm"), 65, 110, 1},
        {triglycerides, QStringLiteral("中性脂肪"), QStringLiteral("mg/dL"), 50, 400, 0},
        {hdl, QStringLiteral("HDL-CHO"), QStringLiteral("mg/dL"), 30, 90, 0},
        {glucose, QStringLiteral("空腹時血糖"), QStringLiteral("mg/dL"), 80, 140, 0},
        {hba1c, QStringLiteral("HbA1c"), QStringLiteral("%"), 4, 8, 1},
    };
    for (const Measured &m : measured) {
        const auto roll = random.bounded(20);
        if (roll == 0) {
            XmlObservation none{m.code, {}, {}, {}};
            none.attributes = QStringLiteral(" nullFlavor=\"NI\"");
            c.observations << none;
            column(m.heading, QString());
            continue;
        }
        const QString value = roll == 1 ? QStringLiteral("1S0") : decimal(random, m.low, m.high, m.decimals);
        c.observations << pq(m.code, value, m.unit);
        column(m.heading, value);
    }
    // Blood pressure: one value, or the two readings.
    for (const auto &[only, first, second, low, high] : {std::tuple{systolic, systolic1, systolic2, 100, 170},
                                                         std::tuple{diastolic, diastolic1, diastolic2, 55, 110}}) {
        if (random.bounded(2)) {
            const QString value = decimal(random, low, high, 0);
            c.observations << pq(only, value, QStringLiteral("mm[Hg]"));
            column(only, value);
        } else {
            const QString a = decimal(random, low, high, 0), b = decimal(random, low, high, 0);
            c.observations << pq(first, a, QStringLiteral("mm[Hg]")) << pq(second, b, QStringLiteral("mm[Hg]"));
            column(first, a);
            column(second, b);
        }
    }
    // The choices, in the file's codes and in the desk's words.
    for (const auto &[code, heading] : {std::pair{bloodPressureDrugs, QStringLiteral("血圧 薬剤治療")},
                                        {lipidDrugs, QStringLiteral("脂質 薬剤治療")},
                                        {glucoseDrugs, QStringLiteral("血糖 薬剤治療")}}) {
        const bool yes = random.bounded(4) == 0;
        c.observations << cd(code, yes ? QStringLiteral("1") : QStringLiteral("2"), drugSystem);
        column(heading, yes ? QStringLiteral("あり") : QStringLiteral("なし"));
    }
    const auto smoked = random.bounded(1, 4);
    c.observations << cd(smoking, QString::number(smoked), smokingSystem);
    column(QStringLiteral("喫煙"), smoked == 1 ? QStringLiteral("はい") : QStringLiteral("いいえ"));
    two.xml = checkupXml(c);
    return two;
}

// The judged record, or "not judged".
QStringList recordOf(const std::optional<Examinee> &examinee)
{
    if (!examinee)
        return {QStringLiteral("not judged")};
    QStringList record;
    judgeExaminee(*examinee, [&record](const Judgement &judged) { record = judgedRecordRow(judged); });
    return record;
}

} // namespace

void TestNational::sameAsTheDaysList()
{
    QRandomGenerator random(31);
    int judged = 0;
    for (int i = 0; i < 400; ++i) {
        const TwoWays two = randomExaminee(random);
        const ReadDocument document = readCheckupDocument(two.xml);
        QVERIFY(std::holds_alternative<CheckupDocument>(document));
        const CheckupExaminee fromFile = examineeOfCheckup(std::get<CheckupDocument>(document));

        const auto fromRow = examineeOf(two.cells, two.headings, planColumns(two.headings), RowUse::Judged);
        const std::optional<Examinee> rowExaminee =
            std::holds_alternative<Examinee>(fromRow) ? std::optional(std::get<Examinee>(fromRow)) : std::nullopt;
        QCOMPARE(recordOf(fromFile.examinee), recordOf(rowExaminee));
        judged += fromFile.examinee.has_value();
    }
    // Most were judged, so the records were compared, not only refusals.
    QVERIFY2(judged > 200, qPrintable(QString::number(judged)));
}

void TestNational::indexCount_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<qint64>("count"); // -1: not read
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<index xmlns=\"https://www.mhlw.go.jp/stf/seisakunitsuite/bunya/0000161103.html\">";
    QTest::newRow("count") << head + "<creationTime value=\"20250401\"/><totalRecordCount value=\"120\"/></index>"
                           << qint64(120);
    QTest::newRow("count, with a byte order mark")
        << "\xEF\xBB\xBF" + head + "<totalRecordCount value=\"7\"/></index>" << qint64(7);
    QTest::newRow("no count") << head + "<creationTime value=\"20250401\"/></index>" << qint64(-1);
    QTest::newRow("count not a number") << head + "<totalRecordCount value=\"x1\"/></index>" << qint64(-1);
    QTest::newRow("count of another namespace")
        << QByteArray("<index xmlns=\"urn:other\"><totalRecordCount value=\"3\"/></index>") << qint64(-1);
    QTest::newRow("DOCTYPE refused") << QByteArray("<!DOCTYPE index>") + head.mid(head.indexOf('\n') + 1)
                                            + "<totalRecordCount value=\"3\"/></index>"
                                     << qint64(-1);
}

void TestNational::indexCount()
{
    QFETCH(QByteArray, xml);
    QFETCH(qint64, count);
    const auto read = indexRecordCount(xml);
    if (count < 0)
        QVERIFY(std::holds_alternative<QString>(read));
    else
        QCOMPARE(std::get<qint64>(read), count);
}

void TestNational::indexRefused_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("why");
    const QByteArray index = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<index xmlns=\"https://www.mhlw.go.jp/stf/seisakunitsuite/bunya/0000161103.html\">"
                             "<creationTime value=\"20250401\"/><totalRecordCount value=\"120\"/></index>";
    const QString notUtf8 = QStringLiteral("UTF-8 として読めない");
    QTest::newRow("bytes not UTF-8") << QByteArray(index).replace("20250401", "\x83\x50") << notUtf8;
    QTest::newRow("two byte order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") + index << notUtf8;
    QTest::newRow("Shift_JIS declared") << QByteArray(index).replace("UTF-8", "Shift_JIS")
                                        << QStringLiteral("文字コード Shift_JIS のファイルは読みません");
}

void TestNational::indexRefused()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, why);
    const auto read = indexRecordCount(xml);
    QVERIFY(std::holds_alternative<QString>(read));
    QVERIFY2(std::get<QString>(read).contains(why), qPrintable(std::get<QString>(read)));
}

void TestNational::schemaValid()
{
    // The ministry's schema beside the sources, as the project keeps it.
    const QString schema = QStringLiteral(KALVEMO_SOURCE_DIR "/../shared/national-xml/XSD/hc08_V08.xsd");
    if (!QFile::exists(schema))
        QSKIP("The ministry's schema is not beside the sources (../shared/national-xml/XSD): not checked");
    if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        QSKIP("xmllint (libxml2-utils) is not installed: not checked");
    XmlCheckup ticketed = exampleCheckup();
    ticketed.ticket = QStringLiteral("25000123456");
    XmlCheckup readings = replaced(exampleCheckup(), systolic,
                                   {pq(systolic1, QStringLiteral("131"), QStringLiteral("mm[Hg]")),
                                    pq(systolic2, QStringLiteral("134"), QStringLiteral("mm[Hg]"))});
    XmlObservation nullObservation = pq(waist, QStringLiteral("88.0"), QStringLiteral("cm"));
    nullObservation.attributes = QStringLiteral(" nullFlavor=\"NI\"");
    QRandomGenerator random(7);
    const QList<QByteArray> samples = {checkupXml(exampleCheckup()),
                                       checkupXml(ticketed),
                                       checkupXml(readings),
                                       checkupXml(replaced(exampleCheckup(), waist, {nullObservation})),
                                       checkupXml(replaced(exampleCheckup(), waist, {nestedWaist(3)})),
                                       randomExaminee(random).xml,
                                       randomExaminee(random).xml};
    QTemporaryDir dir;
    QStringList files;
    for (const QByteArray &sample : samples) {
        files << dir.filePath(QStringLiteral("h%1.xml").arg(files.size()));
        QFile file(files.last());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sample);
    }
    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"),
                  QStringList{QStringLiteral("--noout"), QStringLiteral("--schema"), schema} + files);
    QVERIFY(xmllint.waitForFinished(60000));
    QVERIFY2(xmllint.exitCode() == 0, xmllint.readAllStandardError().constData());
}

QTEST_GUILESS_MAIN(TestNational)
#include "tst_national.moc"
