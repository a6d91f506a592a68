#include "window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>

// Long random sessions of typing, pasting, Enter, Tab, arrow keys, option
// clicks, judgements and Reset on the real window. After every judgement the
// window must show what a fresh window shows for the same final entries and
// choices entered directly: its evaluation follows from what it shows, not
// from the path the user took.
class TestRandomSessions : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void sessions_data();
    void sessions();

private:
    void act(QRandomGenerator &random);
    void judgeAndCompare(const char *button);
    QString randomText(QRandomGenerator &random, int maxLength) const;

    WindowFixture w;
    int judgements = 0;
};

namespace {
const char *const kFields[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
const char *const kOptions[] = {"Option5", "Option6", "Option9", "Option10", "Option7",
                                "Option8", "Option3", "Option4", "Option1",  "Option2"};
const char *const kMarked[] = {"Text1", "Text2", "Text6", "Text7", "Text4", "Text5", "Label30", "Text12"};
} // namespace

QString TestRandomSessions::randomText(QRandomGenerator &random, int maxLength) const
{
    // Mostly what staff type, with what a careless paste brings along.
    static const QString common = QStringLiteral("0123456789012345678901234567890123456789...");
    static const QString rare = QStringLiteral("-- ,+eEDxa/:\t\n１０。ー");
    QString text;
    for (int i = int(random.bounded(maxLength + 1)); i > 0; --i) {
        const QString &pool = random.bounded(6) == 0 ? rare : common;
        text += pool[random.bounded(int(pool.size()))];
    }
    return text;
}

void TestRandomSessions::act(QRandomGenerator &random)
{
    const int dice = int(random.bounded(100));
    QWidget *focused = QApplication::focusWidget();
    if (dice < 35) {
        // Typed: each character as a key of its own; full-width ones arrive
        // as an input method would commit them.
        QLineEdit *field = w.field(kFields[random.bounded(9)]);
        QTest::mouseClick(field, Qt::LeftButton);
        if (random.bounded(2))
            field->selectAll();
        for (const QChar c : randomText(random, 5)) {
            if (c == u'\t' || c == u'\n')
                continue;
            QTest::sendKeyEvent(QTest::Click, field, c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        }
    } else if (dice < 45) {
        QLineEdit *field = w.field(kFields[random.bounded(9)]);
        QTest::mouseClick(field, Qt::LeftButton);
        QGuiApplication::clipboard()->setText(randomText(random, 12));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else if (dice < 55) {
        QTest::keyClick(focused, Qt::Key_Return);
    } else if (dice < 62) {
        QTest::keyClick(focused, Qt::Key_Backspace);
    } else if (dice < 70) {
        QTest::keyClick(focused, Qt::Key_Tab, random.bounded(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (dice < 75) {
        QTest::keyClick(focused, random.bounded(2) ? Qt::Key_Right : Qt::Key_Left);
    } else if (dice < 90) {
        w.click(kOptions[random.bounded(10)]);
    } else if (dice < 98) {
        judgeAndCompare(random.bounded(2) ? "Command1" : "Command2");
    } else {
        w.click("Command3");
    }
}

void TestRandomSessions::judgeAndCompare(const char *button)
{
    w.click(button);
    ++judgements;

    // The same entries, typed in the usual order into a fresh window.
    Form3 fresh;
    for (const char *option : kOptions) {
        if (w.option(option)->isChecked())
            fresh.findChild<QRadioButton *>(QLatin1String(option))->setChecked(true);
    }
    for (const char *name : kFields)
        fresh.findChild<QLineEdit *>(QLatin1String(name))->setText(w.field(name)->text());
    QTest::mouseClick(fresh.findChild<QWidget *>(QLatin1String(button)), Qt::LeftButton);

    const auto freshControl = [&](const char *name) { return fresh.findChild<QWidget *>(QLatin1String(name)); };
    for (const char *name : {"Label30", "Label37", "Label15"})
        QCOMPARE(w.label(name)->text(), qobject_cast<QLabel *>(freshControl(name))->text());
    for (const char *name : kMarked)
        QCOMPARE(textColour(w.control(name)), textColour(freshControl(name)));
}

void TestRandomSessions::sessions_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    QTest::newRow("seed 1") << 1u << 4000;
    QTest::newRow("seed 2") << 2u << 4000;
    QTest::newRow("seed 20261207") << 20261207u << 4000;
}

void TestRandomSessions::sessions()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);
    QRandomGenerator random(seed);
    judgements = 0;
    for (int i = 0; i < events && !QTest::currentTestFailed(); ++i)
        act(random);
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(judgements > events / 20, "too few judgements to prove anything");
}

QTEST_MAIN(TestRandomSessions)
#include "tst_random_sessions.moc"
