#include "app/command_button.h"
#include "app/outdated_look.h"
#include "state/colours.h"
#include "window_fixture.h"

#include <cmath>

// What shows is easy to see: the held judgement button carries a mark of its
// own, and results out of date are grey enough to read and struck through.
class TestEasyToSee : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void readableContrast_data();
    void readableContrast();
    void outdatedLookBesidesColour();
    void heldButtonFramedInside();

private:
    WindowFixture w;
};

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(Rgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
}
double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void TestEasyToSee::readableContrast_data()
{
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<Rgb>("background");
    QTest::addColumn<double>("least");
    QTest::newRow("results out of date on the window's grey") << kOutdatedResult << kWindowBackground << 4.5;
    QTest::newRow("held mark on the 40-64 button") << kHeldMark << kAges40To64Button << 3.0;
    QTest::newRow("held mark on the 65-74 button") << kHeldMark << kAges65To74Button << 3.0;
}

void TestEasyToSee::readableContrast()
{
    QFETCH(Rgb, text);
    QFETCH(Rgb, background);
    QFETCH(double, least);
    QVERIFY2(contrast(text, background) >= least, qPrintable(QString::number(contrast(text, background))));
}

void TestEasyToSee::outdatedLookBesidesColour()
{
    QLabel *result = w.label("Label37");
    setOutdatedLook(*result, true);
    QCOMPARE(result->palette().color(QPalette::WindowText), QColor(78, 78, 78));
    QVERIFY(result->font().strikeOut());
    setOutdatedLook(*result, false);
    QCOMPARE(result->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!result->font().strikeOut());
}

// Judged for 40-64: its button, and only it, shows the black frame inside
// its edge; the focus ring, outside the button, is no part of its picture.
void TestEasyToSee::heldButtonFramedInside()
{
    w.click("Command1");
    for (const char *name : {"Command1", "Command2"}) {
        auto *button = static_cast<CommandButton *>(w.control(name));
        const QImage picture = button->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        const QColor atMark = picture.pixelColor(QPointF(5.5 * ratio, button->height() / 2.0 * ratio).toPoint());
        QCOMPARE(atMark == QColor(Qt::black), button->isHeld());
    }
    QVERIFY(static_cast<CommandButton *>(w.control("Command1"))->isHeld());
}

QTEST_MAIN(TestEasyToSee)
#include "tst_easy_to_see_gui.moc"
