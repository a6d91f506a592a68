#include "window_fixture.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QTimer>

#include <algorithm>

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void startsEmptyWithTheStartChoices();
    void focusStartsOnMaleAndMovesToHeightOnce();
    void clickDuringTheFirstTickIsFollowedByTheMove();
    void tabVisitsOneStopPerGroup();
    void captions_data();
    void captions();
    void frameCaptionsSitAboveTheirFrames();
    void framesDrawALineRoundBrokenOnlyByTheCaption_data();
    void framesDrawALineRoundBrokenOnlyByTheCaption();
    void entryFieldsTakeAnyLengthWithoutInputMethod();
    void japaneseCaptionsHaveAGlyphFont();
    void captionBoxesTakeNoFocusAndChangeNothing();
    void judgementButtonsShowTheirColour_data();
    void judgementButtonsShowTheirColour();
    void closingEndsTheTool();

private:
    WindowFixture w;
};

void TestWindow::startsEmptyWithTheStartChoices()
{
    for (const char *name : {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"})
        QVERIFY2(w.field(name)->text().isEmpty(), name);
    for (const char *name : {"Label30", "Label37", "Label15"})
        QVERIFY2(w.label(name)->text().isEmpty(), name);
    for (const char *name : {"Option5", "Option9", "Option7", "Option3", "Option1"})
        QVERIFY2(w.option(name)->isChecked(), name);
    for (const char *name : {"Option6", "Option10", "Option8", "Option4", "Option2"})
        QVERIFY2(!w.option(name)->isChecked(), name);
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Kalvemo"));
}

void TestWindow::focusStartsOnMaleAndMovesToHeightOnce()
{
    w.close();
    Form3 window;
    auto *timer = window.findChild<QTimer *>(QStringLiteral("TmrDelay"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 100);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option5"));

    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text9"));
    QVERIFY(!timer->isActive());

    // After the tick the user's own choice of field stands.
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Text12")), Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text12"));
}

void TestWindow::clickDuringTheFirstTickIsFollowedByTheMove()
{
    w.close();
    Form3 window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Text1")), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text9"));
}

void TestWindow::tabVisitsOneStopPerGroup()
{
    const QStringList expected = {
        "Text10",  "Text12",  "Text1",   "Text2",    "Text6",    "Text7",    "Text4",   "Text5", "Option9",
        "Option7", "Option3", "Option1", "Command1", "Command2", "Command3", "Option5", "Text9",
    };
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);

    // The group's stop follows its selection.
    w.click("Option4");
    w.type("Text5", QString());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option4"));
}

void TestWindow::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("points");
    QTest::newRow("height") << "Label1"
                            << "身長(cm)" << 12.0;
    QTest::newRow("waist") << "Label18"
                           << "腹囲(cm)" << 12.0;
    QTest::newRow("HbA1c") << "Label6"
                           << "HbA1c(NGSP)" << 12.0;
    QTest::newRow("drug column") << "Label14"
                                 << "薬剤治療" << 11.25;
    QTest::newRow("no-drug box") << "Text8"
                                 << "なし" << 11.25;
    QTest::newRow("smoking") << "Label23"
                             << "喫煙" << 9.0;
    QTest::newRow("class caption") << "Label19"
                                   << "メタボリックシンドローム" << 12.0;
    QTest::newRow("guidance caption") << "Label21"
                                      << "保健指導レベル" << 12.0;
    QTest::newRow("40 to 64") << "Command1"
                              << "40歳～64歳" << 12.0;
    QTest::newRow("65 to 74") << "Command2"
                              << "65歳～74歳" << 12.0;
    QTest::newRow("reset") << "Command3"
                           << "Reset" << 12.0;
    QTest::newRow("result font") << "Label37"
                                 << "" << 14.25;
    QTest::newRow("field font") << "Text1"
                                << "" << 14.25;
}

void TestWindow::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(double, points);
    QWidget *control = w.control(name.toLatin1().constData());
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(control))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        shown = button->text();
    QCOMPARE(shown, caption);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
}

void TestWindow::frameCaptionsSitAboveTheirFrames()
{
    QCOMPARE(qobject_cast<QGroupBox *>(w.control("Frame1"))->title(), QStringLiteral("Step1"));
    QCOMPARE(qobject_cast<QGroupBox *>(w.control("Frame8"))->title(), QStringLiteral("Step3"));
    QVERIFY(qobject_cast<QGroupBox *>(w.control("Frame4"))->title().isEmpty());
    // Later frames lie above the ones they overlap: Step3 over smoking over Step2 over Step1.
    const QObjectList stack = w.control("FormContent")->children();
    const auto depth = [&](const char *name) { return stack.indexOf(w.control(name)); };
    QVERIFY(depth("Frame1") < depth("Frame2"));
    QVERIFY(depth("Frame2") < depth("Frame4"));
    QVERIFY(depth("Frame4") < depth("Frame8"));
}

void TestWindow::framesDrawALineRoundBrokenOnlyByTheCaption_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Frame1", "Frame3", "Frame2", "Frame7", "Frame6", "Frame5", "Frame4", "Frame8"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// Each frame painted alone, without the controls inside: a one-pixel grey
// line all round, the top one within the caption's height, broken once where
// the caption stands, with the caption inside the break.
void TestWindow::framesDrawALineRoundBrokenOnlyByTheCaption()
{
    QFETCH(QString, name);
    auto *frame = qobject_cast<QGroupBox *>(w.control(qPrintable(name)));
    QVERIFY(frame);
    QImage image(frame->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    frame->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    const QColor line(128, 128, 128);
    const QColor inside(192, 192, 192);
    const auto at = [&](int x, int y) { return image.pixelColor(x, y); };
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const int captionHeight = frame->fontMetrics().height();

    int top = 0;
    while (top < bottom && at(right - 3, top) != line)
        ++top;
    QVERIFY2(top > 0 && top < captionHeight, qPrintable(QString::number(top)));
    const int middle = (top + bottom) / 2;
    QCOMPARE(at(0, middle), line);
    QCOMPARE(at(1, middle), inside);
    QCOMPARE(at(right, middle), line);
    QCOMPARE(at(right - 1, middle), inside);
    QCOMPARE(at(right / 2, bottom), line);
    QCOMPARE(at(right / 2, bottom - 1), inside);
    QCOMPARE(at(right - 3, top + 1), inside);

    // Where the top line is broken, and where the caption's dark pixels lie.
    int breakStart = right + 1;
    int breakEnd = -1;
    for (int x = 0; x <= right; ++x) {
        if (at(x, top) != line) {
            breakStart = std::min(breakStart, x);
            breakEnd = x;
        }
    }
    int textLeft = right + 1;
    int textRight = -1;
    for (int y = 0; y < captionHeight; ++y) {
        for (int x = 0; x <= right; ++x) {
            if (at(x, y).value() < 96) {
                textLeft = std::min(textLeft, x);
                textRight = std::max(textRight, x);
            }
        }
    }
    if (frame->title().isEmpty()) {
        QCOMPARE(breakEnd, -1);
        QCOMPARE(textRight, -1);
        return;
    }
    // One clear gap either side of the caption, inside the corners.
    QVERIFY2(
        0 < breakStart && breakStart < textLeft && textRight < breakEnd && breakEnd < right,
        qPrintable(
            QStringLiteral("break %1..%2, caption %3..%4").arg(breakStart).arg(breakEnd).arg(textLeft).arg(textRight)));
    for (int x = breakStart; x < textLeft; ++x)
        QVERIFY(at(x, top) != line);
    for (int x = textRight + 1; x <= breakEnd; ++x)
        QVERIFY(at(x, top) != line);
}

void TestWindow::entryFieldsTakeAnyLengthWithoutInputMethod()
{
    QLineEdit *height = w.field("Text9");
    QVERIFY(height->maxLength() > 1'000'000);
    QVERIFY(!height->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(height->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(height->palette().color(QPalette::Base), QColor(224, 224, 224));
    const QString long40k(40000, u'7');
    height->setText(long40k);
    QCOMPARE(height->text(), long40k);
}

void TestWindow::japaneseCaptionsHaveAGlyphFont()
{
    // Only meaningful where a Japanese font is installed, as the set-up does.
    QFontMetrics metrics(w.control("Label1")->font());
    QVERIFY(metrics.inFontUcs4(U'身'));
    QVERIFY(metrics.inFontUcs4(U'喫'));
}

void TestWindow::captionBoxesTakeNoFocusAndChangeNothing()
{
    w.click("Text8");
    w.click("Text11");
    QCOMPARE(w.control("Text8")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text9"));
    QCOMPARE(w.indicator(Indicator::Label44), QStringLiteral("Label44"));
}

void TestWindow::judgementButtonsShowTheirColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("design");
    QTest::newRow("Command1 green") << "Command1" << QColor(0, 255, 0);
    QTest::newRow("Command2 pink") << "Command2" << QColor(255, 128, 128);
}

// Windows' native style paints buttons in the system's colour whatever the
// palette says, so the test looks at the painted button, not the palette.
void TestWindow::judgementButtonsShowTheirColour()
{
    QFETCH(QString, name);
    QFETCH(QColor, design);
    const QImage painted = w.control(qPrintable(name))->grab().toImage();
    // Between the top border and the caption.
    const QColor shown = painted.pixelColor(painted.width() / 2, painted.height() / 6);
    // The style shades its buttons, so the hue is compared, on a colour far
    // enough from grey to have one.
    const int hueApart = qAbs(shown.hsvHue() - design.hsvHue()) % 360;
    QVERIFY2(shown.hsvSaturation() >= 32 && std::min(hueApart, 360 - hueApart) <= 10, qPrintable(shown.name()));
}

void TestWindow::closingEndsTheTool()
{
    // Closing the one window must end the event loop with success; the
    // guard ends it with a failure code if the tool stays running.
    QTimer::singleShot(0, w.window.get(), [this] { w.window->close(); });
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
