#include "indicator_states.h"
#include "judgement/decision.h"
#include "judgement/result_texts.h"

#include <QTest>

Q_DECLARE_METATYPE(IndicatorState)

namespace {

const QString kMeets = QStringLiteral("１ 基準該当");
const QString kPre = QStringLiteral("２ 予備群該当");
const QString kNotMet = QStringLiteral("３ 非該当");
const QString kIntensive = QStringLiteral("１ 積極的支援");
const QString kMotivational = QStringLiteral("２ 動機付け支援");
const QString kInfoOnly = QStringLiteral("３ なし(情報提供レベル)");
const QString kNone = QStringLiteral("３ なし");

// The outcome tables of the checkup rule, stated per class and count rather
// than row by row: the syndrome needs the waist, and then two criteria for
// the full class or one for the pre-syndrome group.
QString expectedClass(int waistClass, int criteriaMet)
{
    if (waistClass != 1 || criteriaMet == 0)
        return kNotMet;
    return criteriaMet == 1 ? kPre : kMeets;
}

// Drug treatment leaves guidance to the physician. The BMI-only class needs
// one risk more than the waist class for intensive support, which the older
// band never receives.
QString expectedGuidance(AgeBand band, int waistClass, bool anyDrug, int riskCount)
{
    if (anyDrug || waistClass == 0)
        return kNone;
    if (riskCount == 0)
        return kInfoOnly;
    const int intensiveFrom = waistClass == 1 ? 2 : 3;
    return band == AgeBand::From40To64 && riskCount >= intensiveFrom ? kIntensive : kMotivational;
}

BodySize expectedBodySize(int waistClass)
{
    return waistClass == 1 ? BodySize::Waist : waistClass == 2 ? BodySize::BmiOnly : BodySize::Neither;
}

} // namespace

class TestDecision : public QObject {
    Q_OBJECT
private slots:
    void everyCombination_data();
    void everyCombination();
    void namedCases_data();
    void namedCases();
};

// Every state the entry handlers leave behind: a class, per criterion a value
// flag and a drug flag with their sum as count, the three guidance risks, and
// smoking only beside another risk.
void TestDecision::everyCombination_data()
{
    QTest::addColumn<IndicatorState>("state");
    forEachIndicatorState([](const IndicatorState &state) { QTest::newRow(qPrintable(state.name)) << state; });
}

void TestDecision::everyCombination()
{
    QFETCH(IndicatorState, state);
    const IndicatorState &s = state;

    const Decision decided = decide(s.indicators, s.band);
    QCOMPARE(captionOf(decided.classRule), expectedClass(s.waistClass, s.criteriaMet));
    QCOMPARE(captionOf(decided.guidanceRule), expectedGuidance(s.band, s.waistClass, s.anyDrug, s.riskCount));
    // The findings that the explanation puts into words.
    QCOMPARE(decided.bodySize, expectedBodySize(s.waistClass));
    QCOMPARE(decided.criteriaMet, s.criteriaMet);
    QCOMPARE(decided.riskCount, s.riskCount);
    QCOMPARE(decided.smokingCounted, s.smokingCounted);
    for (std::size_t k = 0; k < decided.criteria.size(); ++k) {
        QCOMPARE(decided.criteria[k].met, s.criteriaMetEach[k]);
        QCOMPARE(decided.criteria[k].risk, s.risks[k]);
    }
}

void TestDecision::namedCases_data()
{
    // Indicators written as "label=value"; the rest keep their design caption.
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("class40");
    QTest::addColumn<QString>("guidance40");
    QTest::addColumn<QString>("guidance65");

    QTest::newRow("nothing entered") << "" << kNotMet << kNone << kNone;
    QTest::newRow("class 1, blood-pressure drug only") << "29=1 44=1 47=1" << kPre << kNone << kNone;
    QTest::newRow("class 1, pressure and glucose risks") << "29=1 4=1 7=1" << kNotMet << kIntensive << kMotivational;
    QTest::newRow("class 1, one risk and smoking") << "29=1 10=1 39=1 46=1 13=1" << kPre << kIntensive << kMotivational;
    QTest::newRow("class 1, smoker without another risk") << "29=1 13=0" << kNotMet << kInfoOnly << kInfoOnly;
    QTest::newRow("class 2, risk count 3") << "29=2 4=1 7=1 10=1" << kNotMet << kIntensive << kMotivational;
    QTest::newRow("class 0, everything high")
        << "29=0 4=1 40=1 47=1 7=1 38=1 45=1 10=1 39=1 46=1 13=1" << kNotMet << kNone << kNone;
    QTest::newRow("drug forces no guidance at risk count 4")
        << "29=1 4=1 7=1 10=1 13=1 42=1 45=1" << kPre << kNone << kNone;
}

void TestDecision::namedCases()
{
    QFETCH(QString, setup);
    QFETCH(QString, class40);
    QFETCH(QString, guidance40);
    QFETCH(QString, guidance65);

    IndicatorStore store;
    for (const QString &item : setup.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u'=');
        std::size_t i = 0;
        while (i < kIndicatorCount && indicatorName(Indicator(i)) != "Label" + parts[0])
            ++i;
        QVERIFY2(i < kIndicatorCount, qPrintable(item));
        store.write(Indicator(i), parts[1].toInt());
    }
    const Decision younger = decide(IndicatorSnapshot::of(store), AgeBand::From40To64);
    const Decision older = decide(IndicatorSnapshot::of(store), AgeBand::From65To74);
    QCOMPARE(captionOf(younger.classRule), class40);
    QCOMPARE(captionOf(older.classRule), class40);
    QCOMPARE(captionOf(younger.guidanceRule), guidance40);
    QCOMPARE(captionOf(older.guidanceRule), guidance65);
}

QTEST_APPLESS_MAIN(TestDecision)
#include "tst_decision.moc"
