#include "window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRandomGenerator>

// Long random sessions of typing, pasting, Enter, Tab, arrow keys, option
// clicks, judgements and Reset on the real window. After every judgement the
// window must show, and hold in its indicators, what a fresh window holds for
// the same final entries and choices entered directly, the choices made
// before the values or after them: its evaluation follows from what it
// shows, not from the path the user took.
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
// Values that staff type into each field, on both sides of its limits, so
// that each risk comes and goes on its own.
const QStringList kNearLimits[] = {
    {"", "150", "160", "170"},                        // Text9 height
    {"", "50", "64", "80"},                           // Text10 weight
    {"", "80", "84.9", "85", "89.9", "90"},           // Text12 waist
    {"", "120", "129.9", "130"},                      // Text1 systolic
    {"", "70", "84", "85"},                           // Text2 diastolic
    {"", "100", "149", "150"},                        // Text6 triglycerides
    {"", "0", "39.9", "40", "60"},                    // Text7 HDL
    {"", "90", "99.9", "100", "105", "109.9", "110"}, // Text4 fasting glucose
    {"", "5.0", "5.59", "5.6", "5.8", "5.99", "6.0"}, // Text5 HbA1c
};
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
    if (dice < 20) {
        // A value typed over the field's text, one that lies at or next to
        // a limit of some criterion, so that each risk comes and goes alone.
        const int which = int(random.bounded(9));
        QLineEdit *field = w.field(kFields[which]);
        QTest::mouseClick(field, Qt::LeftButton);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        const QStringList &values = kNearLimits[which];
        QTest::keyClicks(field, values[random.bounded(int(values.size()))]);
    } else if (dice < 35) {
        // Typed: each character as a key of its own; full-width ones arrive
        // as an input method would commit them.
        QLineEdit *field = w.field(kFields[random.bounded(9)]);
        QTest::mouseClick(field, Qt::LeftButton);
        if (random.bounded(2))
            field->selectAll();
        for (const QChar c : randomText(random, 5)) {
            if (c == u'\t' || c == u'\n')
                continue;
            QTest::sendKeyEvent(QTest::Click, field,
                                c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
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

    // The same entries and choices in a fresh window, once with the choices
    // made before the values are typed and once after: a choice must weigh
    // the values already entered as a later value weighs the choices.
    for (const bool choicesFirst : {true, false}) {
        Form3 fresh;
        const auto freshControl = [&](const char *name) { return fresh.findChild<QWidget *>(QLatin1String(name)); };
        const auto choose = [&] {
            for (const char *option : kOptions) {
                if (w.option(option)->isChecked())
                    qobject_cast<QRadioButton *>(freshControl(option))->setChecked(true);
            }
        };
        if (choicesFirst)
            choose();
        for (const char *name : kFields)
            qobject_cast<QLineEdit *>(freshControl(name))->setText(w.field(name)->text());
        if (!choicesFirst)
            choose();
        QTest::mouseClick(freshControl(button), Qt::LeftButton);

        const char *order = choicesFirst ? "choices first" : "choices last";
        for (const char *name : {"Label30", "Label37", "Label15"}) {
            QVERIFY2(w.label(name)->text() == qobject_cast<QLabel *>(freshControl(name))->text(),
                     qPrintable(QStringLiteral("%1, %2: %3 against %4")
                                    .arg(QLatin1String(order), QLatin1String(name), w.label(name)->text(),
                                         qobject_cast<QLabel *>(freshControl(name))->text())));
        }
        for (const char *name : kMarked)
            QVERIFY2(textColour(w.control(name)) == textColour(freshControl(name)),
                     qPrintable(QStringLiteral("%1, colour of %2").arg(QLatin1String(order), QLatin1String(name))));
        // What the window concluded, result or not: every indicator reads
        // the same, whether or not the judgement shows the difference.
        for (std::size_t i = 0; i < kIndicatorCount; ++i) {
            const auto which = Indicator(i);
            QVERIFY2(w.value(which) == fresh.controls().indicators().value(which),
                     qPrintable(QStringLiteral("%1, indicator #%2: %3 against %4")
                                    .arg(QLatin1String(order))
                                    .arg(i)
                                    .arg(w.indicator(which), fresh.controls().indicators().text(which))));
        }
    }
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
