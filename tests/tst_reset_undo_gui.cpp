#include "app/window/command_button.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>

// Ctrl+Z right after Reset brings the examinee back, through real events.
class TestResetUndo : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void undoReset_data();
    void undoReset();

private:
    // Everything the desk sees of the examinee, and where the focus is.
    QStringList shown()
    {
        QStringList seen;
        for (const char *name : {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"}) {
            QLineEdit *field = w.field(name);
            seen << QStringLiteral("%1=%2 %3 %4 [%5]")
                        .arg(name, field->text(), field->palette().color(QPalette::Text).name(),
                             field->palette().color(QPalette::Base).name(), field->toolTip());
        }
        for (const char *name : {"Label30", "Label37", "Label15"}) {
            QLabel *label = w.label(name);
            seen << QStringLiteral("%1=%2 %3 [%4]")
                        .arg(name, label->text(), label->palette().color(QPalette::WindowText).name(),
                             label->toolTip());
        }
        for (int i = 1; i <= 10; ++i) {
            const QByteArray name = "Option" + QByteArray::number(i);
            seen << name + (w.option(name.constData())->isChecked() ? " on" : " off");
        }
        for (const char *name : {"Command1", "Command2"})
            seen << QLatin1String(name) + (static_cast<CommandButton *>(w.control(name))->isHeld() ? " held" : "");
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        seen << QStringLiteral("record ") + QGuiApplication::clipboard()->text();
        seen << QStringLiteral("focus ") + QApplication::focusWidget()->objectName();
        return seen;
    }
    void pressUndo() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier); }

    WindowFixture w;
};

void TestResetUndo::undoReset_data()
{
    QTest::addColumn<QString>("before"); // steps before Reset
    QTest::addColumn<QString>("reset");  // "mouse" or "keyboard" (Tab to Reset and Space)
    QTest::addColumn<QString>("after");  // steps between Reset and Ctrl+Z
    QTest::addColumn<bool>("restored");

    QTest::newRow("judged, Reset by mouse, undo on the sex group") << "judge"
                                                                   << "mouse"
                                                                   << "" << true;
    QTest::newRow("judged, Reset by keyboard, undo in a field") << "judge"
                                                                << "keyboard"
                                                                << "focus Text9" << true;
    QTest::newRow("out of date, with a mark") << "judge;Text12=9.5;Text1"
                                              << "mouse"
                                              << "" << true;
    QTest::newRow("Reset twice") << "judge"
                                 << "mouse"
                                 << "reset" << true;
    QTest::newRow("an entry after Reset ends the undo") << "judge"
                                                        << "mouse"
                                                        << "Text9=1;focus Option5" << false;
    QTest::newRow("a choice after Reset ends the undo") << "judge"
                                                        << "mouse"
                                                        << "Option2" << false;
    QTest::newRow("a judgement after Reset ends the undo") << "judge"
                                                           << "mouse"
                                                           << "Command2" << false;
}

void TestResetUndo::undoReset()
{
    QFETCH(QString, before);
    QFETCH(QString, reset);
    QFETCH(QString, after);
    QFETCH(bool, restored);

    const auto run = [this](const QString &steps) {
        for (const QString &step : steps.split(u';', Qt::SkipEmptyParts)) {
            const QStringList parts = step.split(u'=');
            const QByteArray name = parts[0].toLatin1();
            if (step == "judge") {
                const char *fields[] = {"Text9", "Text10", "Text12", "Text1", "Text2",
                                        "Text6", "Text7",  "Text4",  "Text5"};
                const char *values[] = {"170", "70", "95", "142", "87", "160", "38", "", "5.8"};
                for (int i = 0; i < 9; ++i)
                    w.type(fields[i], values[i]);
                w.click("Option10");
                w.click("Command1");
            } else if (step == "reset") {
                w.click("Command3");
            } else if (step.startsWith("focus ")) {
                w.control(qPrintable(step.mid(6)))->setFocus(Qt::TabFocusReason);
            } else if (parts.size() == 2) {
                w.type(name.constData(), parts[1]);
            } else {
                w.click(name.constData());
            }
        }
    };

    run(before);
    if (reset == "keyboard")
        w.control("Command3")->setFocus(Qt::TabFocusReason);
    const QStringList examinee = shown();
    if (reset == "keyboard")
        QTest::keyClick(w.control("Command3"), Qt::Key_Space);
    else
        w.click("Command3");
    QCOMPARE(w.field("Text9")->text(), QString());
    run(after);
    const QStringList beforeUndo = shown();
    pressUndo();
    // The message line says what Ctrl+Z did, also to a screen reader.
    const QString said =
        restored ? QStringLiteral("元に戻しました") : QStringLiteral("元に戻せるのは Reset か貼り付けの直後だけです");
    QCOMPARE(w.label("MessageLine")->text(), said);
    QCOMPARE(w.label("MessageLine")->accessibleName(), said);
    if (restored)
        QCOMPARE(shown(), examinee);
    else
        QCOMPARE(shown(), beforeUndo);
}

QTEST_MAIN(TestResetUndo)
#include "tst_reset_undo_gui.moc"
