#include "app/window/note_placement.h"
#include "window_fixture.h"

#include <QScreen>
#include <QToolTip>

// The notes that show over the window (the explanations of F1, the results'
// tooltips) fit on the screen and leave the judgement buttons and Reset in
// sight.
class TestNotes : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void f1NoteOnScreenClearOfButtons_data();
    void f1NoteOnScreenClearOfButtons();
    void resultTooltipClearOfButtons();

private:
    void judge()
    {
        const char *values[][2] = {{"Text9", "170"}, {"Text10", "70"}, {"Text12", "95"},
                                   {"Text1", "142"}, {"Text2", "87"},  {"Text6", "160"},
                                   {"Text7", "38"},  {"Text4", "93"},  {"Text5", "5.2"}};
        for (const auto &[field, value] : values)
            w.type(field, QString::fromLatin1(value));
        w.click("Command1");
    }
    bool coversAButton(QRect note) const
    {
        const QList<QRect> buttons = buttonsToKeepClear(*w.window);
        return std::any_of(buttons.begin(), buttons.end(), [&](const QRect &b) { return b.intersects(note); });
    }
    WindowFixture w;
};

void TestNotes::f1NoteOnScreenClearOfButtons_data()
{
    QTest::addColumn<bool>("judged");
    QTest::addColumn<int>("mostLines");
    QTest::newRow("before a judgement: one short line") << false << 1;
    QTest::newRow("after a judgement") << true << 40;
}

void TestNotes::f1NoteOnScreenClearOfButtons()
{
    QFETCH(bool, judged);
    QFETCH(int, mostLines);
    if (judged)
        judge();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto *note = w.window->findChild<QLabel *>(QStringLiteral("ExplanationPopup"));
    QTRY_VERIFY(note && note->isVisible());
    const QRect area(note->pos(), note->size());
    QVERIFY(w.window->screen()->availableGeometry().contains(area));
    QVERIFY(!coversAButton(area));
    QVERIFY(note->height() < (mostLines + 1) * note->fontMetrics().lineSpacing());
}

// The explanation of the guidance level opened where the mouse would bring
// it over Reset is moved off it.
void TestNotes::resultTooltipClearOfButtons()
{
    judge();
    QLabel *guidance = w.label("Label15");
    // Far enough left that Qt keeps the tooltip to the right of the point.
    const QPoint overReset = w.control("Command3")->mapToGlobal(QPoint(0, 0)) - QPoint(200, 20);
    QToolTip::showText(overReset, guidance->toolTip(), guidance);
    QTRY_VERIFY(QToolTip::isVisible());
    QWidget *tip = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits("QTipLabel"))
            tip = top;
    QVERIFY(tip);
    QVERIFY(!coversAButton(QRect(tip->pos(), tip->size())));
}

QTEST_MAIN(TestNotes)
#include "tst_notes_gui.moc"
