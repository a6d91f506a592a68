#include "window_fixture.h"

#include <QProcess>
#include <QToolTip>

// On a real X display, with the pointer moved and clicked by the X server
// itself (xdotool), as a hand on the mouse does: a click on Reset while a
// tooltip lies over it reaches Reset, which clears the window. Offscreen
// events are handed to a widget directly and could not show this.
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
    const char *values[][2] = {{"Text9", "170"}, {"Text10", "70"}, {"Text12", "95"}, {"Text1", "142"}, {"Text2", "87"},
                               {"Text6", "160"}, {"Text7", "38"},  {"Text4", "93"},  {"Text5", "5.2"}};
    for (const auto &[field, value] : values)
        w.type(field, QString::fromLatin1(value));
    w.click("Command1");
    QLabel *guidance = w.label("Label15");
    QVERIFY(!guidance->text().isEmpty());

    // An explanation too large for any place clear of the buttons on this
    // screen stays over Reset.
    QWidget *reset = w.control("Command3");
    const QRect resetArea(reset->mapToGlobal(QPoint(0, 0)), reset->size());
    QString huge;
    for (int i = 0; i < 8; ++i)
        huge += guidance->toolTip() + QStringLiteral("\n") + QString(120, u'＝') + QStringLiteral("\n");
    QToolTip::showText(guidance->mapToGlobal(QPoint(20, 0)), huge, guidance);
    QTRY_VERIFY(QToolTip::isVisible());
    QWidget *tip = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits("QTipLabel"))
            tip = top;
    QVERIFY(tip);
    QVERIFY(QRect(tip->pos(), tip->size()).contains(resetArea));
    QTest::qWait(100); // the tooltip's window mapped by the X server

    const QPoint centre = resetArea.center();
    const int clicked = QProcess::execute(
        QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(centre.x()),
                                    QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")});
    QCOMPARE(clicked, 0);
    QTRY_VERIFY(guidance->text().isEmpty());
    QVERIFY(w.field("Text9")->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), w.control("Option5"));
    QTRY_VERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(TestClickThrough)
#include "tst_click_through_desktop.moc"
