#include "indicator_states.h"
#include "judgement/explanation_text.h"
#include "judgement/judged_record.h"
#include "judgement/record_row.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(AgeBand)
Q_DECLARE_METATYPE(EntrySnapshot)

namespace {

const QString kStep1 = QStringLiteral("Step1を入力してください");
const QString kStep2 = QStringLiteral("Step2を入力してください");

// A complete examinee with every value below its limit: no prompt, and no
// value that would itself give a reason.
const EntrySnapshot kUnremarkable{"170", "65", "80", "22.5", "120", "70", "100", "50", "90", "5.0", false};

const char *const kCriterionNames[] = {"血圧", "脂質", "血糖"};

// The names listed after "heading: " on the line that starts with it, each
// without its parenthesised reasons.
QSet<QString> namesOnLine(const QString &text, const QString &heading)
{
    for (const QString &line : text.split(u'\n')) {
        if (!line.startsWith(heading))
            continue;
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon < 0)
            return {};
        QString names = line.mid(colon + 2);
        names.remove(QRegularExpression(QStringLiteral(" \\([^)]*\\)")));
        const QStringList list = names.split(QStringLiteral("、"));
        return QSet<QString>(list.begin(), list.end());
    }
    return {};
}

ClassRule expectedClassRule(int waistClass, int criteriaMet)
{
    if (waistClass != 1)
        return ClassRule::WaistBelowLimit;
    return criteriaMet >= 2   ? ClassRule::WaistAndTwoOrMore
           : criteriaMet == 1 ? ClassRule::WaistAndOneCriterion
                              : ClassRule::WaistAndNoCriterion;
}

// Drug treatment first, whatever else holds; then the body size; then the
// count, with intensive support from 2 risks beside the waist and from 3
// beside a BMI alone, and never for 65 to 74.
GuidanceRule expectedGuidanceRule(const IndicatorState &s)
{
    if (s.anyDrug)
        return GuidanceRule::DrugTreatment;
    if (s.waistClass == 0)
        return GuidanceRule::NeitherWaistNorBmi;
    if (s.riskCount == 0)
        return GuidanceRule::NoRisk;
    if (s.riskCount < (s.waistClass == 1 ? 2 : 3))
        return GuidanceRule::BelowIntensive;
    return s.band == AgeBand::From40To64 ? GuidanceRule::Intensive : GuidanceRule::OlderBandInPlaceOfIntensive;
}

BodySize expectedBodySize(int waistClass)
{
    return waistClass == 1 ? BodySize::Waist : waistClass == 2 ? BodySize::BmiOnly : BodySize::Neither;
}

} // namespace

Q_DECLARE_METATYPE(IndicatorState)

class TestExplanation : public QObject {
    Q_OBJECT
private slots:
    void everyIndicatorState_data();
    void everyIndicatorState();
    void everyPromptCombination_data();
    void everyPromptCombination();
    void recordRow_data();
    void recordRow();
};

void TestExplanation::everyIndicatorState_data()
{
    QTest::addColumn<IndicatorState>("state");
    forEachIndicatorState([](const IndicatorState &s) { QTest::newRow(qPrintable(s.name)) << s; });
}

// Over every indicator state of both bands, without a prompt: the
// explanation names the waist/BMI class held, the criteria met and the risks
// counted that the indicators hold, and the rule it names gives the caption
// that the decision wrote.
void TestExplanation::everyIndicatorState()
{
    QFETCH(IndicatorState, state);
    const IndicatorState &s = state;

    const Judgement judged = explainedJudgement(s.indicators, kUnremarkable, ChoiceSnapshot{}, s.band);
    const auto *classWhy = std::get_if<ClassExplanation>(&judged.syndromeClassWhy);
    const auto *guidanceWhy = std::get_if<GuidanceExplanation>(&judged.guidanceWhy);
    QVERIFY(classWhy && guidanceWhy);
    QVERIFY(judged.results.syndromeClass && judged.results.guidance);
    const QString &classShown = *judged.results.syndromeClass;
    const QString &guidanceShown = *judged.results.guidance;

    QCOMPARE(classWhy->bodySize.size, expectedBodySize(s.waistClass));
    QCOMPARE(guidanceWhy->bodySize.size, expectedBodySize(s.waistClass));
    QCOMPARE(classWhy->rule, expectedClassRule(s.waistClass, s.criteriaMet));
    QCOMPARE(captionOf(classWhy->rule), classShown);
    QCOMPARE(guidanceWhy->rule, expectedGuidanceRule(s));
    QCOMPARE(captionOf(guidanceWhy->rule), guidanceShown);
    QCOMPARE(guidanceWhy->riskCount(), s.riskCount);
    QCOMPARE(guidanceWhy->smoking.counted, s.smokingCounted);

    // The same, read from the text the window shows.
    const QString classText = explanationText(judged.syndromeClassWhy);
    const QString guidanceText = explanationText(judged.guidanceWhy);
    QVERIFY2(classText.endsWith(QStringLiteral("→ ") + classShown), qPrintable(classText));
    QVERIFY2(guidanceText.endsWith(QStringLiteral("→ ") + guidanceShown), qPrintable(guidanceText));
    QSet<QString> risksNamed, metExpected;
    for (int k = 0; k < 3; ++k) {
        if (s.risks[k])
            risksNamed << QString::fromUtf8(kCriterionNames[k]);
        if (s.criteriaMetEach[k])
            metExpected << QString::fromUtf8(kCriterionNames[k]);
    }
    if (s.smokingCounted)
        risksNamed << QStringLiteral("喫煙");
    QVERIFY2(guidanceText.contains(QStringLiteral("追加リスク %1").arg(s.riskCount)), qPrintable(guidanceText));
    QCOMPARE(namesOnLine(guidanceText, QStringLiteral("追加リスク")), risksNamed);
    // The criteria count only beside the waist, and only then are named.
    const QSet<QString> metNamed = namesOnLine(classText, QStringLiteral("該当: "));
    QCOMPARE(metNamed, s.waistClass == 1 ? metExpected : QSet<QString>());
}

// Step1 entries in every combination of empty, reading 0 and filled (the BMI
// display empty or shown); inside, every Step2 combination of empty and "0",
// a value that is there although it reads as nothing.
void TestExplanation::everyPromptCombination_data()
{
    QTest::addColumn<AgeBand>("band");
    QTest::addColumn<QStringList>("step1"); // height, weight, BMI, waist

    const QStringList heights{"", "0", "170"}, weights{"", "0", "65"}, bmis{"", "22.5"}, waists{"", "0", "90"};
    for (AgeBand band : {AgeBand::From40To64, AgeBand::From65To74})
        for (const QString &height : heights)
            for (const QString &weight : weights)
                for (const QString &bmi : bmis)
                    for (const QString &waist : waists) {
                        const QStringList step1{height, weight, bmi, waist};
                        QTest::newRow(qPrintable(QStringLiteral("%1 [%2]").arg(
                            band == AgeBand::From40To64 ? "40-64" : "65-74", step1.join(u','))))
                            << band << step1;
                    }
}

void TestExplanation::everyPromptCombination()
{
    QFETCH(AgeBand, band);
    QFETCH(QStringList, step1);

    for (int combination = 0; combination < 64; ++combination) {
        EntrySnapshot e{step1[0], step1[1], step1[3], step1[2], {}, {}, {}, {}, {}, {}, false};
        QString *step2[] = {&e.systolic, &e.diastolic, &e.triglycerides, &e.hdl, &e.fastingGlucose, &e.hba1c};
        for (int k = 0; k < 6; ++k)
            *step2[k] = combination & (1 << k) ? QStringLiteral("0") : QString();

        // What the checks ask for, label by label.
        const bool older = band == AgeBand::From65To74;
        QSet<Entry> step1Missing[2], step2Missing;
        for (const Entry entry : {Entry::Height, Entry::Weight, Entry::Bmi, Entry::Waist}) {
            const QString &text = entryText(e, entry);
            if (text.isEmpty()) {
                step1Missing[0] << entry;
                step1Missing[1] << entry;
            } else if (older && entry != Entry::Bmi && text == "0") {
                step1Missing[1] << entry; // the guidance asks for height, weight and waist
                if (entry == Entry::Waist)
                    step1Missing[0] << entry; // the class only for the waist
            }
        }
        for (const Entry entry : {Entry::Systolic, Entry::Diastolic, Entry::Triglycerides, Entry::Hdl})
            if (entryText(e, entry).isEmpty())
                step2Missing << entry;
        if (e.fastingGlucose.isEmpty() && e.hba1c.isEmpty())
            step2Missing << Entry::FastingGlucose << Entry::Hba1c;

        const Judgement judged = explainedJudgement(IndicatorSnapshot{}, e, ChoiceSnapshot{}, band);
        const std::optional<QString> shown[2] = {judged.results.syndromeClass, judged.results.guidance};
        const QString texts[2] = {explanationText(judged.syndromeClassWhy), explanationText(judged.guidanceWhy)};
        const PromptExplanation *prompts[2] = {std::get_if<PromptExplanation>(&judged.syndromeClassWhy),
                                               std::get_if<PromptExplanation>(&judged.guidanceWhy)};
        for (int label = 0; label < 2; ++label) {
            const QSet<Entry> expected = step1Missing[label] + step2Missing;
            const QString context = QStringLiteral("%1 label %2\n%3")
                                        .arg(e.systolic + "," + e.diastolic + "," + e.triglycerides + "," + e.hdl + ","
                                             + e.fastingGlucose + "," + e.hba1c)
                                        .arg(label)
                                        .arg(texts[label]);
            const QString expectedPrompt = !step1Missing[label].isEmpty() ? kStep1
                                           : !step2Missing.isEmpty()      ? kStep2
                                                                          : QString();
            QVERIFY2(shown[label], qPrintable(context));
            if (expectedPrompt.isEmpty()) {
                QVERIFY2(!prompts[label] && *shown[label] != kStep1 && *shown[label] != kStep2, qPrintable(context));
                continue;
            }
            QCOMPARE(*shown[label], expectedPrompt);
            QVERIFY2(prompts[label], qPrintable(context));
            QSet<Entry> named;
            for (const MissingEntry &missing : prompts[label]->missing) {
                named << missing.entry;
                const bool readsZero = !entryText(e, missing.entry).isEmpty();
                QCOMPARE(missing.lack, readsZero ? Lack::ReadsZero : Lack::Empty);
            }
            QVERIFY2(named == expected, qPrintable(context));
            QCOMPARE(qsizetype(prompts[label]->missing.size()), qsizetype(expected.size()));
            // The text names exactly those entries.
            for (const Entry entry : kAllEntries)
                QVERIFY2(texts[label].contains(entryName(entry)) == expected.contains(entry), qPrintable(context));
        }
    }
}

void TestExplanation::recordRow_data()
{
    QTest::addColumn<AgeBand>("band");
    QTest::addColumn<EntrySnapshot>("entries");
    QTest::addColumn<bool>("allChosen"); // drugs for all three, smoker
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("40-64 man, nothing chosen")
        << AgeBand::From40To64 << EntrySnapshot{"170", "70", "95", "24.2", "142", "87", "160", "38", "93", "5.2", false}
        << false << QStringList{"40歳～64歳", "男性", "170", "70",   "24.2", "95",   "142",  "87",    "160",
                                "38",         "93",   "5.2", "なし", "なし", "なし", "なし", "class", "guidance"};
    QTest::newRow("65-74 woman, all chosen, pasted tab and line feed")
        << AgeBand::From65To74
        << EntrySnapshot{"15\t8", "6\n2", "88", "24.8", "1\r\n30", "80", "", "45", "", "6.1", true} << true
        << QStringList{"65歳～74歳", "女性", "158", "62",   "24.8", "88",   "130",  "80",    "",
                       "45",         "",     "6.1", "あり", "あり", "あり", "あり", "class", "guidance"};
}

void TestExplanation::recordRow()
{
    QFETCH(AgeBand, band);
    QFETCH(EntrySnapshot, entries);
    QFETCH(bool, allChosen);
    QFETCH(QStringList, expected);

    const QStringList headings = judgedRecordHeadings();
    QCOMPARE(headings, (QStringList{"年齢区分", "性別", "身長", "体重", "BMI", "腹囲", "最高血圧", "最低血圧",
                                    "中性脂肪", "HDL-CHO", "空腹時血糖", "HbA1c", "血圧 薬剤治療", "脂質 薬剤治療",
                                    "血糖 薬剤治療", "喫煙", "メタボリックシンドローム", "保健指導レベル"}));
    const ChoiceSnapshot choices{allChosen, allChosen, allChosen, allChosen};
    const QStringList row = judgedRecordRow(entries, choices, band, "class", "guidance");
    QCOMPARE(row, expected);
    QCOMPARE(tabSeparatedLine(row).split(u'\t').size(), headings.size());
}

QTEST_APPLESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
