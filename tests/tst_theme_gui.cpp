#include "app/form3.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// The window keeps the checkup form's colours and measures whatever the
// desktop's theme: it is drawn the same under a light, a dark and a
// high-contrast application palette, and under a larger or smaller desktop
// font, set before the window is built, as a desktop theme sets them.
class TestTheme : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup()
    {
        QApplication::setPalette(m_desktopDefault);
        QApplication::setFont(m_desktopFont);
    }

    void looksTheSameOnEveryTheme_data();
    void looksTheSameOnEveryTheme();

private:
    QPalette m_desktopDefault;
    QFont m_desktopFont;
    QImage m_reference;
};

namespace {

QPalette themed(const QColor &window, const QColor &text, const QColor &base)
{
    QPalette palette(window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Light, window.lighter(150));
    palette.setColor(QPalette::Dark, window.darker(150));
    palette.setColor(QPalette::Highlight, text);
    palette.setColor(QPalette::HighlightedText, window);
    return palette;
}

QImage render()
{
    Form3 window;
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where a control of the window stands in the rendered image.
QRect placeOf(const char *name)
{
    Form3 window;
    QWidget *control = window.findChild<QWidget *>(QLatin1String(name));
    return QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
}

// The centre of an option button's round indicator, as its style places it.
QPoint indicatorCentre(const char *name)
{
    Form3 window;
    auto *option = window.findChild<QRadioButton *>(QLatin1String(name));
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect indicator = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    return option->mapTo(&window, indicator.center());
}

int lightness(QRgb rgb) { return qGray(rgb); }

} // namespace

void TestTheme::initTestCase()
{
    m_desktopDefault = QApplication::palette();
    m_desktopFont = QApplication::font();
    m_reference = render();
}

void TestTheme::looksTheSameOnEveryTheme_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<qreal>("fontScale");
    QTest::newRow("light") << m_desktopDefault << 1.0;
    QTest::newRow("dark") << themed(QColor(53, 53, 53), Qt::white, QColor(30, 30, 30)) << 1.0;
    QTest::newRow("high contrast black") << themed(Qt::black, Qt::yellow, Qt::black) << 1.0;
    QTest::newRow("high contrast white") << themed(Qt::white, Qt::black, Qt::white) << 1.0;
    QTest::newRow("large desktop font") << m_desktopDefault << 1.6;
    QTest::newRow("small desktop font") << m_desktopDefault << 0.7;
}

void TestTheme::looksTheSameOnEveryTheme()
{
    QFETCH(QPalette, palette);
    QFETCH(qreal, fontScale);
    QApplication::setPalette(palette);
    QFont desktopFont = m_desktopFont;
    desktopFont.setPointSizeF(m_desktopFont.pointSizeF() * fontScale);
    QApplication::setFont(desktopFont);
    const QImage image = render();

    // What the user sees, control by control.
    const QRect height = placeOf("Text9");
    QCOMPARE(QColor(image.pixel(height.center())), QColor(224, 224, 224)); // empty entry field
    const QRect judge = placeOf("Command1");
    const QColor face = image.pixel(judge.left() + 20, judge.top() + 6); // the style shades it
    QVERIFY2(face.green() > 240 && face.red() < 140 && face.blue() < 140, "judgement button not green");
    // Not selected: an empty, light ring; selected: a dark dot.
    QVERIFY2(lightness(image.pixel(indicatorCentre("Option6"))) > 200, "unselected option drawn dark");
    QVERIFY2(lightness(image.pixel(indicatorCentre("Option5"))) < 100, "selected option drawn light");
    // Black captions: on the grey, no pixel of a caption is lighter than
    // the grey; on the buttons, the caption's strokes are black.
    for (const char *caption : {"Label1", "Label24", "Label19", "Command1", "Command2", "Command3"}) {
        const QRect box = placeOf(caption).adjusted(4, 4, -4, -4);
        int darkest = 255, lightest = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                darkest = std::min(darkest, lightness(image.pixel(x, y)));
                lightest = std::max(lightest, lightness(image.pixel(x, y)));
            }
        }
        QVERIFY2(darkest < 60, caption);
        if (caption[0] == 'L')
            QVERIFY2(lightest <= lightness(image.pixel(placeOf(caption).topLeft())), caption);
    }
    // And the whole window, pixel for pixel, as on the light desktop.
    QCOMPARE(image, m_reference);
}

QTEST_MAIN(TestTheme)
#include "tst_theme_gui.moc"
