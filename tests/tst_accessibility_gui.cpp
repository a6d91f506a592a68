#include "window_fixture.h"

#include <QAccessible>

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void namesComeFromTheCaptions_data();
    void namesComeFromTheCaptions();
    void resultLabelsAreNamedByTheirResult();
    void emptyDisplaysAreNamedByTheirCaption_data();
    void emptyDisplaysAreNamedByTheirCaption();
    void wholeExaminationFromTheKeyboard();

private:
    WindowFixture w;
};

void TestAccessibility::namesComeFromTheCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("height") << "Text9"
                            << "身長(cm)";
    QTest::newRow("weight") << "Text10"
                            << "体重(kg)";
    QTest::newRow("waist") << "Text12"
                           << "腹囲(cm)";
    QTest::newRow("systolic") << "Text1"
                              << "最高血圧";
    QTest::newRow("HDL") << "Text7"
                         << "HDL-CHO";
    QTest::newRow("HbA1c") << "Text5"
                           << "HbA1c(NGSP)";
    QTest::newRow("male") << "Option5"
                          << "男性";
    QTest::newRow("female") << "Option6"
                            << "女性";
    QTest::newRow("pressure drugs yes") << "Option10"
                                        << "薬剤治療 あり";
    QTest::newRow("glucose drugs no") << "Option3"
                                      << "薬剤治療 なし";
    QTest::newRow("smoker") << "Option2"
                            << "喫煙 あり";
    QTest::newRow("pressure drug group") << "Frame7"
                                         << "血圧 薬剤治療";
    QTest::newRow("judge 40 to 64") << "Command1"
                                    << "40歳～64歳";
}

void TestAccessibility::namesComeFromTheCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(w.control(control.toLatin1().constData()));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestAccessibility::resultLabelsAreNamedByTheirResult()
{
    // The result labels are named by what they show, so a screen reader
    // speaks the result itself; the caption beside them begins the
    // description, before the explanation of the result.
    const auto captionOfDescription = [](QAccessibleInterface *accessible) {
        return accessible->text(QAccessible::Description).section(u'\n', 0, 0);
    };
    w.click("Command1");
    QAccessibleInterface *result = QAccessible::queryAccessibleInterface(w.control("Label37"));
    QCOMPARE(result->text(QAccessible::Name), QStringLiteral("Step1を入力してください"));
    QCOMPARE(captionOfDescription(result), QStringLiteral("メタボリックシンドローム"));
    w.type("Text9", "160");
    w.type("Text10", "64");
    QAccessibleInterface *bmi = QAccessible::queryAccessibleInterface(w.control("Label30"));
    QCOMPARE(bmi->text(QAccessible::Name), QStringLiteral("25.0"));
    QCOMPARE(bmi->text(QAccessible::Description), QStringLiteral("BMI"));
    QAccessibleInterface *guidance = QAccessible::queryAccessibleInterface(w.control("Label15"));
    QCOMPARE(captionOfDescription(guidance), QStringLiteral("保健指導レベル"));
}

void TestAccessibility::emptyDisplaysAreNamedByTheirCaption_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("afterReset");
    const std::pair<const char *, const char *> displays[] = {
        {"Label30", "BMI"}, {"Label37", "メタボリックシンドローム"}, {"Label15", "保健指導レベル"}};
    for (const auto &[display, caption] : displays) {
        QTest::addRow("%s at start", display) << display << QString::fromUtf8(caption) << false;
        QTest::addRow("%s after Reset", display) << display << QString::fromUtf8(caption) << true;
    }
}

void TestAccessibility::emptyDisplaysAreNamedByTheirCaption()
{
    QFETCH(QString, display);
    QFETCH(QString, caption);
    QFETCH(bool, afterReset);
    if (afterReset) {
        w.type("Text9", "170");
        w.type("Text10", "65");
        w.click("Command2");
        w.click("Command3");
    }
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(w.control(display.toLatin1().constData()));
    QCOMPARE(shown->text(QAccessible::Name), caption);
}

void TestAccessibility::wholeExaminationFromTheKeyboard()
{
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Tab, Qt::ShiftModifier); // back to the sex group
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));
    press(Qt::Key_Right); // female
    press(Qt::Key_Tab);
    for (const char *value : {"160", "70", "92", "150", "95", "180", "35", "120", "6.5"}) {
        QTest::keyClicks(QApplication::focusWidget(), value);
        press(Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), w.control("Text5"));
    press(Qt::Key_Tab);   // blood-pressure drugs
    press(Qt::Key_Right); // "あり"
    press(Qt::Key_Tab);   // lipid drugs
    press(Qt::Key_Tab);   // glucose drugs
    press(Qt::Key_Tab);   // smoking
    press(Qt::Key_Right); // smoker
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.control("Command1"));
    press(Qt::Key_Space);
    QVERIFY(w.option("Option6")->isChecked());
    QVERIFY(w.option("Option10")->isChecked());
    QVERIFY(w.option("Option2")->isChecked());
    QCOMPARE(w.label("Label37")->text(), QStringLiteral("１ 基準該当"));
    QCOMPARE(w.label("Label15")->text(), QStringLiteral("３ なし")); // under drug treatment
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.control("Command3"));
    press(Qt::Key_Space);
    QVERIFY(w.field("Text9")->text().isEmpty());
    QVERIFY(w.option("Option5")->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility_gui.moc"
