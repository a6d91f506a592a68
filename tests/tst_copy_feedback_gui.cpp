#include "app/results/record_copy.h"
#include "app/window/eliding_label.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>

#include <map>

// What the copy of the judged record says it did, the keys that open the
// record menu and the explanations, and the displays that never show part of
// a number; through the real window and real key and mouse events.
class TestCopyFeedback : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void eachColumnUnderItsHeading_data();
    void eachColumnUnderItsHeading();
    void messageLineSaysWhatTheCopyDid_data();
    void messageLineSaysWhatTheCopyDid();
    void messageStaysUntilTheNextEntry();
    void staleRowLeavesTheClipboard_data();
    void staleRowLeavesTheClipboard();
    void menuKeysOpenTheRecordMenuFromAField_data();
    void menuKeysOpenTheRecordMenuFromAField();
    void f1ExplainsWithoutTakingTheFocus_data();
    void f1ExplainsWithoutTakingTheFocus();
    void clickClosesTheExplanations();
    void longBmiIsElidedNotCut_data();
    void longBmiIsElidedNotCut();

private:
    void manOf43()
    {
        w.enter({}, {"170", "70", "95", "142", "87", "160", "38", "93", "5.2"});
        w.click("Command1");
    }
    QMenu *openRecordMenu();
    void chooseFromMenu(const QString &item);
    QString message() const { return w.label("MessageLine")->text(); }
    QString accessibleName(const char *name) const
    {
        return QAccessible::queryAccessibleInterface(w.control(name))->text(QAccessible::Name);
    }
    QLabel *popup() const { return w.window->findChild<QLabel *>(QStringLiteral("ExplanationPopup")); }

    WindowFixture w;
};

namespace {

const QString kCopied = QStringLiteral("コピーしました");
const QString kNothingToCopy = QStringLiteral("コピーする判定結果がありません");
const QString kOutdated = QStringLiteral("判定のあとで入力が変わりました。もう一度判定してください。");
const QString kNothingYet = QStringLiteral("まだ判定していません。");

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

QImage picture(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

QMenu *TestCopyFeedback::openRecordMenu()
{
    QWidget *label = w.control("Label15");
    QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {}, label->mapTo(w.window.get(), QPoint(10, 10)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu && !QTest::qWaitForWindowExposed(menu))
        return nullptr;
    return menu;
}

void TestCopyFeedback::chooseFromMenu(const QString &item)
{
    QMenu *menu = openRecordMenu();
    QVERIFY(menu);
    for (QAction *action : menu->actions()) {
        if (action->text() == item)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }
    QTRY_VERIFY(!menu->isVisible());
}

void TestCopyFeedback::eachColumnUnderItsHeading_data()
{
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected"); // heading=value

    // Every entry a number of its own; between the two examinees every pair
    // of the choice columns differs at least once (あり/なし).
    QTest::newRow("woman, 65-74, pressure and glucose drugs")
        << "Option6 Option10 Option4" << QStringList{"171", "72", "93", "141", "86", "161", "39", "101", "5.7"}
        << "Command2"
        << QStringList{"年齢区分=65歳～74歳",
                       "性別=女性",
                       "身長=171",
                       "体重=72",
                       "BMI=24.6",
                       "腹囲=93",
                       "最高血圧=141",
                       "最低血圧=86",
                       "中性脂肪=161",
                       "HDL-CHO=39",
                       "空腹時血糖=101",
                       "HbA1c=5.7",
                       "血圧 薬剤治療=あり",
                       "脂質 薬剤治療=なし",
                       "血糖 薬剤治療=あり",
                       "喫煙=なし",
                       "メタボリックシンドローム=１ 基準該当",
                       "保健指導レベル=３ なし",
                       "メタボリックシンドローム判定コード=1",
                       "保健指導レベルコード=3",
                       "確認="};
    QTest::newRow("man, 40-64, pressure and lipid drugs, non-smoker")
        << "Option10 Option8" << QStringList{"168", "64", "88", "128", "79", "142", "52", "97", "5.4"} << "Command1"
        << QStringList{"年齢区分=40歳～64歳",
                       "性別=男性",
                       "身長=168",
                       "体重=64",
                       "BMI=22.7",
                       "腹囲=88",
                       "最高血圧=128",
                       "最低血圧=79",
                       "中性脂肪=142",
                       "HDL-CHO=52",
                       "空腹時血糖=97",
                       "HbA1c=5.4",
                       "血圧 薬剤治療=あり",
                       "脂質 薬剤治療=あり",
                       "血糖 薬剤治療=なし",
                       "喫煙=なし",
                       "メタボリックシンドローム=１ 基準該当",
                       "保健指導レベル=３ なし",
                       "メタボリックシンドローム判定コード=1",
                       "保健指導レベルコード=3",
                       "確認="};
}

void TestCopyFeedback::eachColumnUnderItsHeading()
{
    QFETCH(QString, choices);
    QFETCH(QStringList, values);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);

    w.enter(choices, values);
    w.click(button.toLatin1().constData());
    chooseFromMenu(QStringLiteral("見出し付きでコピー"));

    // Each line ends with CRLF, the heading line too.
    QVERIFY(clipboardText().endsWith(QStringLiteral("\r\n")));
    const QStringList lines = clipboardText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QStringList headings = lines[0].split(u'\t');
    const QStringList row = lines[1].split(u'\t');
    QCOMPARE(headings.size(), 21);
    QCOMPARE(row.size(), headings.size());
    std::map<QString, QString> copied;
    for (qsizetype i = 0; i < headings.size(); ++i)
        copied[headings[i]] = row[i];
    QCOMPARE(copied.size(), std::size_t(headings.size())); // no heading twice
    for (const QString &pair : expected) {
        const QString heading = pair.section(u'=', 0, 0);
        QVERIFY2(copied.count(heading), qPrintable(heading));
        QCOMPARE(copied[heading], pair.section(u'=', 1));
    }
}

void TestCopyFeedback::messageLineSaysWhatTheCopyDid_data()
{
    QTest::addColumn<QString>("before"); // what the user did first
    QTest::addColumn<QString>("how");    // "shortcut", or the menu item
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("copies");

    QTest::newRow("judged, shortcut") << "judge"
                                      << "shortcut" << kCopied << true;
    QTest::newRow("judged, menu with headings") << "judge"
                                                << "見出し付きでコピー" << kCopied << true;
    QTest::newRow("before a judgement") << ""
                                        << "shortcut" << kNothingToCopy << false;
    QTest::newRow("after Reset") << "judge reset"
                                 << "shortcut" << kNothingToCopy << false;
    QTest::newRow("out of date, shortcut") << "judge outdated"
                                           << "shortcut" << kOutdated << false;
    QTest::newRow("out of date, menu") << "judge outdated"
                                       << "結果をコピー" << kOutdated << false;
    QTest::newRow("judged again") << "judge outdated current"
                                  << "shortcut" << kCopied << true;
}

void TestCopyFeedback::messageLineSaysWhatTheCopyDid()
{
    QFETCH(QString, before);
    QFETCH(QString, how);
    QFETCH(QString, said);
    QFETCH(bool, copies);

    QVERIFY(message().isEmpty());
    for (const QString &step : before.split(u' ', Qt::SkipEmptyParts)) {
        if (step == "judge")
            manOf43();
        else if (step == "reset")
            w.click("Command3");
        else // out of date by a changed entry, current again by its judged value
            w.window->controls().setText(Field::Text1,
                                         step == "outdated" ? QStringLiteral("150") : QStringLiteral("142"));
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    if (how == "shortcut")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else
        chooseFromMenu(how);

    QCOMPARE(message(), said);
    QLabel *line = w.label("MessageLine");
    QVERIFY(line->isVisible());
    QVERIFY2(QFontMetrics(line->font()).horizontalAdvance(said) <= line->contentsRect().width(), "cut");
    QCOMPARE(accessibleName("MessageLine"), said);
    QCOMPARE(clipboardText() != QStringLiteral("untouched"), copies);
}

void TestCopyFeedback::messageStaysUntilTheNextEntry()
{
    manOf43();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(message(), kCopied);
    QTest::qWait(2500);
    QCOMPARE(message(), kCopied);
    w.type("Text7", "39");
    QVERIFY(message().isEmpty());
    // Out of the way of a screen reader too, until the next message.
    QVERIFY(w.label("MessageLine")->isHidden());
}

// A refused copy takes Kalvemo's own stale row off the clipboard, and
// nothing else: the previous examinee's results must not be pasted in the
// sheet by mistake, and a row copied before Reset is still there to paste.
void TestCopyFeedback::staleRowLeavesTheClipboard_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("ourRowStays");
    QTest::addColumn<QString>("said");

    const QString removed = QStringLiteral("ので、クリップボードの前の行を消しました");
    QTest::newRow("copy, Reset: the row stays to paste") << "copy reset" << true << QString();
    QTest::newRow("copy, Reset, copy refused")
        << "copy reset copy" << false << QStringLiteral("判定結果がない") + removed;
    QTest::newRow("copy, out of date, copy refused")
        << "copy outdated copy" << false << QStringLiteral("入力が変わった") + removed;
    QTest::newRow("someone else's text is kept") << "copy other reset copy" << false << kNothingToCopy;
}

void TestCopyFeedback::staleRowLeavesTheClipboard()
{
    QFETCH(QString, steps);
    QFETCH(bool, ourRowStays);
    QFETCH(QString, said);

    manOf43();
    QString ours;
    for (const QString &step : steps.split(u' ')) {
        if (step == "copy") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            if (ours.isEmpty())
                ours = clipboardText();
        } else if (step == "reset") {
            w.click("Command3");
        } else if (step == "outdated") {
            w.type("Text1", "150");
        } else if (step == "other") {
            QGuiApplication::clipboard()->setText(QStringLiteral("someone else's"));
        }
    }
    QVERIFY(!ours.isEmpty());
    if (steps.contains("other"))
        QCOMPARE(clipboardText(), QStringLiteral("someone else's"));
    else
        QCOMPARE(clipboardText() == ours, ourRowStays);
    QCOMPARE(message(), said);
    QLabel *line = w.label("MessageLine");
    QVERIFY2(QFontMetrics(line->font()).horizontalAdvance(said) <= line->contentsRect().width(), "cut");
}

void TestCopyFeedback::menuKeysOpenTheRecordMenuFromAField_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("from"); // the control with the focus
    QTest::newRow("Shift+F10 in a field") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "Text1";
    QTest::newRow("Menu key in a field") << int(Qt::Key_Menu) << int(Qt::NoModifier) << "Text1";
    QTest::newRow("right click in a field") << 0 << 0 << "Text1";
    QTest::newRow("Shift+F10 on an option") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "Option5";
}

// One context menu: in a field, the field's own editing items with the
// results' items below them; elsewhere the results' items at the results.
// Either way the copy acts and the focus stays where it was.
void TestCopyFeedback::menuKeysOpenTheRecordMenuFromAField()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, from);

    manOf43();
    QWidget *control = w.control(from.toLatin1().constData());
    w.click(from.toLatin1().constData());
    if (key)
        QTest::keyClick(control, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {}, control->mapTo(w.window.get(), QPoint(5, 5)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    const bool inField = qobject_cast<QLineEdit *>(control);
    QCOMPARE(menu->objectName(), inField ? QStringLiteral("fieldMenu") : QStringLiteral("judgedRecordMenu"));
    QAction *copyRow = nullptr;
    bool editing = false;
    for (QAction *action : menu->actions()) {
        if (action->text() == QStringLiteral("結果をコピー"))
            copyRow = action;
        // The field's own paste item, "&Paste" in any language, with its key.
        const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        editing = editing || action->text().endsWith(u'\t' + pasteKey);
    }
    QVERIFY(copyRow);
    QCOMPARE(editing, inField);
    if (!inField) {
        const QRect results(w.control("Label37")->mapToGlobal(QPoint(0, 0)), w.control("Label15")->size());
        QVERIFY(menu->geometry().intersects(results.adjusted(0, 0, 0, results.height())));
    }

    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(copyRow).center());
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(message(), kCopied);
    QCOMPARE(QApplication::focusWidget(), control);
}

void TestCopyFeedback::f1ExplainsWithoutTakingTheFocus_data()
{
    QTest::addColumn<bool>("judged");
    QTest::addColumn<QString>("shown");
    QTest::newRow("before a judgement") << false << kNothingYet;
    QTest::newRow("after a judgement") << true << QString(); // both tooltips, filled in below
}

// The focus went to the systolic field before the judgement, by the
// keyboard; the judgement coloured it red. Opening and closing the
// explanations must neither move the focus nor bring it back to the field,
// which would turn the value black.
void TestCopyFeedback::f1ExplainsWithoutTakingTheFocus()
{
    QFETCH(bool, judged);
    QFETCH(QString, shown);

    w.enter({}, {"170", "70", "95", "142", "87", "160", "38", "93", "5.2"});
    QLineEdit *field = w.field("Text1");
    w.click("Text1");
    if (judged) {
        // Pressed without taking the focus from the field.
        qobject_cast<QAbstractButton *>(w.control("Command1"))->click();
        shown = QStringLiteral("メタボリックシンドローム:\n") + w.label("Label37")->toolTip()
                + QStringLiteral("\n\n保健指導レベル:\n") + w.label("Label15")->toolTip()
                + QStringLiteral("\n\nキー: 40歳～64歳 Alt+4、65歳～74歳 Alt+6、Reset Alt+R");
        QVERIFY(!w.label("Label37")->toolTip().isEmpty());
    }
    const QColor colour = textColour(field);
    if (judged)
        QVERIFY(colour != QColor(Qt::black));

    QTest::keyClick(field, Qt::Key_F1);
    QVERIFY(popup());
    QTRY_VERIFY(popup()->isVisible());
    QCOMPARE(popup()->text(), shown);
    QCOMPARE(accessibleName("ExplanationPopup"), shown);
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(QApplication::activeWindow() == w.window.get());

    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!popup()->isVisible());
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(textColour(field), colour);
    QCOMPARE(field->text(), QStringLiteral("142"));
}

void TestCopyFeedback::clickClosesTheExplanations()
{
    manOf43();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTRY_VERIFY(popup()->isVisible());
    w.click("Label37");
    QVERIFY(!popup()->isVisible());
}

void TestCopyFeedback::longBmiIsElidedNotCut_data()
{
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("bmi");
    QTest::addColumn<bool>("fits");
    QTest::newRow("fits") << "170"
                          << "70"
                          << "24.2" << true;
    QTest::newRow("height in metres") << "1.7"
                                      << "65"
                                      << "224913.5" << false;
}

void TestCopyFeedback::longBmiIsElidedNotCut()
{
    QFETCH(QString, height);
    QFETCH(QString, weight);
    QFETCH(QString, bmi);
    QFETCH(bool, fits);

    w.type("Text9", height);
    w.type("Text10", weight);
    auto *display = qobject_cast<ElidingLabel *>(w.control("Label30"));
    QVERIFY(display);
    // The rules and the screen reader have the whole number.
    QCOMPARE(display->text(), bmi);
    QCOMPARE(accessibleName("Label30"), bmi);

    const QString drawn = display->drawnText();
    if (fits) {
        QCOMPARE(drawn, bmi);
    } else {
        QVERIFY2(drawn.endsWith(u'…'), qPrintable(drawn));
        QVERIFY2(bmi.startsWith(drawn.chopped(1)), qPrintable(drawn)); // its leading digits, if any
    }
    // Drawn as a plain label of the same look draws the drawn text: pixel
    // for pixel as before where it fits, the elided text where it does not.
    QLabel plain(drawn);
    plain.setFont(display->font());
    plain.setPalette(display->palette());
    plain.setFrameStyle(display->frameStyle());
    plain.setLineWidth(display->lineWidth());
    plain.setAlignment(display->alignment());
    plain.resize(display->size());
    QCOMPARE(picture(display), picture(&plain));
}

QTEST_MAIN(TestCopyFeedback)
#include "tst_copy_feedback_gui.moc"
