#include "window_fixture.h"

#include "entry/numeric_entry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSignalSpy>

class TestEntry : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void typedLetterDisappearsCaretAtEnd();
    void pasteIsCleaned_data();
    void pasteIsCleaned();
    void removalInTheMiddleLeavesCaretAtEnd();
    void cleaningFromTheProgramTakesTheFocus();
    void hugePasteSurvivesAndEndsClean();
    void pastedTextEndsAsIfTypedClean();
    void handlersReadWhatTheFieldShows();
    void enterMovesAlongTheChain();
    void enterInHbA1cMovesNothing();
    void focusTurnsOnlyThatFieldBlack_data();
    void focusTurnsOnlyThatFieldBlack();
    void pairFlags_data();
    void pairFlags();
    void countFollowsDrugFlagAsItStands();
    void bmiAndClass_data();
    void bmiAndClass();
    void bmiFollowsTheHeightShownNow_data();
    void bmiFollowsTheHeightShownNow();
    void emptiedHeightPromptsForStep1();

private:
    void paste(const char *name, const QString &text);
    WindowFixture w;
};

void TestEntry::paste(const char *name, const QString &text)
{
    QLineEdit *edit = w.field(name);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

void TestEntry::typedLetterDisappearsCaretAtEnd()
{
    w.type("Text1", "12a");
    QCOMPARE(w.field("Text1")->text(), QStringLiteral("12"));
    QCOMPARE(w.field("Text1")->cursorPosition(), 2);
    QTest::keyClicks(w.field("Text1"), "5");
    QCOMPARE(w.field("Text1")->text(), QStringLiteral("125"));
}

void TestEntry::pasteIsCleaned_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("reads");
    QTest::newRow("thousands comma") << "1,200"
                                     << "1200" << 1200.0;
    QTest::newRow("inner space") << "1 20"
                                 << "120" << 120.0;
    QTest::newRow("plus sign") << "+5"
                               << "5" << 5.0;
    QTest::newRow("exponent letter") << "1e3"
                                     << "13" << 13.0;
    QTest::newRow("full-width digits") << "１２０"
                                       << "" << 0.0;
    QTest::newRow("double minus") << "--5"
                                  << "-5" << -5.0;
    QTest::newRow("trailing minus") << "5-"
                                    << "5" << 5.0;
    QTest::newRow("lone minus") << "-"
                                << "-" << 0.0;
    QTest::newRow("two points") << "12.5.3"
                                << "12.5.3" << 12.5;
    QTest::newRow("minus after a letter") << "a-5"
                                          << "-5" << -5.0;
    QTest::newRow("minus after a tab") << "\t-5"
                                       << "\t5" << 5.0;
    QTest::newRow("emoji") << "1\U0001F600"
                              "2"
                           << "12" << 12.0;
}

void TestEntry::pasteIsCleaned()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(double, reads);
    paste("Text7", pasted);
    QCOMPARE(w.field("Text7")->text(), shown);
    QCOMPARE(w.field("Text7")->cursorPosition(), int(shown.size()));
    QCOMPARE(QApplication::focusWidget(), w.control("Text7"));
    // The HDL flag follows the text shown: 0 is no risk, anything else below 40 is.
    QCOMPARE(w.value(Indicator::Label10), (reads != 0 && reads < 40) ? 1.0 : 0.0);
}

void TestEntry::removalInTheMiddleLeavesCaretAtEnd()
{
    w.type("Text2", "12");
    QLineEdit *edit = w.field("Text2");
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, "x");
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QCOMPARE(edit->cursorPosition(), 2);
}

void TestEntry::cleaningFromTheProgramTakesTheFocus()
{
    QCOMPARE(QApplication::focusWidget(), w.control("Text9"));
    w.window->controls().setText(Field::Text5, QStringLiteral("6a"));
    QCOMPARE(w.field("Text5")->text(), QStringLiteral("6"));
    QCOMPARE(QApplication::focusWidget(), w.control("Text5"));

    // A clean text moves neither caret nor focus.
    w.window->controls().setText(Field::Text4, QStringLiteral("99"));
    QCOMPARE(QApplication::focusWidget(), w.control("Text5"));
}

void TestEntry::hugePasteSurvivesAndEndsClean()
{
    // Removing one bad character per nested change event would nest 60,000
    // handlers deep here and overflow the stack.
    QString dirty;
    for (int i = 0; i < 30000; ++i)
        dirty += QStringLiteral("x１");
    dirty += QStringLiteral("140");
    paste("Text1", dirty);
    QCOMPARE(w.field("Text1")->text(), QStringLiteral("140"));
    QCOMPARE(w.indicator(Indicator::Label4), QStringLiteral("1"));
    QCOMPARE(w.indicator(Indicator::Label47), QStringLiteral("1"));
}

void TestEntry::pastedTextEndsAsIfTypedClean()
{
    // Whatever is pasted, the field and every indicator end as if the clean
    // text had been entered: compare with a second window given that text.
    const QString alphabet = QStringLiteral("0123456789..--- ,+eE\t\rx/:１");
    QRandomGenerator random(20261207);
    WindowFixture reference;
    reference.open();
    const char *names[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
    for (int round = 0; round < 60; ++round) {
        const char *name = names[round % 9];
        QString dirty;
        for (int i = int(random.bounded(1, 12)); i > 0; --i)
            dirty += alphabet[random.bounded(int(alphabet.size()))];
        paste(name, dirty);
        const QString clean = cleanedNumericText(dirty);
        QCOMPARE(w.field(name)->text(), clean);
        reference.field(name)->setText(clean);
        for (std::size_t i = 0; i < kIndicatorCount; ++i)
            QCOMPARE(w.value(Indicator(i)), reference.value(Indicator(i)));
        QCOMPARE(w.label("Label30")->text(), reference.label("Label30")->text());
    }
}

// The handlers read a field's text as the window keeps it, which must follow
// the field through every kind of change before the field's handler runs.
void TestEntry::handlersReadWhatTheFieldShows()
{
    QLineEdit *edit = w.field("Text6");
    const FormControls &form = w.window->controls();
    const auto readAsShown = [&](const QString &shown) {
        QCOMPARE(edit->text(), shown);
        QCOMPARE(form.text(Field::Text6), shown);
        QCOMPARE(form.value(Field::Text6), shown.toDouble());
    };
    w.type("Text6", "15a0"); // typed; the letter is cleaned away
    readAsShown(QStringLiteral("150"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    readAsShown(QStringLiteral("15"));
    edit->undo(); // the field's own undo, as its context menu gives it
    readAsShown(QStringLiteral("150"));
    edit->redo();
    readAsShown(QStringLiteral("15"));
    paste("Text6", QStringLiteral("1,200"));
    readAsShown(QStringLiteral("1200"));
    QCOMPARE(w.indicator(Indicator::Label39), QStringLiteral("1"));
    w.type("Text6", QString());
    readAsShown(QString());
    QCOMPARE(w.indicator(Indicator::Label39), QStringLiteral("0"));
}

void TestEntry::enterMovesAlongTheChain()
{
    const QStringList chain = {"Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
    for (const QString &next : chain) {
        auto *from = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        // Enter is taken by the chain: the field itself never sees it.
        QSignalSpy returnPressed(from, &QLineEdit::returnPressed);
        QTest::keyClick(from, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
        QVERIFY(from->text().isEmpty());
        QCOMPARE(returnPressed.count(), 0);
    }
    w.type("Text7", "45");
    QTest::keyClick(w.field("Text7"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), w.control("Text4"));
    QCOMPARE(w.field("Text7")->text(), QStringLiteral("45"));
}

void TestEntry::enterInHbA1cMovesNothing()
{
    w.type("Text5", "5.4");
    QTest::keyClick(w.field("Text5"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.control("Text5"));
    QCOMPARE(w.field("Text5")->text(), QStringLiteral("5.4"));
}

void TestEntry::focusTurnsOnlyThatFieldBlack_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how"); // "mouse", or the key pressed on `from`
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("turnsBlack");

    // Each field with the stop before it in the tab order, which is also
    // the field whose Enter leads to it.
    const struct {
        const char *field, *before;
        bool turnsBlack;
    } fields[] = {
        {"Text9", "Option5", true}, {"Text10", "Text9", false}, {"Text12", "Text10", true},
        {"Text1", "Text12", true},  {"Text2", "Text1", true},   {"Text6", "Text2", true},
        {"Text7", "Text6", true},   {"Text4", "Text7", true},   {"Text5", "Text4", true},
    };
    for (const auto &f : fields) {
        QTest::addRow("%s by mouse", f.field) << f.field << "mouse"
                                              << "" << f.turnsBlack;
        QTest::addRow("%s by Tab", f.field) << f.field << "Tab" << f.before << f.turnsBlack;
        if (QByteArrayView(f.before).startsWith("Text"))
            QTest::addRow("%s by Enter", f.field) << f.field << "Enter" << f.before << f.turnsBlack;
    }
}

// A judgement marks the values; the field the user goes into to correct one
// shows it black again, however the user got there, and every other marked
// value keeps its colour. The weight, which a judgement never marks, keeps
// whatever colour it has.
void TestEntry::focusTurnsOnlyThatFieldBlack()
{
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(QString, from);
    QFETCH(bool, turnsBlack);

    const std::pair<Field, const char *> entries[] = {
        {Field::Text9, "160"}, {Field::Text10, "70"}, {Field::Text12, "90"},
        {Field::Text1, "150"}, {Field::Text2, "95"},  {Field::Text6, "200"},
        {Field::Text7, "30"},  {Field::Text4, "120"}, {Field::Text5, "6.5"},
    };
    for (const auto &[entry, text] : entries)
        w.window->controls().setText(entry, QString::fromLatin1(text));
    w.click("Command1");
    // Height and weight are never marked; give them a colour to lose.
    w.window->controls().setTextColour(Field::Text9, Rgb{255, 0, 0});
    w.window->controls().setTextColour(Field::Text10, Rgb{255, 0, 0});

    const char *const shown[] = {"Text9", "Text10", "Text12", "Text1", "Text2",
                                 "Text6", "Text7",  "Text4",  "Text5", "Label30"};
    QWidget *target = w.control(field.toLatin1().constData());
    if (how != "mouse")
        w.control(from.toLatin1().constData())->setFocus(Qt::OtherFocusReason);
    QMap<QString, QColor> before;
    for (const char *name : shown)
        before[name] = textColour(w.control(name));
    QVERIFY2(before[field] != QColor(Qt::black), "the judgement left nothing to undo");

    if (how == "mouse")
        QTest::mouseClick(target, Qt::LeftButton);
    else
        QTest::keyClick(QApplication::focusWidget(), how == "Tab" ? Qt::Key_Tab : Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), target);

    for (const char *name : shown) {
        const QColor expected = name == field && turnsBlack ? QColor(Qt::black) : before[name];
        QVERIFY2(textColour(w.control(name)) == expected, name);
    }
}

void TestEntry::pairFlags_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<Indicator>("risk");
    QTest::addColumn<QString>("expected"); // risk, value flag, count
    QTest::newRow("systolic 130 alone") << "Text1"
                                        << "Text2"
                                        << "130"
                                        << "" << Indicator::Label4 << "111";
    QTest::newRow("systolic 129.9 diastolic 84.9") << "Text1"
                                                   << "Text2"
                                                   << "129.9"
                                                   << "84.9" << Indicator::Label4 << "000";
    QTest::newRow("diastolic 85 alone") << "Text1"
                                        << "Text2"
                                        << ""
                                        << "85" << Indicator::Label4 << "111";
    QTest::newRow("glucose 100") << "Text4"
                                 << "Text5"
                                 << "100"
                                 << "" << Indicator::Label7 << "100";
    QTest::newRow("glucose 110") << "Text4"
                                 << "Text5"
                                 << "110"
                                 << "" << Indicator::Label7 << "111";
    QTest::newRow("HbA1c 5.6") << "Text4"
                               << "Text5"
                               << ""
                               << "5.6" << Indicator::Label7 << "100";
    QTest::newRow("HbA1c 6.0") << "Text4"
                               << "Text5"
                               << ""
                               << "6.0" << Indicator::Label7 << "111";
    QTest::newRow("HbA1c 5.59") << "Text4"
                                << "Text5"
                                << ""
                                << "5.59" << Indicator::Label7 << "000";
    QTest::newRow("HDL 39.9") << "Text6"
                              << "Text7"
                              << "149"
                              << "39.9" << Indicator::Label10 << "111";
    QTest::newRow("HDL 40") << "Text6"
                            << "Text7"
                            << "149"
                            << "40" << Indicator::Label10 << "000";
    QTest::newRow("HDL 0") << "Text6"
                           << "Text7"
                           << ""
                           << "0" << Indicator::Label10 << "000";
    QTest::newRow("HDL negative") << "Text6"
                                  << "Text7"
                                  << ""
                                  << "-1" << Indicator::Label10 << "111";
    QTest::newRow("triglycerides 150") << "Text6"
                                       << "Text7"
                                       << "150"
                                       << "" << Indicator::Label10 << "111";
}

void TestEntry::pairFlags()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, firstText);
    QFETCH(QString, secondText);
    QFETCH(Indicator, risk);
    QFETCH(QString, expected);
    w.type(first.toLatin1().constData(), firstText);
    w.type(second.toLatin1().constData(), secondText);
    // The second field's change re-evaluates the first one's value too.
    const Indicator row[][3] = {{Indicator::Label4, Indicator::Label40, Indicator::Label47},
                                {Indicator::Label7, Indicator::Label38, Indicator::Label45},
                                {Indicator::Label10, Indicator::Label39, Indicator::Label46}};
    for (const auto &indicators : row) {
        if (indicators[0] != risk)
            continue;
        QString written;
        for (const Indicator which : indicators)
            written += w.indicator(which);
        QCOMPARE(written, expected);
    }
}

void TestEntry::countFollowsDrugFlagAsItStands()
{
    w.click("Option4"); // glucose drugs "あり"
    w.type("Text4", "120");
    QCOMPARE(w.indicator(Indicator::Label38), QStringLiteral("1"));
    QCOMPARE(w.indicator(Indicator::Label45), QStringLiteral("2"));
    w.type("Text4", "90");
    QCOMPARE(w.indicator(Indicator::Label45), QStringLiteral("1"));
}

void TestEntry::bmiAndClass_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("waist");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("bmi");
    QTest::addColumn<QString>("waistClass");
    QTest::newRow("25 exactly") << "160"
                                << "64"
                                << "80" << false << "25.0"
                                << "2";
    QTest::newRow("22.5 waist 84.9") << "170"
                                     << "65"
                                     << "84.9" << false << "22.5"
                                     << "0";
    QTest::newRow("male waist 85") << "170"
                                   << "65"
                                   << "85" << false << "22.5"
                                   << "1";
    QTest::newRow("24.96 counts as 25") << "100"
                                        << "24.96"
                                        << "" << false << "25.0"
                                        << "2";
    QTest::newRow("female waist 89.9") << "160"
                                       << "64"
                                       << "89.9" << true << "25.0"
                                       << "2";
    QTest::newRow("female waist 90") << "170"
                                     << "50"
                                     << "90" << true << "17.3"
                                     << "1";
    QTest::newRow("weight empty") << "170"
                                  << ""
                                  << "" << false << "0.0"
                                  << "0";
    QTest::newRow("waist without height") << ""
                                          << ""
                                          << "85" << false << ""
                                          << "1";
}

void TestEntry::bmiAndClass()
{
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(QString, waist);
    QFETCH(bool, female);
    QFETCH(QString, bmi);
    QFETCH(QString, waistClass);
    if (female)
        w.click("Option6");
    // Weight first: the BMI waits for the height.
    w.type("Text10", weight);
    QVERIFY(w.label("Label30")->text().isEmpty());
    w.type("Text9", height);
    w.type("Text12", waist);
    QCOMPARE(w.label("Label30")->text(), bmi);
    QCOMPARE(w.indicator(Indicator::Label29), waistClass);
}

void TestEntry::bmiFollowsTheHeightShownNow_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::newRow("height emptied") << ""
                                    << "80";
    QTest::newRow("height zero") << "0"
                                 << "80";
    QTest::newRow("height negative") << "-170"
                                     << "80";
    QTest::newRow("square underflows") << "0." + QString(200, u'0') + "1"
                                       << "80";
    QTest::newRow("enormous weight") << "170" << QString(400, u'9');
}

void TestEntry::bmiFollowsTheHeightShownNow()
{
    QFETCH(QString, height);
    QFETCH(QString, weight);
    w.type("Text9", "160");
    w.type("Text10", "80");
    QCOMPARE(w.label("Label30")->text(), QStringLiteral("31.3"));
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("2"));
    w.type("Text9", height);
    w.type("Text10", weight);
    // No stale or absurd BMI is shown or used for the class.
    QCOMPARE(w.label("Label30")->text(), QString());
    QCOMPARE(w.indicator(Indicator::Label29), QStringLiteral("0"));
}

void TestEntry::emptiedHeightPromptsForStep1()
{
    for (const char *name : {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"})
        w.type(name, "100");
    w.type("Text9", "");
    w.click("Command1");
    QCOMPARE(w.label("Label37")->text(), QStringLiteral("Step1を入力してください"));
    QCOMPARE(w.label("Label15")->text(), QStringLiteral("Step1を入力してください"));
}

QTEST_MAIN(TestEntry)
#include "tst_entry_gui.moc"
