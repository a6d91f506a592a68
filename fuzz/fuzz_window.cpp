// The whole window driven by a byte stream decoded into what a user does:
// typing, pasting, Enter, Tab, Backspace, option clicks, judgements, Reset,
// copying the record (Ctrl+Shift+C), the explanations (F1, then Esc) and
// pasting an examinee (Ctrl+Shift+V) from a clipboard of any text.
// After every step the window must be in a state the checkup rules allow.
#include "app/form3.h"
#include "entry/numeric_entry.h"
#include "state/form_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

#include <algorithm>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

const char *const kFields[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
const char *const kOptions[] = {"Option1", "Option2", "Option3", "Option4", "Option5",
                                "Option6", "Option7", "Option8", "Option9", "Option10"};
const QString kTyped = QStringLiteral("0123456789.-, +eE\tx１");

class Driver {
public:
    Driver(const unsigned char *data, size_t size) : m_data(data), m_end(data + size)
    {
        // Shown and active, as the window-wide keys (Ctrl+Shift+C, F1) act
        // only in the active window.
        m_window.show();
        m_window.activateWindow();
        require(QTest::qWaitForWindowActive(&m_window));
    }

    void run()
    {
        while (m_data < m_end) {
            step(next());
            checkInvariants();
        }
    }

private:
    unsigned char next() { return m_data < m_end ? *m_data++ : 0; }

    template <typename T = QWidget> T *find(const char *name) const
    {
        return m_window.findChild<T *>(QLatin1String(name));
    }

    QLineEdit *field() { return find<QLineEdit>(kFields[next() % 9]); }

    void step(unsigned char op)
    {
        switch (op % 13) {
        case 0: { // type a few keys
            QLineEdit *target = field();
            for (int n = next() % 8; n > 0; --n) {
                const QChar c = kTyped[next() % kTyped.size()];
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
            break;
        }
        case 1: { // paste raw UTF-16
            QLineEdit *target = field();
            QString pasted;
            for (int n = next() % 32; n > 0; --n)
                pasted += QChar(char16_t(next() << 8 | next()));
            target->insert(pasted);
            break;
        }
        case 2: QTest::keyClick(field(), Qt::Key_Return); break;
        case 3: QTest::keyClick(field(), Qt::Key_Backspace); break;
        case 4: QTest::keyClick(field(), Qt::Key_Tab); break;
        case 5: find<QAbstractButton>(kOptions[next() % 10])->click(); break;
        case 6: judge("Command1"); break;
        case 7: judge("Command2"); break;
        case 8: find<QAbstractButton>("Command3")->click(); break;
        case 9: copy(); break;
        case 10: explain(); break;
        case 11: undo(); break;
        case 12: pasteExaminee(); break;
        }
    }

    // Ctrl+Z anywhere; or Reset then Ctrl+Z, which brings back every entry
    // and both results.
    void undo()
    {
        if (next() % 2) {
            QTest::keyClick(field(), Qt::Key_Z, Qt::ControlModifier);
            return;
        }
        QStringList before;
        for (const char *name : kFields)
            before << find<QLineEdit>(name)->text();
        before << find<QLabel>("Label37")->text() << find<QLabel>("Label15")->text();
        auto *reset = find<QAbstractButton>("Command3");
        reset->click();
        QTest::keyClick(reset, Qt::Key_Z, Qt::ControlModifier);
        QStringList after;
        for (const char *name : kFields)
            after << find<QLineEdit>(name)->text();
        after << find<QLabel>("Label37")->text() << find<QLabel>("Label15")->text();
        // An empty window's Reset keeps the undo of the Reset before it.
        const bool empty = std::all_of(before.begin(), before.end(), [](const QString &t) { return t.isEmpty(); });
        require(empty || after == before);
    }

    // Ctrl+Shift+V with a clipboard of heading-like and value-like cells,
    // tabs, commas, quotes and line breaks: the window takes all of a row or
    // none of it.
    void pasteExaminee()
    {
        static const QStringList pieces = {"身長",     "体重",    "腹囲", "性別", "喫煙", "年齢区分",
                                           "中性脂肪", "HDL-CHO", "男",   "女",   "あり", "なし",
                                           "170",      "6.5",     "1S0",  "１２", "",     "40歳～64歳",
                                           "\t",       ",",       "\"",   "\r\n", "\n",   "9N001000000000001"};
        QString text;
        for (int n = next() % 24; n > 0; --n)
            text += pieces[next() % pieces.size()];
        QGuiApplication::clipboard()->setText(text);
        QStringList before;
        for (const char *name : kFields)
            before << find<QLineEdit>(name)->text();
        QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        const QString said = find<QLabel>("MessageLine")->text();
        QStringList after;
        for (const char *name : kFields)
            after << find<QLineEdit>(name)->text();
        require(said.startsWith(QStringLiteral("受診者を貼り付けました"))
                || (said.startsWith(QStringLiteral("貼り付けませんでした")) && after == before));
        require(QGuiApplication::clipboard()->text() == text);
    }

    // What the copy says is one of its messages (a refused copy says so
    // differently where it took its own stale row off the clipboard); with
    // no result shown there is nothing to copy.
    void copy()
    {
        QTest::keyClick(field(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString said = find<QLabel>("MessageLine")->text();
        require(kCopyMessages.contains(said));
        if (find<QLabel>("Label37")->text().isEmpty())
            require(said == kCopyMessages[1] || said == kCopyMessages[3]);
    }

    // F1 shows a note that never takes the focus; Esc closes it and reaches
    // no field.
    void explain()
    {
        QLineEdit *target = field();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F1);
        const auto *popup = find<QLabel>("ExplanationPopup");
        require(popup->isVisible() && !popup->text().isEmpty());
        require(QApplication::focusWidget() == target || QApplication::focusWidget() == nullptr);
        if (next() % 2) {
            const QString before = target->text();
            QTest::keyClick(target, Qt::Key_Escape);
            require(!popup->isVisible() && target->text() == before);
        }
    }

    void judge(const char *button)
    {
        auto *command = find<QAbstractButton>(button);
        command->click();
        const QString firstClass = find<QLabel>("Label37")->text();
        const QString firstGuidance = find<QLabel>("Label15")->text();
        command->click();
        require(find<QLabel>("Label37")->text() == firstClass);
        require(find<QLabel>("Label15")->text() == firstGuidance);
        require(kClassTexts.contains(firstClass));
        require(kGuidanceTexts.contains(firstGuidance));
    }

    void checkInvariants()
    {
        for (const char *name : kFields) {
            const QString text = find<QLineEdit>(name)->text();
            require(cleanedNumericText(text) == text);
        }
        static const QRegularExpression bmiShape(QStringLiteral("^(-?[0-9]+\\.[0-9])?$"));
        require(bmiShape.match(find<QLabel>("Label30")->text()).hasMatch());

        const IndicatorStore &store = m_window.controls().indicators();
        for (std::size_t i = 0; i < kIndicatorCount; ++i) {
            const auto which = Indicator(i);
            const QString text = store.text(which);
            const bool isCount = which == Indicator::Label45 || which == Indicator::Label46
                                 || which == Indicator::Label47 || which == Indicator::Label29;
            require(text == indicatorName(which) || text == u"0" || text == u"1" || (isCount && text == u"2"));
        }
        require(kClassTexts.contains(find<QLabel>("Label37")->text()) || find<QLabel>("Label37")->text().isEmpty());
        require(kGuidanceTexts.contains(find<QLabel>("Label15")->text()) || find<QLabel>("Label15")->text().isEmpty());
    }

    const QStringList kCopyMessages = {"コピーしました", "コピーする判定結果がありません",
                                       "判定のあとで入力が変わりました。もう一度判定してください。",
                                       "判定結果がないので、クリップボードの前の行を消しました",
                                       "入力が変わったので、クリップボードの前の行を消しました"};
    const QStringList kClassTexts = {"１ 基準該当", "２ 予備群該当", "３ 非該当", "Step1を入力してください",
                                     "Step2を入力してください"};
    const QStringList kGuidanceTexts = {"１ 積極的支援", "２ 動機付け支援",         "３ なし(情報提供レベル)",
                                        "３ なし",       "Step1を入力してください", "Step2を入力してください"};
    Form3 m_window;
    const unsigned char *m_data;
    const unsigned char *m_end;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_window";
    static char *argv[] = {name, nullptr};
    // Never destroyed: Qt's teardown at process exit, after the fuzzer's
    // own, is not what is being tested.
    static QApplication *app = new QApplication(argc, argv);
    (void)app;
    Driver(data, size).run();
    return 0;
}
