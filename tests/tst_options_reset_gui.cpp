#include "window_fixture.h"

class TestOptionsReset : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void sexSwitchesTheWaistLimit();
    void arrowKeysSelectWithinTheGroup();
    void drugChoiceRewritesTheCount();
    void glucoseDrugsBeforeAnyValue();
    void smokerRightAfterStart();
    void smokingFollowsTheOtherRisks();
    void nonSmokerIsNeverWrittenByValues();
    void resetRightAfterStart();
    void resetAfterAFullExaminee();

private:
    void fillExaminee();
    WindowFixture w;
};

void TestOptionsReset::sexSwitchesTheWaistLimit()
{
    w.click("Option6");
    w.type("Text9", "160");
    w.type("Text10", "66.8");
    w.type("Text12", "88");
    QCOMPARE(w.label("Label30")->text(), QStringLiteral("26.1"));
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("2"));
    w.click("Option5");
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("1"));
    w.click("Option6");
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("2"));
}

void TestOptionsReset::arrowKeysSelectWithinTheGroup()
{
    w.type("Text12", "88");
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("1"));
    QTest::keyClick(w.field("Text12"), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));
    QTest::keyClick(w.control("Option5"), Qt::Key_Right);
    QVERIFY(w.option("Option6")->isChecked());
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("0"));
    QTest::keyClick(w.control("Option6"), Qt::Key_Left);
    QVERIFY(w.option("Option5")->isChecked());
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("1"));
}

void TestOptionsReset::drugChoiceRewritesTheCount()
{
    w.type("Text1", "140");
    QCOMPARE(w.indicator(Indicator::Label40), QStringLiteral("1"));
    w.click("Option10");
    QCOMPARE(w.indicator(Indicator::Label44), QStringLiteral("1"));
    QCOMPARE(w.indicator(Indicator::Label47), QStringLiteral("2"));
    w.click("Option9");
    QCOMPARE(w.indicator(Indicator::Label44), QStringLiteral("0"));
    QCOMPARE(w.indicator(Indicator::Label47), QStringLiteral("1"));
}

void TestOptionsReset::glucoseDrugsBeforeAnyValue()
{
    w.click("Option4");
    QCOMPARE(w.indicator(Indicator::Label42), QStringLiteral("1"));
    QCOMPARE(w.indicator(Indicator::Label45), QStringLiteral("1"));
}

void TestOptionsReset::smokerRightAfterStart()
{
    w.click("Option2");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("0"));
}

void TestOptionsReset::smokingFollowsTheOtherRisks()
{
    w.type("Text7", "35");
    w.click("Option2");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("1"));
    w.click("Option1");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("0"));

    w.type("Text7", "50");
    w.click("Option2");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("0"));
    // Each keystroke re-evaluates: "14" is no risk yet, "140" is.
    w.type("Text1", "14");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("0"));
    QTest::keyClicks(w.field("Text1"), "0");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("1"));
    w.type("Text6", "200");
    w.type("Text1", "120");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("1")); // lipids remain
    w.type("Text6", "100");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("0"));
}

void TestOptionsReset::nonSmokerIsNeverWrittenByValues()
{
    w.type("Text1", "150");
    w.type("Text4", "130");
    w.type("Text7", "30");
    QCOMPARE(w.indicator(Indicator::Label13), QStringLiteral("Label13"));
}

void TestOptionsReset::resetRightAfterStart()
{
    w.click("Command3");
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));
    QVERIFY(w.option("Option5")->isChecked());
    QVERIFY(w.label("Label30")->text().isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.control("Text9"));
}

void TestOptionsReset::fillExaminee()
{
    w.click("Option6");
    w.click("Option10");
    w.click("Option8");
    w.click("Option4");
    w.click("Option2");
    const std::pair<const char *, const char *> values[] = {
        {"Text9", "155"}, {"Text10", "70"}, {"Text12", "95"}, {"Text1", "150"}, {"Text2", "95"},
        {"Text6", "180"}, {"Text7", "35"},  {"Text4", "120"}, {"Text5", "6.5"},
    };
    for (const auto &[name, text] : values)
        w.type(name, QString::fromLatin1(text));
    w.click("Command1");
}

void TestOptionsReset::resetAfterAFullExaminee()
{
    fillExaminee();
    QCOMPARE(w.label("Label37")->text(), QStringLiteral("１ 基準該当"));
    QCOMPARE(textColour(w.control("Text1")), QColor(Qt::red));
    QCOMPARE(textColour(w.control("Label30")), QColor(Qt::red));

    w.click("Command3");
    for (const char *name : {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"})
        QVERIFY2(w.field(name)->text().isEmpty(), name);
    for (const char *name : {"Label30", "Label37", "Label15"})
        QVERIFY2(w.label(name)->text().isEmpty(), name);
    for (const char *name : {"Option5", "Option9", "Option7", "Option3", "Option1"})
        QVERIFY2(w.option(name)->isChecked(), name);
    for (const char *name : {"Text1", "Text2", "Text6", "Text7", "Text4", "Text5", "Label30", "Text12"})
        QCOMPARE(textColour(w.control(name)), QColor(Qt::black));
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        QCOMPARE(w.value(Indicator(i)), 0.0);
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.control("Text9"));
    w.click("Command1");
    QCOMPARE(w.label("Label37")->text(), QStringLiteral("Step1を入力してください"));
    QCOMPARE(w.label("Label15")->text(), QStringLiteral("Step1を入力してください"));
}

QTEST_MAIN(TestOptionsReset)
#include "tst_options_reset_gui.moc"
