#include "state/numeric_value.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <limits>

class TestNumericValue : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void plainDecimalsAsTheCLibraryReadsThem_data();
    void plainDecimalsAsTheCLibraryReadsThem();
};

void TestNumericValue::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain integer") << "120" << 120.0;
    QTest::newRow("decimal") << "5.6" << 5.6;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("design caption") << "Label4" << 0.0;
    QTest::newRow("negative") << "-12.5" << -12.5;
    QTest::newRow("plus and leading point") << "+.5" << 0.5;
    QTest::newRow("spaces between digits") << "1 2 0" << 120.0;
    QTest::newRow("leading blanks and sign gap") << "  -  5" << -5.0;
    QTest::newRow("tab and line feed inside") << "1\t2\n3" << 123.0;
    QTest::newRow("carriage return stops") << "12\r3" << 12.0;
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("second point ends") << "12.5.3" << 12.5;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent lower e") << "1e3" << 1000.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent negative") << "25e-1" << 2.5;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("trailing letters") << "12a" << 12.0;
    QTest::newRow("full-width digits") << "１２０" << 0.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("point then exponent") << "1.e2" << 100.0;
    QTest::newRow("only zeros") << "000.000" << 0.0;
    QTest::newRow("400 digits overflow") << QString(400, u'9') << inf;
    QTest::newRow("400 digits negative") << "-" + QString(400, u'9') << -inf;
    QTest::newRow("400 digits after point") << "0." + QString(399, u'0') + "1" << 0.0;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << inf;
    QTest::newRow("tiny exponent") << "1e-99999999999999999999" << 0.0;
    QTest::newRow("many digits then exponent back") << "1" + QString(400, u'0') + "e-400" << 1.0;
    QTest::newRow("10000 characters of digits") << QString(10000, u'1') << inf;
    QTest::newRow("10000 blanks then 7") << QString(10000, u' ') + "7" << 7.0;
    QTest::newRow("double nearest 5.6") << "5.60000000000000000001" << 5.6;
}

void TestNumericValue::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(NumericValue(text), expected);
}

// Plain decimals take a shorter road than the rest; it must land on the same
// double as a correctly rounding reader, up to and past its digit limit.
void TestNumericValue::plainDecimalsAsTheCLibraryReadsThem_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("limits of the short road") << QStringList{"999999999999999",
                                                             "9999999999999999",
                                                             "0.00000000000001",
                                                             "0.000000000000001",
                                                             "-0",
                                                             "-0.0",
                                                             "12.",
                                                             ".5",
                                                             "5.6",
                                                             "0.1",
                                                             "123456789.012345",
                                                             "1.000000000000001"};
    QStringList random;
    QRandomGenerator generator(7);
    for (int i = 0; i < 5000; ++i) {
        const int digits = 1 + generator.bounded(17);
        QString text = generator.bounded(4) == 0 ? QStringLiteral("-") : QString();
        const int point = generator.bounded(digits + 1);
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += u'.';
            text += QChar(u'0' + generator.bounded(10));
        }
        random << text;
    }
    QTest::newRow("random, up to 17 digits") << random;
}

void TestNumericValue::plainDecimalsAsTheCLibraryReadsThem()
{
    QFETCH(QStringList, texts);
    for (const QString &text : texts) {
        const double expected = std::strtod(text.toLatin1().constData(), nullptr);
        const double read = NumericValue(text);
        if (read != expected || std::signbit(read) != std::signbit(expected))
            QFAIL(qPrintable(
                QStringLiteral("%1 read %2, not %3").arg(text).arg(read, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }
}

QTEST_APPLESS_MAIN(TestNumericValue)
#include "tst_numeric_value.moc"
