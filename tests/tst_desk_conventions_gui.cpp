#include "app/button_keys.h"
#include "app/command_button.h"
#include "app/qt_translation.h"
#include "window_fixture.h"

#include <QMenu>

#include <memory>

// The desktop's own conventions: keys for the buttons that no field takes as
// a character, Qt's own texts in Japanese, no maximise button on a window
// whose size is fixed.
class TestDeskConventions : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void keysPressButtonsFromAField_data();
    void keysPressButtonsFromAField();
    void qtTextsInJapanese();
    void fixedWindowOffersNoMaximise();

private:
    WindowFixture w;
};

void TestDeskConventions::keysPressButtonsFromAField_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("heightAfter");
    QTest::addColumn<bool>("judged");
    QTest::newRow("Alt+4 judges ages 40-64")
        << QByteArray("Command1") << QKeySequence(Qt::ALT | Qt::Key_4) << "170" << true;
    QTest::newRow("Alt+6 judges ages 65-74")
        << QByteArray("Command2") << QKeySequence(Qt::ALT | Qt::Key_6) << "170" << true;
    QTest::newRow("Alt+R resets") << QByteArray("Command3") << QKeySequence(Qt::ALT | Qt::Key_R) << "" << false;
}

// Pressed in the height field: the button acts, the field takes no
// character, and a judgement leaves the focus in the field.
void TestDeskConventions::keysPressButtonsFromAField()
{
    QFETCH(QByteArray, button);
    QFETCH(QKeySequence, key);
    QFETCH(QString, heightAfter);
    QFETCH(bool, judged);
    auto *pressed = qobject_cast<CommandButton *>(w.control(button.constData()));
    QVERIFY(pressed->toolTip().contains(key.toString(QKeySequence::NativeText)));
    QVERIFY(pressed->accessibleDescription().contains(key.toString(QKeySequence::NativeText)));

    w.type("Text9", QStringLiteral("170"));
    QTest::keySequence(w.field("Text9"), key);
    QCOMPARE(w.field("Text9")->text(), heightAfter);
    QCOMPARE(pressed->isHeld(), judged);
    QCOMPARE(w.label("Label15")->text().isEmpty(), !judged);
    if (judged)
        QCOMPARE(QApplication::focusWidget(), w.control("Text9"));
}

void TestDeskConventions::qtTextsInJapanese()
{
    installQtJapanese(*qApp);
    const std::unique_ptr<QMenu> menu(w.field("Text9")->createStandardContextMenu());
    QVERIFY(!menu->actions().isEmpty());
    const QString undo = menu->actions().first()->text();
    QVERIFY2(undo.startsWith(QStringLiteral("元に戻す")), qPrintable(undo));
}

void TestDeskConventions::fixedWindowOffersNoMaximise()
{
    QCOMPARE(w.window->size(), w.window->maximumSize()); // the offscreen screen holds the window
    const Qt::WindowFlags flags = w.window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

QTEST_MAIN(TestDeskConventions)
#include "tst_desk_conventions_gui.moc"
