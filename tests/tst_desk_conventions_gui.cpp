#include "app/qt_translation.h"
#include "app/window/command_button.h"
#include "app/window/eliding_field.h"
#include "app/window/note_placement.h"
#include "app/window/outdated_look.h"
#include "window_fixture.h"

#include <QMenu>
#include <QScreen>
#include <QToolTip>

// A busy desk's conventions: values never cut into other numbers, notes
// clear of the buttons, marks that are easy to see, Qt's texts in Japanese,
// no maximise button on a fixed window. (The keys of the buttons: the
// scaled-screen test judges with Alt+4 from a field.)
class TestDeskConventions : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void longValueElidedOnlyWithoutFocus();
    void notesClearOfButtons();
    void heldButtonAndOutdatedLook();
    void qtTextsAndTitleBar();

private:
    bool coversAButton(QWidget *note) const
    {
        const QRect area(note->pos(), note->size());
        const QList<QRect> buttons = buttonsToKeepClear(*w.window);
        return std::any_of(buttons.begin(), buttons.end(), [&](const QRect &b) { return b.intersects(area); });
    }
    WindowFixture w;
};

void TestDeskConventions::longValueElidedOnlyWithoutFocus()
{
    auto *weight = qobject_cast<ElidingField *>(w.field("Text10"));
    w.type("Text10", QStringLiteral("63.872"));
    QCOMPARE(weight->drawnText(), QStringLiteral("63.872")); // whole while edited
    QTest::keyClick(weight, Qt::Key_Tab);
    QCOMPARE(weight->text(), QStringLiteral("63.872"));
    const QString drawn = weight->drawnText();
    QVERIFY2(drawn.endsWith(u'…') && QStringLiteral("63.872").startsWith(drawn.chopped(1)), qPrintable(drawn));
}

// F1 before a judgement: one short line; after it, and the explanation of a
// result opened over Reset: on the screen and clear of the buttons.
void TestDeskConventions::notesClearOfButtons()
{
    auto *note = w.window->findChild<QLabel *>(QStringLiteral("ExplanationPopup"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTRY_VERIFY(note->isVisible());
    QVERIFY(note->height() < 2 * note->fontMetrics().lineSpacing());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    w.click("Command1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTRY_VERIFY(note->isVisible());
    QVERIFY(w.window->screen()->availableGeometry().contains(QRect(note->pos(), note->size())));
    QVERIFY(!coversAButton(note));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    // Far enough left of Reset that Qt opens the tooltip to the right, over it.
    QLabel *guidance = w.label("Label15");
    const QPoint overReset = w.control("Command3")->mapToGlobal(QPoint(0, 0)) - QPoint(200, 20);
    QToolTip::showText(overReset, guidance->toolTip(), guidance);
    QTRY_VERIFY(QToolTip::isVisible());
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY(!top->isVisible() || !top->inherits("QTipLabel") || !coversAButton(top));
}

// The held button, and only it, is framed in black inside its edge; results
// out of date are dark grey and struck through.
void TestDeskConventions::heldButtonAndOutdatedLook()
{
    w.click("Command1");
    for (const char *name : {"Command1", "Command2"}) {
        auto *button = static_cast<CommandButton *>(w.control(name));
        const QImage picture = button->grab().toImage();
        const QPointF atMark(5.5, button->height() / 2.0);
        QCOMPARE(picture.pixelColor((atMark * picture.devicePixelRatio()).toPoint()) == Qt::black, button->isHeld());
    }
    QLabel *result = w.label("Label37");
    setOutdatedLook(*result, true);
    QVERIFY(result->palette().color(QPalette::WindowText) == QColor(78, 78, 78) && result->font().strikeOut());
}

void TestDeskConventions::qtTextsAndTitleBar()
{
    QVERIFY(installQtJapanese(*qApp));
    const std::unique_ptr<QMenu> menu(w.field("Text9")->createStandardContextMenu());
    QVERIFY2(menu->actions().first()->text().startsWith(QStringLiteral("元に戻す")),
             qPrintable(menu->actions().first()->text()));
    // The offscreen screen holds the window at its fixed size.
    QVERIFY(!(w.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.window->windowFlags() & Qt::WindowCloseButtonHint);
}

QTEST_MAIN(TestDeskConventions)
#include "tst_desk_conventions_gui.moc"
