#include "app/window/command_button.h"
#include "window_fixture.h"

#include <QAccessible>

// What the window shows about its results and entries, through real events:
// results out of date, the judged band held down, and the attention marks.
class TestFlags : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void outdatedAndCurrentAgain_data();
    void outdatedAndCurrentAgain();
    void marks_data();
    void marks();

private:
    void judgeManOf43()
    {
        const char *fields[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
        const char *values[] = {"170", "70", "84", "142", "87", "160", "38", "93", "5.2"};
        for (int i = 0; i < 9; ++i)
            w.type(fields[i], values[i]);
        w.click("Command1");
    }
    bool isOutdated() const
    {
        const QLabel *result = w.label("Label37");
        return result->palette().color(QPalette::WindowText) == QColor(78, 78, 78)
               && result->toolTip().startsWith(
                   QStringLiteral("判定のあとで入力が変わりました。もう一度判定してください。\n"));
    }
    bool isHeld(const char *button) const { return static_cast<CommandButton *>(w.control(button))->isHeld(); }

    WindowFixture w;
};

void TestFlags::outdatedAndCurrentAgain_data()
{
    QTest::addColumn<QString>("steps"); // field=text, option name, Tab, or Reset; ";" between
    QTest::addColumn<bool>("outdated");

    QTest::newRow("nothing changed") << "" << false;
    QTest::newRow("focus moved only") << "Tab;Tab" << false;
    QTest::newRow("waist changed") << "Text12=95" << true;
    QTest::newRow("waist changed and back") << "Text12=95;Text12=84" << false;
    QTest::newRow("smoker chosen") << "Option2" << true;
    QTest::newRow("smoker chosen and taken back") << "Option2;Option1" << false;
    QTest::newRow("changed, then Reset") << "Text12=95;Reset" << false;
}

void TestFlags::outdatedAndCurrentAgain()
{
    QFETCH(QString, steps);
    QFETCH(bool, outdated);

    judgeManOf43();
    QVERIFY(isHeld("Command1") && !isHeld("Command2"));
    bool reset = false;
    for (const QString &step : steps.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = step.split(u'=');
        const QByteArray name = parts[0].toLatin1();
        if (step == "Tab")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else if (step == "Reset")
            reset = true, w.click("Command3");
        else if (parts.size() == 2)
            w.type(name.constData(), parts[1]);
        else
            w.click(name.constData());
    }
    QCOMPARE(isOutdated(), outdated);
    // The band stays held only while its results are current.
    QCOMPARE(isHeld("Command1"), !outdated && !reset);
    if (!outdated && !reset)
        QCOMPARE(w.label("Label37")->palette().color(QPalette::WindowText), QColor(Qt::black));

    // Judging again makes the results current; the other band takes the hold.
    w.click("Command2");
    QVERIFY(!isOutdated());
    QVERIFY(!isHeld("Command1") && isHeld("Command2"));
}

void TestFlags::marks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("judge");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("fixed"); // a text that ends the mark

    QTest::newRow("waist typed with the point misplaced, on leaving")
        << "Text12"
        << "9.5" << false << "確認: 腹囲 9.5 cm (通常 40～200 cm)"
        << "95";
    QTest::newRow("HbA1c with the comma dropped, at the judgement")
        << "Text5"
        << "5,6" << true << "確認: HbA1c 56 % (通常 3.0～20.0 %)"
        << "5.6";
    QTest::newRow("weight with a second point") << "Text10"
                                                << "65.5.0" << false << "確認: 体重 \"65.5.0\" は 65.5 と読みました"
                                                << "65.5";
    QTest::newRow("HDL missing at the judgement") << "Text7"
                                                  << "" << true << "未入力"
                                                  << "45";
}

void TestFlags::marks()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, judge);
    QFETCH(QString, mark);
    QFETCH(QString, fixed);
    const QByteArray name = field.toLatin1();
    QLineEdit *edit = w.field(name.constData());
    const auto marked = [&] { return edit->palette().color(QPalette::Base) == QColor(255, 255, 160); };

    const char *fields[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
    const char *values[] = {"170", "70", "84", "120", "70", "100", "50", "90", "5.0"};
    for (int i = 0; i < 9; ++i) {
        if (field != fields[i])
            w.type(fields[i], QString::fromLatin1(values[i]));
    }
    w.type(name.constData(), typed);
    QVERIFY2(!marked(), "no mark while the focus stays in the field");
    if (judge)
        w.click("Command1");
    else
        w.click("Text9"); // the focus leaves the field
    QVERIFY(marked());
    QCOMPARE(edit->toolTip(), mark);
    const QString description = QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description);
    QVERIFY2(description.endsWith(u'\n' + mark), qPrintable(description));

    w.type(name.constData(), fixed);
    QVERIFY(!marked());
    QVERIFY(edit->toolTip().isEmpty());
    QVERIFY(!QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description).contains(mark));
}

QTEST_MAIN(TestFlags)
#include "tst_flags_gui.moc"
