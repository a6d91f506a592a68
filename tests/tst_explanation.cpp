#include "entry_texts.h"
#include "indicator_states.h"
#include "words/desk_names.h"
#include "words/explanation.h"
#include "words/judged_record.h"
#include "words/record_row.h"
#include "words/text_builder.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(AgeBand)
Q_DECLARE_METATYPE(EntrySnapshot)

namespace {

const QString kStep1 = QStringLiteral("Step1を入力してください");
const QString kStep2 = QStringLiteral("Step2を入力してください");

// The blood values the checks ask for, one bit each of a combination.
constexpr std::array kStep2Asked = {Entry::Systolic, Entry::Diastolic,      Entry::Triglycerides,
                                    Entry::Hdl,      Entry::FastingGlucose, Entry::Hba1c};

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
    void longTextKeptWhole_data();
    void longTextKeptWhole();
    void piecesKeptWhole_data();
    void piecesKeptWhole();
};

void TestExplanation::everyIndicatorState_data()
{
    QTest::addColumn<IndicatorState>("state");
    forEachIndicatorState([](const IndicatorState &s) { QTest::newRow(qPrintable(s.name)) << s; });
}

// Over every indicator state of both bands, without a prompt: the
// explanation names the criteria met and the risks counted that the
// indicators hold, and ends on the caption shown.
void TestExplanation::everyIndicatorState()
{
    QFETCH(IndicatorState, state);
    const IndicatorState &s = state;

    const Judgement judged = judge(s.indicators, kUnremarkable, EntryValues(kUnremarkable), ChoiceSnapshot{}, s.band);
    const QString classShown = judged.syndromeClassCaption();
    const QString guidanceShown = judged.guidanceCaption();
    const JudgementWords words = wordsFor(judged);
    const QString &classText = words.classExplanation;
    const QString &guidanceText = words.guidanceExplanation;
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
    const QString countWords =
        s.riskCount == 0 ? QStringLiteral("追加リスクなし") : QStringLiteral("追加リスク%1つ: ").arg(s.riskCount);
    QVERIFY2(guidanceText.contains(countWords), qPrintable(guidanceText));
    // Below the intensive count, the rule line names the counts it covers:
    // one risk beside the waist, one or two beside a BMI alone.
    const int intensiveFrom = s.waistClass == 1 ? 2 : 3;
    if (!s.anyDrug && s.waistClass != 0 && s.riskCount > 0 && s.riskCount < intensiveFrom) {
        const QString range =
            s.waistClass == 1 ? QStringLiteral("、追加リスク1つ → ") : QStringLiteral("、追加リスク1～2つ → ");
        QVERIFY2(guidanceText.contains(range), qPrintable(guidanceText));
    }
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
        EntrySnapshot e =
            entriesOf(QStringLiteral("身長=%1;体重=%2;BMI=%3;腹囲=%4").arg(step1[0], step1[1], step1[2], step1[3]));
        for (int k = 0; k < 6; ++k)
            entryText(e, kStep2Asked[k]) = combination & (1 << k) ? QStringLiteral("0") : QString();

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
        if (entryText(e, Entry::FastingGlucose).isEmpty() && entryText(e, Entry::Hba1c).isEmpty())
            step2Missing << Entry::FastingGlucose << Entry::Hba1c;

        const Judgement judged = judge(IndicatorSnapshot{}, e, EntryValues(e), ChoiceSnapshot{}, band);
        const QString shown[2] = {judged.syndromeClassCaption(), judged.guidanceCaption()};
        const JudgementWords words = wordsFor(judged);
        const QString texts[2] = {words.classExplanation, words.guidanceExplanation};
        const QList<MissingEntry> *missingIn[2] = {&judged.missingForClass, &judged.missingForGuidance};
        for (int label = 0; label < 2; ++label) {
            const QSet<Entry> expected = step1Missing[label] + step2Missing;
            const QString context =
                QStringLiteral("%1 label %2\n%3")
                    .arg(QStringList(e.texts.begin() + int(Entry::Systolic), e.texts.end()).join(u','))
                    .arg(label)
                    .arg(texts[label]);
            const QString expectedPrompt = !step1Missing[label].isEmpty() ? kStep1
                                           : !step2Missing.isEmpty()      ? kStep2
                                                                          : QString();
            if (expectedPrompt.isEmpty()) {
                QVERIFY2(missingIn[label]->isEmpty() && shown[label] != kStep1 && shown[label] != kStep2,
                         qPrintable(context));
                continue;
            }
            QCOMPARE(shown[label], expectedPrompt);
            QSet<Entry> named;
            for (const MissingEntry &missing : *missingIn[label]) {
                named << missing.entry;
                const bool readsZero = !entryText(e, missing.entry).isEmpty();
                QCOMPARE(missing.lack, readsZero ? Lack::ReadsZero : Lack::Empty);
            }
            QVERIFY2(named == expected, qPrintable(context));
            QCOMPARE(qsizetype(missingIn[label]->size()), qsizetype(expected.size()));
            // The text lists exactly those entries (an empty BMI display in
            // its own line), beside its notes in parentheses.
            const QStringList lines = texts[label].split(u'\n');
            QCOMPARE(lines.contains(QStringLiteral("BMI が計算されていません (身長・体重を確認)")),
                     expected.contains(Entry::Bmi));
            QString lists;
            for (const QString &line : lines)
                lists +=
                    line.section(QStringLiteral(": "), 1).remove(QRegularExpression(QStringLiteral(" \\([^)]*\\)")))
                    + u'、';
            for (const Entry entry : kAllEntries) {
                if (entry != Entry::Bmi)
                    QVERIFY2(lists.split(u'、').contains(entryName(entry)) == expected.contains(entry),
                             qPrintable(context));
            }
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
        << AgeBand::From40To64
        << entriesOf("身長=170;体重=70;BMI=24.2;腹囲=95;最高血圧=142;最低血圧=87;中性脂肪=160;HDL-CHO=38;"
                     "空腹時血糖=93;HbA1c=5.2")
        << false
        << QStringList{"40歳～64歳", "男性", "170",  "70",   "24.2", "95",        "142",     "87", "160", "38", "93",
                       "5.2",        "なし", "なし", "なし", "なし", "３ 非該当", "３ なし", "3",  "3",   ""};
    QTest::newRow("65-74 woman, all chosen, pasted tab and line feed")
        << AgeBand::From65To74
        << entriesOf("身長=15\t8;体重=6\n2;BMI=24.8;腹囲=88;最高血圧=1\r\n30;最低血圧=80;HDL-CHO=45;HbA1c=6.1", true)
        << true
        << QStringList{"65歳～74歳",
                       "女性",
                       "158",
                       "62",
                       "24.8",
                       "88",
                       "130",
                       "80",
                       "",
                       "45",
                       "",
                       "6.1",
                       "あり",
                       "あり",
                       "あり",
                       "あり",
                       kStep2,
                       kStep2,
                       "4",
                       "4",
                       "身長 \"158\" は 158 と読みました、体重 \"62\" は 62 と読みました、"
                       "最高血圧 \"130\" は 1 と読みました、最低血圧 80 mmHg が最高血圧 130 mmHg 以上"};
}

void TestExplanation::recordRow()
{
    QFETCH(AgeBand, band);
    QFETCH(EntrySnapshot, entries);
    QFETCH(bool, allChosen);
    QFETCH(QStringList, expected);

    const QStringList headings = judgedRecordHeadings();
    QCOMPARE(headings, (QStringList{"年齢区分",
                                    "性別",
                                    "身長",
                                    "体重",
                                    "BMI",
                                    "腹囲",
                                    "最高血圧",
                                    "最低血圧",
                                    "中性脂肪",
                                    "HDL-CHO",
                                    "空腹時血糖",
                                    "HbA1c",
                                    "血圧 薬剤治療",
                                    "脂質 薬剤治療",
                                    "血糖 薬剤治療",
                                    "喫煙",
                                    "メタボリックシンドローム",
                                    "保健指導レベル",
                                    "メタボリックシンドローム判定コード",
                                    "保健指導レベルコード",
                                    "確認"}));
    const ChoiceSnapshot choices{allChosen, allChosen, allChosen, allChosen};
    const QStringList row = judgedRecordRow(judge(IndicatorSnapshot{}, entries, EntryValues(entries), choices, band));
    QCOMPARE(row, expected);
    QCOMPARE(tabSeparatedLine(row).split(u'\t').size(), headings.size());
}

// A field can hold a text of any length (a paste), which the explanation
// repeats whole: it is written piece by piece into a buffer that must grow.
void TestExplanation::longTextKeptWhole_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("past the first room") << 600;
    QTest::newRow("many times over") << 20000;
}

void TestExplanation::longTextKeptWhole()
{
    QFETCH(int, length);
    // "160" and then ".1" again and again: kept as it stands, read as 160.1.
    const QString text = QStringLiteral("160") + QStringLiteral(".1").repeated(length / 2);
    EntrySnapshot entries = kUnremarkable;
    entryText(entries, Entry::Triglycerides) = text;
    const Judgement judged =
        judge(IndicatorSnapshot{}, entries, EntryValues(entries), ChoiceSnapshot{}, AgeBand::From40To64);
    const JudgementWords words = wordsFor(judged);
    for (const QString &explanation : {words.classExplanation, words.guidanceExplanation}) {
        QVERIFY(explanation.startsWith(QStringLiteral("確認: 中性脂肪 \"") + text
                                       + QStringLiteral("\" は 160.1 と読みました\n")));
        QVERIFY(explanation.endsWith(
            QStringLiteral(" → ")
            + (explanation == words.classExplanation ? judged.syndromeClassCaption() : judged.guidanceCaption())));
    }
}

// Short pieces are copied with moves of fixed sizes, from both ends of the
// piece: every length around those sizes, after text of each length below one.
void TestExplanation::piecesKeptWhole_data()
{
    QTest::addColumn<int>("length");
    for (const int length : {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 40})
        QTest::addRow("%d characters", length) << length;
}

void TestExplanation::piecesKeptWhole()
{
    QFETCH(int, length);
    QString piece;
    for (int i = 0; i < length; ++i)
        piece += QChar(u'a' + i % 26);
    for (int before = 0; before < 4; ++before) {
        const QString written = QString(before, u'>');
        TextBuilder text;
        text << written << piece << u'|';
        QCOMPARE(text.toString(), written + piece + u'|');
    }
}

QTEST_APPLESS_MAIN(TestExplanation)
#include "tst_explanation.moc"
