#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QToolTip>

// The judged record through the real window: the explanation on each result
// label, and the record copied with the shortcut and the context menu.
class TestJudgedRecord : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void explainedExaminees_data();
    void explainedExaminees();
    void tooltipShownOnHover();
    void copiedRecord_data();
    void copiedRecord();
    void pastedControlCharacterStaysInOneColumn_data();
    void pastedControlCharacterStaysInOneColumn();
    void nothingToCopyBeforeJudgementAndAfterReset();
    void promptReplacesTheWholeRecord();

private:
    void manOf43();
    QMenu *openRecordMenu(const char *resultLabel);
    void pressCopyShortcut()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QString description(const char *name) const
    {
        return QAccessible::queryAccessibleInterface(w.control(name))->text(QAccessible::Description);
    }

    WindowFixture w;
};

namespace {

const QString kManOf43Class =
    QStringLiteral("腹囲 95 cm ≥ 85 cm (男性)\n"
                   "該当: 血圧 (最高血圧 142 mmHg ≥ 130 mmHg、最低血圧 87 mmHg ≥ 85 mmHg)、脂質 (中性脂肪 160 mg/dL ≥ "
                   "150 mg/dL、HDL-CHO 38 mg/dL < 40 mg/dL)\n"
                   "該当なし: 血糖\n"
                   "腹囲が基準値以上で2項目以上に該当 → １ 基準該当");
const QString kManOf43Guidance =
    QStringLiteral("腹囲 95 cm ≥ 85 cm (男性)\n"
                   "追加リスク2つ: 血圧 (最高血圧 142 mmHg ≥ 130 mmHg、最低血圧 87 mmHg ≥ 85 mmHg)、脂質 (中性脂肪 160 "
                   "mg/dL ≥ 150 mg/dL、HDL-CHO 38 mg/dL < 40 mg/dL)\n"
                   "リスクなし: 血糖\n"
                   "喫煙: なし (数えない)\n"
                   "40歳～64歳: 腹囲が基準値以上、追加リスク2つ以上 → １ 積極的支援");
const QString kManOf43Row = QStringLiteral("40歳～64歳\t男性\t170\t70\t24.2\t95\t142\t87\t160\t38\t93\t5.2\t"
                                           "なし\tなし\tなし\tなし\t１ 基準該当\t１ 積極的支援\t1\t1\t");
const QString kCrlf = QStringLiteral("\r\n");
const QString kHeadings =
    QStringLiteral("年齢区分\t性別\t身長\t体重\tBMI\t腹囲\t最高血圧\t最低血圧\t中性脂肪\tHDL-CHO\t空腹時血糖\tHbA1c\t"
                   "血圧 薬剤治療\t脂質 薬剤治療\t血糖 薬剤治療\t喫煙\tメタボリックシンドローム\t保健指導レベル\t"
                   "メタボリックシンドローム判定コード\t保健指導レベルコード\t確認");

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

} // namespace

// The examinee of the desk's example: 43, non-smoker, no drugs.
void TestJudgedRecord::manOf43()
{
    w.enter({}, {"170", "70", "95", "142", "87", "160", "38", "93", "5.2"});
    w.click("Command1");
}

QMenu *TestJudgedRecord::openRecordMenu(const char *resultLabel)
{
    // A right click through the window, as the platform delivers it, so that
    // the window turns it into the context-menu request.
    QWidget *label = w.control(resultLabel);
    const QPoint at = label->mapTo(w.window.get(), label->rect().center());
    QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, {}, at);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu && !QTest::qWaitForWindowExposed(menu))
        return nullptr;
    return menu;
}

void TestJudgedRecord::explainedExaminees_data()
{
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("classWhy");
    QTest::addColumn<QString>("guidanceWhy");

    const QStringList manOf43{"170", "70", "95", "142", "87", "160", "38", "93", "5.2"};
    QTest::newRow("man of 43, 40-64") << "" << manOf43 << "Command1" << kManOf43Class << kManOf43Guidance;
    QTest::newRow("same man, 65-74")
        << "" << manOf43 << "Command2" << kManOf43Class
        << QStringLiteral("腹囲 95 cm ≥ 85 cm (男性)\n"
                          "追加リスク2つ: 血圧 (最高血圧 142 mmHg ≥ 130 mmHg、最低血圧 87 mmHg ≥ 85 mmHg)、"
                          "脂質 (中性脂肪 160 mg/dL ≥ 150 mg/dL、HDL-CHO 38 mg/dL < 40 mg/dL)\n"
                          "リスクなし: 血糖\n"
                          "喫煙: なし (数えない)\n"
                          "65歳～74歳: 腹囲が基準値以上、追加リスク2つ以上 "
                          "(65歳～74歳は積極的支援に該当しても動機付け支援) → ２ 動機付け支援");
    QTest::newRow("woman, BMI only, smoker with two other risks")
        << "Option6 Option2" << QStringList{"160", "70", "85", "135", "80", "120", "45", "104", ""} << "Command1"
        << QStringLiteral("腹囲 85 cm < 90 cm (女性)、BMI 27.3 kg/m² ≥ 25 kg/m²\n"
                          "腹囲が基準値未満 (BMI だけでは該当しない) → ３ 非該当")
        << QStringLiteral(
               "腹囲 85 cm < 90 cm (女性)、BMI 27.3 kg/m² ≥ 25 kg/m²\n"
               "追加リスク3つ: 血圧 (最高血圧 135 mmHg ≥ 130 mmHg)、血糖 (空腹時血糖 104 mg/dL ≥ 100 mg/dL)、喫煙\n"
               "リスクなし: 脂質\n"
               "喫煙: あり (血圧・脂質・血糖のリスクがあるため追加リスクに数える)\n"
               "40歳～64歳: 腹囲が基準値未満で BMI 25 kg/m² 以上、追加リスク3つ以上 → １ 積極的支援");
    QTest::newRow("pressure drugs, normal values")
        << "Option10" << QStringList{"170", "70", "90", "120", "70", "100", "60", "90", "5.0"} << "Command1"
        << QStringLiteral("腹囲 90 cm ≥ 85 cm (男性)\n"
                          "該当: 血圧 (薬剤治療あり)\n"
                          "該当なし: 脂質、血糖\n"
                          "腹囲が基準値以上で1項目に該当 → ２ 予備群該当")
        << QStringLiteral("腹囲 90 cm ≥ 85 cm (男性)\n"
                          "追加リスクなし\n"
                          "リスクなし: 血圧、脂質、血糖\n"
                          "喫煙: なし (数えない)\n"
                          "薬剤治療あり: 血圧\n"
                          "40歳～64歳: 服薬中のため特定保健指導の対象外 → ３ なし");
    QTest::newRow("smoker beside a glucose risk, HbA1c alone, 65-74")
        << "Option2" << QStringList{"170", "60", "86", "120", "70", "100", "60", "", "6.0"} << "Command2"
        << QStringLiteral("腹囲 86 cm ≥ 85 cm (男性)\n"
                          "該当: 血糖 (HbA1c 6.0 % ≥ 6.0 %)\n"
                          "該当なし: 血圧、脂質\n"
                          "腹囲が基準値以上で1項目に該当 → ２ 予備群該当")
        << QStringLiteral("腹囲 86 cm ≥ 85 cm (男性)\n"
                          "追加リスク2つ: 血糖 (HbA1c 6.0 % ≥ 5.6 %)、喫煙\n"
                          "リスクなし: 血圧、脂質\n"
                          "喫煙: あり (血圧・脂質・血糖のリスクがあるため追加リスクに数える)\n"
                          "65歳～74歳: 腹囲が基準値以上、追加リスク2つ以上 "
                          "(65歳～74歳は積極的支援に該当しても動機付け支援) → ２ 動機付け支援");
    QTest::newRow("smoker with no risk at all")
        << "Option2" << QStringList{"170", "60", "86", "120", "70", "100", "60", "95", ""} << "Command1"
        << QStringLiteral("腹囲 86 cm ≥ 85 cm (男性)\n"
                          "該当なし: 血圧、脂質、血糖\n"
                          "腹囲が基準値以上、該当項目なし → ３ 非該当")
        << QStringLiteral("腹囲 86 cm ≥ 85 cm (男性)\n"
                          "追加リスクなし\n"
                          "リスクなし: 血圧、脂質、血糖\n"
                          "喫煙: あり (血圧・脂質・血糖のリスクがないため数えない)\n"
                          "40歳～64歳: 腹囲が基準値以上、追加リスクなし → ３ なし(情報提供レベル)");
    QTest::newRow("HbA1c at the risk limit beside a lower fasting glucose")
        << "" << QStringList{"170", "70", "95", "120", "70", "100", "60", "95", "5.8"} << "Command1"
        << QStringLiteral("腹囲 95 cm ≥ 85 cm (男性)\n"
                          "該当なし: 血圧、脂質、血糖\n"
                          "腹囲が基準値以上、該当項目なし → ３ 非該当")
        << QStringLiteral("腹囲 95 cm ≥ 85 cm (男性)\n"
                          "追加リスク1つ: 血糖 (HbA1c 5.8 % ≥ 5.6 %、空腹時血糖 95 mg/dL は基準値未満)\n"
                          "リスクなし: 血圧、脂質\n"
                          "喫煙: なし (数えない)\n"
                          "40歳～64歳: 腹囲が基準値以上、追加リスク1つ → ２ 動機付け支援");
    QTest::newRow("HDL missing") << "" << QStringList{"170", "70", "95", "142", "87", "160", "", "93", "5.2"}
                                 << "Command1" << QStringLiteral("Step2 未入力: HDL-CHO")
                                 << QStringLiteral("Step2 未入力: HDL-CHO");
    QTest::newRow("65-74, weight 0, glucose missing")
        << "" << QStringList{"170", "0", "95", "142", "87", "160", "38", "", ""} << "Command2"
        << QStringLiteral("確認: 体重 0 kg (通常 20～250 kg)\n確認: BMI 0.0 kg/m² (通常 10～80 kg/m²)\n"
                          "Step2 未入力: 空腹時血糖、HbA1c (空腹時血糖・HbA1c はどちらか一方で可)")
        << QStringLiteral("確認: 体重 0 kg (通常 20～250 kg)\n確認: BMI 0.0 kg/m² (通常 10～80 kg/m²)\n"
                          "Step1 値が 0: 体重 (65歳～74歳の判定では 0 は使えません)\n"
                          "Step2 未入力: 空腹時血糖、HbA1c (空腹時血糖・HbA1c はどちらか一方で可)");
}

void TestJudgedRecord::explainedExaminees()
{
    QFETCH(QString, choices);
    QFETCH(QStringList, values);
    QFETCH(QString, button);
    QFETCH(QString, classWhy);
    QFETCH(QString, guidanceWhy);

    w.enter(choices, values);
    w.click(button.toLatin1().constData());
    QCOMPARE(w.label("Label37")->toolTip(), classWhy);
    QCOMPARE(w.label("Label15")->toolTip(), guidanceWhy);
    // A screen reader hears the caption beside the label first, then why.
    QCOMPARE(description("Label37"), QStringLiteral("メタボリックシンドローム\n") + classWhy);
    QCOMPARE(description("Label15"), QStringLiteral("保健指導レベル\n") + guidanceWhy);
}

void TestJudgedRecord::tooltipShownOnHover()
{
    manOf43();
    QTest::mouseMove(w.control("Label15"));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), kManOf43Guidance);
    QTest::mouseMove(w.control("Label37"));
    QTRY_COMPARE(QToolTip::text(), kManOf43Class);
}

void TestJudgedRecord::copiedRecord_data()
{
    QTest::addColumn<QString>("how"); // "shortcut", or the menu item's text
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Ctrl+Shift+C") << "shortcut"
                                  << "" << kManOf43Row + kCrlf;
    QTest::newRow("class menu, row") << "結果をコピー"
                                     << "Label37" << kManOf43Row + kCrlf;
    QTest::newRow("guidance menu, row") << "結果をコピー"
                                        << "Label15" << kManOf43Row + kCrlf;
    QTest::newRow("guidance menu, with headings") << "見出し付きでコピー"
                                                  << "Label15" << kHeadings + kCrlf + kManOf43Row + kCrlf;
}

// Results out of date are not copied: the clipboard keeps what it held.
// Once the entries are back to those judged, the record copies again.
void TestJudgedRecord::copiedRecord()
{
    QFETCH(QString, how);
    QFETCH(QString, label);
    QFETCH(QString, expected);

    const auto copy = [&] {
        if (how == "shortcut") {
            pressCopyShortcut();
            return;
        }
        QMenu *menu = openRecordMenu(label.toLatin1().constData());
        QVERIFY(menu);
        QAction *item = nullptr;
        for (QAction *action : menu->actions())
            if (action->text() == how)
                item = action;
        QVERIFY(item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    };

    manOf43();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    w.type("Text1", "120");
    copy();
    QCOMPARE(clipboardText(), QStringLiteral("before"));
    w.type("Text1", "142");
    copy();
    QCOMPARE(clipboardText(), expected);
    // The age band is named as its button.
    QCOMPARE(clipboardText().split(kCrlf, Qt::SkipEmptyParts).last().section(u'\t', 0, 0),
             qobject_cast<QAbstractButton *>(w.control("Command1"))->text());
}

void TestJudgedRecord::pastedControlCharacterStaysInOneColumn_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("tab") << "14\t2";
    QTest::newRow("line feed") << "1\n42";
}

void TestJudgedRecord::pastedControlCharacterStaysInOneColumn()
{
    QFETCH(QString, pasted);
    w.enter({}, {"170", "70", "95", "", "87", "160", "38", "93", "5.2"});
    QGuiApplication::clipboard()->setText(pasted);
    w.click("Text1");
    QTest::keyClick(w.field("Text1"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.field("Text1")->text(), pasted); // control characters stay in the field
    w.click("Command1");
    pressCopyShortcut();
    // Read as 142, but not typed as a plain number: the row says so.
    QCOMPARE(clipboardText(), kManOf43Row + QStringLiteral("最高血圧 \"142\" は 142 と読みました") + kCrlf);
}

void TestJudgedRecord::nothingToCopyBeforeJudgementAndAfterReset()
{
    const auto checkNothingToCopy = [this] {
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
        pressCopyShortcut();
        QCOMPARE(clipboardText(), QStringLiteral("untouched"));
        for (const char *label : {"Label37", "Label15"}) {
            QMenu *menu = openRecordMenu(label);
            QVERIFY(menu);
            // The two copies and the explanations, and the paste of an
            // examinee, which needs no judgement.
            QCOMPARE(menu->actions().size(), 4);
            for (QAction *item : menu->actions()) {
                const bool paste = item->text() == QStringLiteral("貼り付け (受診者)");
                QVERIFY2(item->isEnabled() == paste, qPrintable(item->text()));
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            }
            menu->close();
            QCOMPARE(clipboardText(), QStringLiteral("untouched"));
            QVERIFY(w.label(label)->toolTip().isEmpty());
        }
        QCOMPARE(description("Label37"), QStringLiteral("メタボリックシンドローム"));
        QCOMPARE(description("Label15"), QStringLiteral("保健指導レベル"));
    };

    checkNothingToCopy();
    manOf43();
    pressCopyShortcut();
    QCOMPARE(clipboardText(), kManOf43Row + kCrlf);
    w.click("Command3");
    checkNothingToCopy();
}

// A second judgement with a prompt leaves no trace of the first result.
void TestJudgedRecord::promptReplacesTheWholeRecord()
{
    manOf43();
    w.type("Text7", "");
    w.click("Command1");
    QCOMPARE(w.label("Label37")->toolTip(), QStringLiteral("Step2 未入力: HDL-CHO"));
    QCOMPARE(w.label("Label15")->toolTip(), QStringLiteral("Step2 未入力: HDL-CHO"));
    QCOMPARE(description("Label15"), QStringLiteral("保健指導レベル\nStep2 未入力: HDL-CHO"));
    pressCopyShortcut();
    QCOMPARE(clipboardText(),
             QStringLiteral("40歳～64歳\t男性\t170\t70\t24.2\t95\t142\t87\t160\t\t93\t5.2\tなし\tなし\tなし\tなし\t"
                            "Step2を入力してください\tStep2を入力してください\t4\t4\t\r\n"));
}

QTEST_MAIN(TestJudgedRecord)
#include "tst_judged_record_gui.moc"
