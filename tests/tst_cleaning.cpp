#include "entry/numeric_entry.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// The checkup forms cleaned a field one character per change event: find the
// first character that may not stand where it stands, cut it out, and let the
// change event of the shortened text start the scan again from the front.
QString removedOneAtATime(QString text)
{
    for (;;) {
        qsizetype bad = -1;
        for (qsizetype i = 0; i < text.size() && bad < 0; ++i) {
            const char16_t c = text[i].unicode();
            if ((c == u'-' && i != 0) || (c >= 0x20 && c < u'-') || c == u'/' || c > u'9')
                bad = i;
        }
        if (bad < 0)
            return text;
        text.remove(bad, 1);
    }
}

QString shown(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.unicode() >= 0x20 && c.unicode() < 0x7f ? QString(c)
                                                         : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return out;
}

} // namespace

class TestCleaning : public QObject {
    Q_OBJECT
private slots:
    void mayStay_data();
    void mayStay();
    void edgeCases_data();
    void edgeCases();
    void matchesOneAtATimeRemoval_data();
    void matchesOneAtATimeRemoval();
};

void TestCleaning::mayStay_data()
{
    QTest::addColumn<int>("codeUnit");
    QTest::addColumn<bool>("asFirst");
    QTest::addColumn<bool>("afterKept");

    QTest::newRow("digit 0") << int(u'0') << true << true;
    QTest::newRow("digit 9") << int(u'9') << true << true;
    QTest::newRow("point") << int(u'.') << true << true;
    QTest::newRow("minus") << int(u'-') << true << false;
    QTest::newRow("tab") << 0x09 << true << true;
    QTest::newRow("unit separator 0x1f") << 0x1f << true << true;
    QTest::newRow("space") << int(u' ') << false << false;
    QTest::newRow("comma") << int(u',') << false << false;
    QTest::newRow("plus") << int(u'+') << false << false;
    QTest::newRow("slash") << int(u'/') << false << false;
    QTest::newRow("colon") << int(u':') << false << false;
    QTest::newRow("letter e") << int(u'e') << false << false;
    QTest::newRow("full-width 0") << 0xff10 << false << false;
    QTest::newRow("high surrogate") << 0xd83d << false << false;
    QTest::newRow("low surrogate") << 0xde00 << false << false;
}

void TestCleaning::mayStay()
{
    QFETCH(int, codeUnit);
    QFETCH(bool, asFirst);
    QFETCH(bool, afterKept);
    QCOMPARE(mayStayInNumericField(char16_t(codeUnit), true), asFirst);
    QCOMPARE(mayStayInNumericField(char16_t(codeUnit), false), afterKept);
}

void TestCleaning::edgeCases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("letter after digits") << "12a"
                                         << "12";
    QTest::newRow("letter in the middle") << "1x2"
                                          << "12";
    QTest::newRow("thousands comma") << "1,200"
                                     << "1200";
    QTest::newRow("space between digits") << "1 20"
                                          << "120";
    QTest::newRow("plus sign") << "+5"
                               << "5";
    QTest::newRow("exponent letter") << "1e3"
                                     << "13";
    QTest::newRow("full-width digits") << "１２０"
                                       << "";
    QTest::newRow("two leading minus") << "--5"
                                       << "-5";
    QTest::newRow("trailing minus") << "5-"
                                    << "5";
    QTest::newRow("lone minus") << "-"
                                << "-";
    QTest::newRow("negative decimal") << "-12.5"
                                      << "-12.5";
    QTest::newRow("several points stay") << "12.5.3"
                                         << "12.5.3";
    QTest::newRow("minus moves to the front") << "a-5"
                                              << "-5";
    QTest::newRow("minus behind a kept tab") << "\t-5"
                                             << "\t5";
    QTest::newRow("control characters kept") << "1\r\n2\x01\x1f"
                                             << "1\r\n2\x01\x1f";
    QTest::newRow("emoji surrogate pair") << QString::fromUtf16(u"1\U0001F6002") << "12";
    QTest::newRow("slash and colon") << "1/2:3"
                                     << "123";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCleaning::edgeCases()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(cleanedNumericText(text), expected);
}

void TestCleaning::matchesOneAtATimeRemoval_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("maxLength");

    QTest::newRow("short texts") << 20240501u << 6;
    QTest::newRow("medium texts") << 7u << 16;
    QTest::newRow("long texts") << 99991u << 48;
}

void TestCleaning::matchesOneAtATimeRemoval()
{
    QFETCH(quint32, seed);
    QFETCH(int, maxLength);

    // Weighted toward the characters whose fate depends on position or range
    // edges: "-" and the code units next to the kept ranges.
    const QString alphabet = QString::fromUtf16(u"0123456789---..  ,+e\t\r/:１") + QChar(0xd83d);
    QRandomGenerator random(seed);
    for (int n = 0; n < 2000; ++n) {
        QString text;
        const int length = random.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(int(alphabet.size()))];

        const QString cleaned = cleanedNumericText(text);
        if (cleaned != removedOneAtATime(text))
            QFAIL(qPrintable(QStringLiteral("\"%1\" cleaned to \"%2\", one at a time gives \"%3\"")
                                 .arg(shown(text), shown(cleaned), shown(removedOneAtATime(text)))));
        if (cleanedNumericText(cleaned) != cleaned)
            QFAIL(qPrintable(QStringLiteral("cleaning \"%1\" again changes it").arg(shown(cleaned))));
    }
}

QTEST_APPLESS_MAIN(TestCleaning)
#include "tst_cleaning.moc"
