#include "window_fixture.h"

#include <QProcess>
#include <QToolTip>

// On a real X display, the pointer moved and clicked by the X server itself
// (xdotool), as a hand on the mouse does: a click on Reset under a tooltip
// reaches Reset. Offscreen events go to a widget directly and cannot show it.
class TestClickThrough : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }
    void clickOnResetUnderTooltipResets();

private:
    WindowFixture w;
};

void TestClickThrough::clickOnResetUnderTooltipResets()
{
    w.click("Command1"); // nothing entered: the results ask for Step1
    QLabel *guidance = w.label("Label15");
    QVERIFY(!guidance->text().isEmpty());
    // An explanation too large for any place clear of the buttons stays over Reset.
    QWidget *reset = w.control("Command3");
    const QRect resetArea(reset->mapToGlobal(QPoint(0, 0)), reset->size());
    QToolTip::showText(guidance->mapToGlobal(QPoint(20, 0)),
                       (guidance->toolTip() + u'\n' + QString(120, u'＝') + u'\n').repeated(30), guidance);
    QTRY_VERIFY(QToolTip::isVisible());
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits("QTipLabel"))
            QVERIFY(QRect(top->pos(), top->size()).contains(resetArea));
    QTest::qWait(100); // the tooltip on the X server's screen

    const QPoint at = resetArea.center();
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                               {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                                QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")}),
             0);
    QTRY_VERIFY(guidance->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));
}

QTEST_MAIN(TestClickThrough)
#include "tst_click_through_desktop.moc"
