#include "app/window/note_placement.h"

#include <QTest>

// Where a note goes: where it would open if that covers no button, else the
// nearest place on the screen that covers none, else onto the screen.
class TestNotePlacement : public QObject {
    Q_OBJECT
private slots:
    void placeNote_data();
    void placeNote();
};

void TestNotePlacement::placeNote_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("natural");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("placed");
    const QRect s(0, 0, 1000, 800);
    QTest::newRow("clear of every button: stays") << QSize(200, 100) << QPoint(40, 470) << s << QPoint(40, 470);
    QTest::newRow("over Reset: just left of it") << QSize(300, 100) << QPoint(260, 560) << s << QPoint(198, 560);
    QTest::newRow("over a judgement button: below it") << QSize(60, 20) << QPoint(300, 420) << s << QPoint(300, 451);
    QTest::newRow("past the screen's foot: up") << QSize(200, 150) << QPoint(40, 700) << s << QPoint(40, 650);
    QTest::newRow("no clear place: onto the screen")
        << QSize(600, 500) << QPoint(100, 500) << QRect(0, 0, 640, 640) << QPoint(40, 140);
}

void TestNotePlacement::placeNote()
{
    // A window's two judgement buttons and Reset.
    const QList<QRect> buttons = {{250, 400, 113, 49}, {390, 400, 113, 49}, {500, 590, 73, 33}};
    QFETCH(QSize, size);
    QFETCH(QPoint, natural);
    QFETCH(QRect, screen);
    QFETCH(QPoint, placed);
    QCOMPARE(::placeNote(size, natural, buttons, screen), placed);
}

QTEST_MAIN(TestNotePlacement)
#include "tst_note_placement.moc"
