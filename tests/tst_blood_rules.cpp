#include "entry/blood_values.h"
#include "entry/risk_tally.h"
#include "state/numeric_value.h"

#include <QTest>

#include <optional>

namespace {

enum Rule { BloodPressure, Lipids, GlucoseGuidance, GlucoseSyndrome };

bool applies(Rule rule, double first, double second)
{
    switch (rule) {
    case BloodPressure: return bloodPressureRisk(first, second);
    case Lipids: return lipidRisk(first, second);
    case GlucoseGuidance: return glucoseGuidanceRisk(first, second);
    case GlucoseSyndrome: return glucoseSyndromeFlag(first, second);
    }
    return false;
}

// -1 in a table stands for "writes nothing".
int orNone(std::optional<int> value) { return value.value_or(-1); }

} // namespace

class TestBloodRules : public QObject {
    Q_OBJECT
private slots:
    void flags_data();
    void flags();
    void smokingRisk_data();
    void smokingRisk();
};

void TestBloodRules::flags_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<bool>("expected");

    // Systolic, diastolic.
    QTest::newRow("systolic 130") << int(BloodPressure) << 130.0 << 0.0 << true;
    QTest::newRow("systolic 129.9 diastolic 84.9") << int(BloodPressure) << 129.9 << 84.9 << false;
    QTest::newRow("diastolic 85") << int(BloodPressure) << 0.0 << 85.0 << true;
    QTest::newRow("systolic 140 any diastolic") << int(BloodPressure) << 140.0 << 60.0 << true;
    // Triglycerides, HDL.
    QTest::newRow("triglycerides 150 HDL empty") << int(Lipids) << 150.0 << 0.0 << true;
    QTest::newRow("triglycerides 149.9 HDL 40") << int(Lipids) << 149.9 << 40.0 << false;
    QTest::newRow("HDL 39.9") << int(Lipids) << 0.0 << 39.9 << true;
    QTest::newRow("HDL exactly 0") << int(Lipids) << 149.0 << 0.0 << false;
    QTest::newRow("HDL negative zero") << int(Lipids) << 0.0 << -0.0 << false;
    QTest::newRow("HDL negative") << int(Lipids) << 0.0 << -1.0 << true;
    // Fasting glucose, HbA1c: guidance thresholds.
    QTest::newRow("guidance glucose 100") << int(GlucoseGuidance) << 100.0 << 0.0 << true;
    QTest::newRow("guidance glucose 99.9") << int(GlucoseGuidance) << 99.9 << 0.0 << false;
    QTest::newRow("guidance HbA1c typed 5.6") << int(GlucoseGuidance) << 0.0 << NumericValue(u"5.6") << true;
    QTest::newRow("guidance HbA1c 5.59") << int(GlucoseGuidance) << 0.0 << 5.59 << false;
    // Fasting glucose, HbA1c: syndrome thresholds.
    QTest::newRow("syndrome glucose 110") << int(GlucoseSyndrome) << 110.0 << 0.0 << true;
    QTest::newRow("syndrome glucose 109.9") << int(GlucoseSyndrome) << 109.9 << 0.0 << false;
    QTest::newRow("syndrome HbA1c 6.0") << int(GlucoseSyndrome) << 0.0 << 6.0 << true;
    QTest::newRow("syndrome HbA1c 5.99") << int(GlucoseSyndrome) << 0.0 << 5.99 << false;
    QTest::newRow("syndrome not at guidance levels") << int(GlucoseSyndrome) << 100.0 << 5.6 << false;
}

void TestBloodRules::flags()
{
    QFETCH(int, rule);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(bool, expected);
    QCOMPARE(applies(Rule(rule), first, second), expected);
}

void TestBloodRules::smokingRisk_data()
{
    QTest::addColumn<double>("bloodPressure");
    QTest::addColumn<double>("glucose");
    QTest::addColumn<double>("lipids");
    QTest::addColumn<bool>("smoker");
    QTest::addColumn<int>("afterRiskChange");
    QTest::addColumn<int>("onChoosingSmoker");

    QTest::newRow("non-smoker without risks") << 0.0 << 0.0 << 0.0 << false << -1 << 0;
    QTest::newRow("non-smoker with all risks") << 1.0 << 1.0 << 1.0 << false << -1 << 1;
    QTest::newRow("smoker without risks") << 0.0 << 0.0 << 0.0 << true << 0 << 0;
    QTest::newRow("smoker with blood pressure") << 1.0 << 0.0 << 0.0 << true << 1 << 1;
    QTest::newRow("smoker with glucose") << 0.0 << 1.0 << 0.0 << true << 1 << 1;
    QTest::newRow("smoker with lipids") << 0.0 << 0.0 << 1.0 << true << 1 << 1;
    QTest::newRow("smoker with all three") << 1.0 << 1.0 << 1.0 << true << 1 << 1;
}

void TestBloodRules::smokingRisk()
{
    QFETCH(double, bloodPressure);
    QFETCH(double, glucose);
    QFETCH(double, lipids);
    QFETCH(bool, smoker);
    QFETCH(int, afterRiskChange);
    QFETCH(int, onChoosingSmoker);

    QCOMPARE(orNone(smokingRiskAfterRiskChange(bloodPressure, glucose, lipids, smoker)), afterRiskChange);
    QCOMPARE(smokingRiskOnChoosingSmoker(bloodPressure, glucose, lipids), onChoosingSmoker);
}

QTEST_APPLESS_MAIN(TestBloodRules)
#include "tst_blood_rules.moc"
