#include "entry/body_measurements.h"
#include "state/numeric_value.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

class TestBodyRules : public QObject {
    Q_OBJECT
private slots:
    void bodyMassIndex_data();
    void bodyMassIndex();
    void formatOneDecimal_data();
    void formatOneDecimal();
    void formatOneDecimalAsItsFifteenDigits_data();
    void formatOneDecimalAsItsFifteenDigits();
    void waistBmiClass_data();
    void waistBmiClass();
};

void TestBodyRules::bodyMassIndex_data()
{
    QTest::addColumn<double>("heightCm");
    QTest::addColumn<double>("weightKg");
    QTest::addColumn<bool>("computed");
    QTest::addColumn<double>("expected");

    QTest::newRow("160 cm 64 kg is 25") << 160.0 << 64.0 << true << 25.0;
    QTest::newRow("empty weight gives 0") << 170.0 << 0.0 << true << 0.0;
    QTest::newRow("negative weight") << 160.0 << -64.0 << true << -25.0;
    QTest::newRow("height 0") << 0.0 << 64.0 << false << 0.0;
    QTest::newRow("negative height") << -160.0 << 64.0 << false << 0.0;
    QTest::newRow("height square underflows") << 1e-200 << 64.0 << false << 0.0;
    QTest::newRow("weight overflows the quotient") << 0.001 << 1e308 << false << 0.0;
}

void TestBodyRules::bodyMassIndex()
{
    QFETCH(double, heightCm);
    QFETCH(double, weightKg);
    QFETCH(bool, computed);
    QFETCH(double, expected);

    const std::optional<double> bmi = ::bodyMassIndex(heightCm, weightKg);
    QCOMPARE(bmi.has_value(), computed);
    if (computed)
        QCOMPARE(*bmi, expected);
}

void TestBodyRules::formatOneDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("BMI of 170 cm 65 kg") << ::bodyMassIndex(170, 65).value_or(-1) << "22.5";
    QTest::newRow("22.4913") << 22.4913 << "22.5";
    QTest::newRow("whole number") << 25.0 << "25.0";
    QTest::newRow("zero") << 0.0 << "0.0";
    QTest::newRow("four integer digits") << 1234.56 << "1234.6";
    QTest::newRow("24.96 rounds up to 25") << 24.96 << "25.0";
    QTest::newRow("24.95 taken at 15 digits") << 24.95 << "25.0";
    QTest::newRow("24.94 rounds down") << 24.94 << "24.9";
    QTest::newRow("exact half away from zero") << 2.25 << "2.3";
    QTest::newRow("below one") << 0.05 << "0.1";
    QTest::newRow("tiny") << 0.00001 << "0.0";
    QTest::newRow("carry into new digit 10") << 9.96 << "10.0";
    QTest::newRow("carry into new digit 100") << 99.95 << "100.0";
    QTest::newRow("negative half") << -3.25 << "-3.3";
    QTest::newRow("1e20 written out") << 1e20 << "100000000000000000000.0";
}

void TestBodyRules::formatOneDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(::formatOneDecimal(value), expected);
}

namespace {

// The display's rule spelled out another way: printf's 15 significant
// digits, laid out in decimal, rounded half away from zero at the tenths.
QString fromFifteenDigits(double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    QString digits = QString::fromLatin1(buf, 1) + QString::fromLatin1(buf + 2, 14);
    // Pad so that the digits hold the integer part and two decimals.
    if (exponent < 0)
        digits.prepend(QString(-exponent, u'0'));
    const qsizetype point = std::max(exponent, 0) + 1;
    while (digits.size() < point + 2)
        digits += u'0';
    qint64 tenths = digits.left(point + 1).toLongLong() + (digits[point + 1] >= u'5' ? 1 : 0);
    return (value < 0 ? QStringLiteral("-") : QString()) + QString::number(tenths / 10) + u'.'
           + QString::number(tenths % 10);
}

} // namespace

// Most values are rounded without their digits being written; next to a
// half they must still round as their 15 digits do.
void TestBodyRules::formatOneDecimalAsItsFifteenDigits_data()
{
    QTest::addColumn<QList<double>>("values");
    QList<double> nearHalves, random;
    for (int tenths = 0; tenths < 6000; ++tenths) {
        const double half = (tenths + 0.5) / 10;
        nearHalves << half << std::nextafter(half, 0.0) << std::nextafter(half, 1e9) << half - 1e-7 << half + 1e-7
                   << half - 1e-12 << -half;
    }
    QRandomGenerator generator(11);
    for (int i = 0; i < 20000; ++i)
        random << generator.bounded(12000.0) - 1000.0
               << ::bodyMassIndex(100 + generator.bounded(120.0), generator.bounded(200.0)).value_or(0);
    QTest::newRow("at and next to every half up to 600") << nearHalves;
    QTest::newRow("random values and BMIs") << random;
}

void TestBodyRules::formatOneDecimalAsItsFifteenDigits()
{
    QFETCH(QList<double>, values);
    for (const double value : values) {
        const QString shown = ::formatOneDecimal(value), expected = fromFifteenDigits(value);
        if (shown != expected)
            QFAIL(qPrintable(QStringLiteral("%1 shown %2, not %3").arg(value, 0, 'g', 17).arg(shown, expected)));
    }
}

void TestBodyRules::waistBmiClass_data()
{
    QTest::addColumn<bool>("female");
    QTest::addColumn<double>("waistCm");
    QTest::addColumn<QString>("bmiShown");
    QTest::addColumn<int>("expected");

    QTest::newRow("male waist 85") << false << 85.0 << "" << 1;
    QTest::newRow("male waist 85 with BMI 25") << false << 85.0 << "25.0" << 1;
    QTest::newRow("male waist 84.9 BMI 25.0") << false << 84.9 << "25.0" << 2;
    QTest::newRow("male waist 84.9 BMI 24.9") << false << 84.9 << "24.9" << 0;
    QTest::newRow("male BMI 24.96 shown as 25.0") << false << 80.0 << ::formatOneDecimal(24.96) << 2;
    QTest::newRow("male nothing entered") << false << 0.0 << "" << 0;
    QTest::newRow("female waist 90") << true << 90.0 << "" << 1;
    QTest::newRow("female waist 89.9 BMI 25.0") << true << 89.9 << "25.0" << 2;
    QTest::newRow("female waist 89.9 BMI 24.9") << true << 89.9 << "24.9" << 0;
    QTest::newRow("female waist 85 is below her limit") << true << 85.0 << "" << 0;
}

void TestBodyRules::waistBmiClass()
{
    QFETCH(bool, female);
    QFETCH(double, waistCm);
    QFETCH(QString, bmiShown);
    QFETCH(int, expected);

    QCOMPARE(::waistBmiClass(waistCm, NumericValue(bmiShown), female), expected);
}

QTEST_APPLESS_MAIN(TestBodyRules)
#include "tst_body_rules.moc"
