#include "form_design.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QScreen>

// Run at several QT_SCALE_FACTOR settings: the design's geometry holds in
// device-independent pixels and no caption is cut off at any of them.
class TestScaling : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void geometryHoldsInIndependentPixels();
    void noCaptionIsCut();
    void renderedAtTheScreenScale();

private:
    WindowFixture w;
};

void TestScaling::geometryHoldsInIndependentPixels()
{
    for (const Design::Control &c : Design::kControls)
        QVERIFY2(w.control(c.name)->geometry() == Design::px(c.twips), c.name);
}

void TestScaling::noCaptionIsCut()
{
    for (QWidget *control : w.window->findChildren<QWidget *>()) {
        QString text;
        QRect room = control->contentsRect();
        if (auto *label = qobject_cast<QLabel *>(control)) {
            text = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            text = button->text();
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics(control->font());
        QVERIFY2(metrics.horizontalAdvance(text) <= room.width(), qPrintable(control->objectName()));
        QVERIFY2(metrics.height() <= room.height(), qPrintable(control->objectName()));
    }
    // The longest results fit their boxes too.
    QLabel *guidance = w.label("Label15");
    for (const char *result : {"３ なし(情報提供レベル)", "Step1を入力してください"}) {
        const QString text = QString::fromUtf8(result);
        QVERIFY(QFontMetrics(guidance->font()).horizontalAdvance(text) <= guidance->contentsRect().width());
    }
}

void TestScaling::renderedAtTheScreenScale()
{
    const qreal scale = w.window->screen()->devicePixelRatio();
    const QPixmap picture = w.window->grab();
    QCOMPARE(picture.size(), (QSizeF(579, 624) * scale).toSize());
    if (qEnvironmentVariableIsSet("KALVEMO_RENDER_DIR"))
        picture.save(qEnvironmentVariable("KALVEMO_RENDER_DIR")
                     + QStringLiteral("/window-%1.png").arg(int(scale * 100)));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
