#include "app/window/note_placement.h"

#include <QTest>

// Where a note goes: where it would open if that covers no button, else the
// nearest place on the screen that covers none, else onto the screen as it can.
class TestNotePlacement : public QObject {
    Q_OBJECT
private slots:
    void placeNote_data();
    void placeNote();
};

namespace {
// A window's judgement buttons and Reset on a 1000 by 800 screen.
const QList<QRect> kButtons = {{250, 400, 113, 49}, {390, 400, 113, 49}, {500, 590, 73, 33}};
const QRect kScreen(0, 0, 1000, 800);
} // namespace

void TestNotePlacement::placeNote_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("natural");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("clear of every button: stays") << QSize(200, 100) << QPoint(40, 470) << kScreen << QPoint(40, 470);
    QTest::newRow("over Reset: just left of it") << QSize(300, 100) << QPoint(260, 560) << kScreen << QPoint(198, 560);
    QTest::newRow("over a judgement button: just below it")
        << QSize(60, 20) << QPoint(300, 420) << kScreen << QPoint(300, 451);
    QTest::newRow("off the screen's foot: up, clear of the buttons")
        << QSize(200, 150) << QPoint(40, 700) << kScreen << QPoint(40, 650);
    QTest::newRow("no clear place on a small screen: onto the screen")
        << QSize(600, 500) << QPoint(100, 500) << QRect(0, 0, 640, 640) << QPoint(40, 140);
}

void TestNotePlacement::placeNote()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, natural);
    QFETCH(QRect, screen);
    QFETCH(QPoint, placed);
    QCOMPARE(::placeNote(size, natural, kButtons, screen), placed);
}

QTEST_MAIN(TestNotePlacement)
#include "tst_note_placement.moc"
