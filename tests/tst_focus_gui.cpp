#include "window_fixture.h"

// The focus mark: a two-pixel navy ring just outside the focused control,
// painted by the window itself, and nothing of it while the window has no
// focus.
class TestFocus : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void ringAroundTheFocusedControl_data();
    void ringAroundTheFocusedControl();
    void noMarkWithoutFocus();

private:
    // The navy pixels of the window as painted.
    QList<QPoint> marked() const;

    WindowFixture w;
};

namespace {

const QColor kMark(0, 0, 128);
constexpr int kRing = 2;

} // namespace

QList<QPoint> TestFocus::marked() const
{
    const QImage image = w.window->grab().toImage();
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == kMark)
                found << QPoint(x, y);
    return found;
}

void TestFocus::ringAroundTheFocusedControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("field") << "Text12";
    QTest::newRow("option button, near its frame's top line") << "Option1";
    QTest::newRow("green button") << "Command1";
    QTest::newRow("grey Reset button") << "Command3";
}

void TestFocus::ringAroundTheFocusedControl()
{
    QFETCH(QString, name);
    QWidget *target = w.control(qPrintable(name));
    for (int tabs = 0; QApplication::focusWidget() != target && tabs < 20; ++tabs)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);

    // Every pixel of the ring is navy, and nothing else in the window.
    const QRect control(target->mapTo(w.window.get(), QPoint(0, 0)), target->size());
    const QRect outer = control.adjusted(-kRing, -kRing, kRing, kRing);
    QTRY_COMPARE(marked().size(), outer.width() * outer.height() - control.width() * control.height());
    for (const QPoint &pixel : marked())
        QVERIFY(outer.contains(pixel) && !control.contains(pixel));
}

void TestFocus::noMarkWithoutFocus()
{
    QVERIFY(!marked().isEmpty());
    // Another window takes the focus: the form shows no mark.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(marked().isEmpty());
}

QTEST_MAIN(TestFocus)
#include "tst_focus_gui.moc"
