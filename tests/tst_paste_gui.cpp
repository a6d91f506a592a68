#include "app/window/command_button.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QMenu>

// One examinee pasted into the window from the clipboard, through real keys
// and the context menu: filled as if typed, all or nothing, undone by Ctrl+Z.
class TestPaste : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void roundTrip_data();
    void roundTrip();
    void refusedPasteLeavesTheWindow_data();
    void refusedPasteLeavesTheWindow();
    void spreadsheetRowsAndUndo();
    void focusAndBandAfterPaste_data();
    void focusAndBandAfterPaste();

private:
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    // The whole message, as a screen reader hears it; the line shows it
    // whole where it fits.
    QString message() const { return w.label("MessageLine")->accessibleName(); }
    bool messageFits() const
    {
        QLabel *line = w.label("MessageLine");
        return QFontMetrics(line->font()).horizontalAdvance(line->text()) <= line->contentsRect().width();
    }
    void pasteByKey()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    }
    void pasteByMenu();
    void copyWithHeadings();
    void enterExaminee()
    {
        w.click("Option6");  // female
        w.click("Option10"); // blood-pressure drugs
        const char *fields[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
        const char *values[] = {"158", "66.5", "92", "128", "84", "155", "39", "", "5.9"};
        for (int i = 0; i < 9; ++i)
            w.type(fields[i], QLatin1String(values[i]));
    }
    // What the window shows of the examinee: fields, choices, results.
    QStringList shown() const
    {
        QStringList seen;
        for (const char *name : {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"})
            seen << w.field(name)->text();
        for (const char *name : {"Label30", "Label37", "Label15"})
            seen << w.label(name)->text();
        for (int i = 1; i <= 10; ++i)
            seen << QString::number(w.option(("Option" + QByteArray::number(i)).constData())->isChecked());
        return seen;
    }

    WindowFixture w;
};

void TestPaste::pasteByMenu()
{
    QWidget *label = w.control("Label15");
    QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {}, label->mapTo(w.window.get(), QPoint(10, 10)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("貼り付け (受診者)"))
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QTRY_VERIFY(!menu->isVisible());
}

void TestPaste::copyWithHeadings()
{
    QWidget *label = w.control("Label15");
    QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {}, label->mapTo(w.window.get(), QPoint(10, 10)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("見出し付きでコピー"))
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QTRY_VERIFY(!menu->isVisible());
}

void TestPaste::roundTrip_data()
{
    QTest::addColumn<bool>("headings");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QString>("button");
    QTest::newRow("with headings, Ctrl+Shift+V, 40-64") << true << false << "Command1";
    QTest::newRow("the row alone, menu, 65-74") << false << true << "Command2";
}

// Judge, copy, Reset, paste, judge: the same record, and the message names
// the button of the band the row tells.
void TestPaste::roundTrip()
{
    QFETCH(bool, headings);
    QFETCH(bool, byMenu);
    QFETCH(QString, button);

    enterExaminee();
    w.click(button.toLatin1().constData());
    if (headings)
        copyWithHeadings();
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString copied = clipboard();
    const QStringList judged = shown();
    w.click("Command3");

    byMenu ? pasteByMenu() : pasteByKey();
    const QString band = qobject_cast<QAbstractButton *>(w.control(button.toLatin1().constData()))->text();
    QCOMPARE(message(), QStringLiteral("貼り付けました。") + band + QStringLiteral(" を押して判定してください"));
    QCOMPARE(w.label("MessageLine")->text(), message());
    QCOMPARE(QApplication::focusWidget(), w.control("Option6")); // her sex, as Tab reaches the group
    QVERIFY(w.label("Label37")->text().isEmpty());               // nothing judged by itself
    QCOMPARE(clipboard(), copied);                               // the clipboard only read
    w.click(button.toLatin1().constData());
    QCOMPARE(shown(), judged);
    if (headings)
        copyWithHeadings();
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard(), copied);
}

void TestPaste::refusedPasteLeavesTheWindow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("said");
    const QString no = QStringLiteral("貼り付けませんでした: ");
    QTest::newRow("empty clipboard") << "" << no + "クリップボードに受診者の行がありません";
    QTest::newRow("no heading") << "170\t65\t88"
                                << no + "見出しの行がありません (身長・体重などの見出しが見つかりません)";
    QTest::newRow("heading only") << "身長\t体重\r\n" << no + "見出しの下に受診者の行がありません";
    QTest::newRow("a letter in a value") << "身長\t中性脂肪\r\n170\t1S0\r\n"
                                         << no + "中性脂肪 \"1S0\" は数値として読めません";
    QTest::newRow("full-width digits") << "身長\t体重\r\n１７０\t65\r\n"
                                       << no + "身長 \"１７０\" は全角の数字です: 数値は半角で入力してください";
    QTest::newRow("long heading and cell")
        << "HDLコレステロール(mg/dL)\r\n１２０．５０\r\n"
        << no + "HDLコレステロール(mg/dL) \"１２０．５０\" は全角の数字です: 数値は半角で入力してください";
    QTest::newRow("a choice neither yes nor no")
        << "体重\t喫煙\r\n65\tときどき\r\n"
        << no + "喫煙 \"ときどき\" はあり・なしとして読めません (1 あり / 2 なし)";
}

// All or nothing: the window stays exactly as it was.
void TestPaste::refusedPasteLeavesTheWindow()
{
    QFETCH(QString, text);
    QFETCH(QString, said);

    enterExaminee();
    w.click("Command1");
    const QStringList before = shown();
    QGuiApplication::clipboard()->setText(text);
    pasteByKey();
    QCOMPARE(message(), said);
    QVERIFY(messageFits());
    QCOMPARE(shown(), before);
    QCOMPARE(clipboard(), text);
}

// A day's list in a spreadsheet: columns of its own, Japanese names, the
// desk's headings, several rows; the first is pasted, and Ctrl+Z brings the
// examinee before back.
void TestPaste::spreadsheetRowsAndUndo()
{
    enterExaminee();
    w.click("Command2");
    const QStringList before = shown();

    QGuiApplication::clipboard()->setText(
        QStringLiteral("受診者ID\t氏名\t性別\t身長(cm)\t体重(kg)\t腹囲(cm)\t収縮期血圧\t拡張期血圧\t中性脂肪\t"
                       "HDLコレステロール\t空腹時血糖\tHbA1c(NGSP)\t服薬(血圧)\t服薬(脂質)\t服薬(血糖)\t喫煙\r\n"
                       "A-0012\t髙橋 﨑子\t男\t171.5\t80\t96\t142\t92\t180\t35\t\t6.2\tなし\tなし\tなし\tはい\r\n"
                       "A-0013\t鈴木 一郎\t女\t160\t55\t80\t120\t70\t90\t60\t95\t5.4\tなし\tなし\tなし\tいいえ\r\n"));
    pasteByKey();
    QCOMPARE(message(), QStringLiteral("最初の行の受診者を貼り付けました"));
    QCOMPARE(w.field("Text9")->text(), QStringLiteral("171.5"));
    QCOMPARE(w.field("Text4")->text(), QString());
    QVERIFY(w.option("Option5")->isChecked());                    // male
    QVERIFY(w.option("Option2")->isChecked());                    // smoker
    QCOMPARE(w.label("Label30")->text(), QStringLiteral("27.2")); // the BMI computed, as typed
    QVERIFY(w.label("Label37")->text().isEmpty());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(message(), QStringLiteral("元に戻しました"));
    QCOMPARE(shown(), before);
}

void TestPaste::focusAndBandAfterPaste_data()
{
    QTest::addColumn<QString>("sex");   // the row's 性別 cell; empty: no such column
    QTest::addColumn<QString>("band");  // the row's 年齢区分 cell; empty: no such column
    QTest::addColumn<QString>("after"); // steps between the paste and the judgement
    QTest::addColumn<QString>("press"); // a band button clicked, or its key
    QTest::addColumn<QString>("focus"); // where the paste put the focus
    QTest::addColumn<QString>("said");  // the message line after the judgement

    const QString young = QStringLiteral("40歳～64歳");
    const QString old = QStringLiteral("65歳～74歳");
    const auto other = [](const QString &pasted, const QString &judged) {
        return QStringLiteral("貼り付けた行は ") + pasted + QStringLiteral("。") + judged
               + QStringLiteral(" で判定しました");
    };
    QTest::newRow("female, row 65-74, 40-64 clicked") << "女" << old << ""
                                                      << "Command1"
                                                      << "Option6" << other(old, young);
    QTest::newRow("male, row 40-64, Alt+6") << "男" << young << ""
                                            << "Alt+6"
                                            << "Option5" << other(young, old);
    QTest::newRow("female, row 40-64, Alt+6") << "女" << young << ""
                                              << "Alt+6"
                                              << "Option6" << other(young, old);
    QTest::newRow("no sex cell, the row's own band") << "" << old << ""
                                                     << "Command2"
                                                     << "Option5"
                                                     << "";
    QTest::newRow("no band in the row") << "女"
                                        << ""
                                        << ""
                                        << "Command1"
                                        << "Option6"
                                        << "";
    QTest::newRow("the band kept over an entry") << "女" << old << "Text9=171"
                                                 << "Alt+4"
                                                 << "Option6" << other(old, young);
    QTest::newRow("the band gone after Reset") << "女" << old << "reset"
                                               << "Command1"
                                               << "Option6"
                                               << "";
    QTest::newRow("the band gone with the paste's undo") << "女" << old << "undo"
                                                         << "Command1"
                                                         << "Option6"
                                                         << "";
    QTest::newRow("the band gone after Reset and Ctrl+Z") << "女" << old << "reset;undo"
                                                          << "Command1"
                                                          << "Option6"
                                                          << "";
    QTest::newRow("the band gone with the next paste") << "女" << old << "paste without band"
                                                       << "Command1"
                                                       << "Option6"
                                                       << "";
}

// After a paste the focus stands on the sex the row selected, as Tab would
// reach the group, so Space changes nothing; a band button other than the
// row's judges as pressed, and the message line says so until the next entry.
void TestPaste::focusAndBandAfterPaste()
{
    QFETCH(QString, sex);
    QFETCH(QString, band);
    QFETCH(QString, after);
    QFETCH(QString, press);
    QFETCH(QString, focus);
    QFETCH(QString, said);

    const auto clipboardRow = [&sex](const QString &bandCell) {
        QStringList headings{"身長",     "体重",    "腹囲",       "最高血圧", "最低血圧",
                             "中性脂肪", "HDL-CHO", "空腹時血糖", "HbA1c"};
        QStringList cells{"165", "72", "92", "136", "86", "170", "42", "104", "5.8"};
        if (!sex.isEmpty()) {
            headings.prepend(QStringLiteral("性別"));
            cells.prepend(sex);
        }
        if (!bandCell.isEmpty()) {
            headings.prepend(QStringLiteral("年齢区分"));
            cells.prepend(bandCell);
        }
        return headings.join(u'\t') + QStringLiteral("\r\n") + cells.join(u'\t') + QStringLiteral("\r\n");
    };
    const auto pasteRow = [&](const QString &bandCell) {
        QGuiApplication::clipboard()->setText(clipboardRow(bandCell));
        pasteByKey();
        QVERIFY2(!message().startsWith(QStringLiteral("貼り付けませんでした")), qPrintable(message()));
    };

    pasteRow(band);
    const bool female = sex == QStringLiteral("女");
    QCOMPARE(QApplication::focusWidget(), w.control(qPrintable(focus)));
    QVERIFY(w.option(qPrintable(focus))->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(w.option("Option6")->isChecked(), female);

    for (const QString &step : after.split(u';', Qt::SkipEmptyParts)) {
        if (step == "reset") {
            w.click("Command3");
        } else if (step == "undo") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(message(), QStringLiteral("元に戻しました"));
        } else if (step == "paste without band") {
            pasteRow({});
        } else {
            const QStringList typed = step.split(u'=');
            w.type(qPrintable(typed[0]), typed[1]);
        }
    }

    if (press.startsWith("Alt+"))
        QTest::keyClick(QApplication::focusWidget(), press.back().toLatin1(), Qt::AltModifier);
    else
        w.click(qPrintable(press));
    const bool young = press == "Command1" || press == "Alt+4";
    QVERIFY(static_cast<CommandButton *>(w.control("Command1"))->isHeld() == young);
    QVERIFY(static_cast<CommandButton *>(w.control("Command2"))->isHeld() == !young);
    QCOMPARE(message(), said);
    QCOMPARE(w.label("MessageLine")->text(), said); // shown whole, not cut short
    QCOMPARE(w.label("MessageLine")->isVisible(), !said.isEmpty());

    // The next entry ends the message.
    w.type("Text10", QStringLiteral("73"));
    QCOMPARE(message(), QString());
}

QTEST_MAIN(TestPaste)
#include "tst_paste_gui.moc"
