#include "window_fixture.h"

#include <QAbstractButton>

// An entry's colour and mark come from one owner that knows why they are
// what they are, whatever order the events come in. Each row drives the
// systolic field Text1 through real events and reads its look.
class TestFieldLook : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void lookFollowsItsCauses_data();
    void lookFollowsItsCauses();

private:
    WindowFixture w;
};

void TestFieldLook::lookFollowsItsCauses_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("colour"); // Text1's text
    QTest::addColumn<bool>("marked");    // the pale yellow of a value to check

    const QString red = QStringLiteral("#ff0000"), black = QStringLiteral("#000000");
    QTest::newRow("judged at the limit: red") << "type:142 judge" << red << false;
    QTest::newRow("the focus after the judgement: black") << "type:142 judge focus" << black << false;
    QTest::newRow("judged while focused: red") << "type:142 press" << red << false;
    QTest::newRow("a value to check keeps its colour") << "type:999 judge" << red << true;
    QTest::newRow("the mark goes, the colour stays") << "type:999 judge press-type:150" << red << false;
    QTest::newRow("Reset: black, unmarked") << "type:999 judge reset" << black << false;
    QTest::newRow("undo: red and marked again") << "type:999 judge reset undo" << red << true;
    // The undo puts the focus back into Text1, whose focus would turn it
    // black: the colour it had still comes back.
    QTest::newRow("undo into the focused field") << "type:142 press reset undo" << red << false;
    QTest::newRow("after the undo the focus acts again") << "type:142 judge reset undo focus" << black << false;
}

void TestFieldLook::lookFollowsItsCauses()
{
    QFETCH(QString, steps);
    QFETCH(QString, colour);
    QFETCH(bool, marked);

    QLineEdit *text1 = w.field("Text1");
    for (const QString &step : steps.split(u' ')) {
        if (step.startsWith(QLatin1String("type:"))) {
            w.type("Text1", step.section(u':', 1));
        } else if (step.startsWith(QLatin1String("press-type:"))) {
            // Typed over without a click: the focus stays, no new visit.
            text1->selectAll();
            QTest::keyClicks(text1, step.section(u':', 1));
        } else if (step == "judge") {
            w.click("Command1");
        } else if (step == "press") {
            // The button's press as the accessibility bus makes it: the
            // focus stays in the field.
            qobject_cast<QAbstractButton *>(w.control("Command1"))->click();
        } else if (step == "focus") {
            QTest::mouseClick(text1, Qt::LeftButton);
        } else if (step == "reset") {
            w.click("Command3");
        } else if (step == "undo") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        }
    }
    QCOMPARE(text1->palette().color(QPalette::Text).name(), colour);
    QCOMPARE(text1->palette().color(QPalette::Base).name(),
             marked ? QStringLiteral("#ffffa0") : QStringLiteral("#e0e0e0"));
}

QTEST_MAIN(TestFieldLook)
#include "tst_field_look.moc"
