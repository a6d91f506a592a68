#include "app/results/explanation_popup.h"

#include "app/results/judged_results.h"
#include "app/window/button_keys.h"
#include "app/window/find_control.h"
#include "app/window/note_placement.h"
#include "words/notices.h"
#include "words/words.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace {

// Each result label with the words of the caption that stands beside it.
struct Explained {
    Readout result;
    Word caption;
};
constexpr Explained kExplained[] = {{Readout::Label37, Word::SyndromeClass}, {Readout::Label15, Word::GuidanceLevel}};

// The note keeps clear of the labels it explains by this much.
constexpr int kGapPx = 2;

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
           || key == Qt::Key_AltGr;
}

} // namespace

ExplanationPopup::ExplanationPopup(QWidget &window, const JudgedResults &results)
    : QLabel(&window, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput), m_window(window),
      m_results(results)
{
    setObjectName(QStringLiteral("ExplanationPopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Drawn as a tooltip, the kind of note it is, in the tooltip's font,
    // which has the signs of the explanations ("≥") beside the Japanese.
    setPalette(QToolTip::palette());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFont(QToolTip::font());
    setMargin(fontMetrics().horizontalAdvance(u'x') / 2);

    auto *explain = new QAction(this);
    explain->setObjectName(QStringLiteral("explainResults"));
    explain->setShortcut(QKeySequence(Qt::Key_F1));
    explain->setShortcutContext(Qt::WindowShortcut);
    window.addAction(explain);
    connect(explain, &QAction::triggered, this, &ExplanationPopup::showExplanations);
}

QString ExplanationPopup::explanations() const
{
    QStringList parts;
    for (const auto &[result, caption] : kExplained) {
        const QString why = m_results.explanation(result);
        if (!why.isEmpty())
            parts << QString::fromUtf8(word(caption)) + QStringLiteral(":\n") + why;
    }
    if (parts.isEmpty())
        return nothingToExplainNotice();
    // The keys last, for the next examinee.
    return parts.join(QStringLiteral("\n\n")) + QStringLiteral("\n\n") + buttonKeysLine(m_window);
}

void ExplanationPopup::showExplanations()
{
    const QString text = explanations();
    setText(text);
    setAccessibleName(text);
    place();
    if (!isVisible())
        qApp->installEventFilter(this);
    show();
    raise();
}

// Under the results, from the caption beside them to the left of Reset, and
// no wider than its text needs; wider where the screen is too low for it, and
// never larger than the screen. Where the screen has no room under the
// results, the nearest place that leaves the judgement buttons and Reset in
// sight (note_placement.h).
void ExplanationPopup::place()
{
    const QLabel *lower = findControl<QLabel>(m_window, Readout::Label15);
    const QWidget *reset = findControl(m_window, Command::Command3);
    // The caption beside the upper result, where the note's left edge lines up.
    const QWidget *caption = m_window.findChild<QWidget *>(QStringLiteral("Label19"));
    Q_ASSERT(caption);
    const int left = caption->mapToGlobal(QPoint(0, 0)).x();
    const int right =
        std::min(lower->mapToGlobal(QPoint(lower->width(), 0)).x(), reset->mapToGlobal(QPoint(0, 0)).x() - kGapPx);
    const QRect screen = m_window.screen() ? m_window.screen()->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);

    // The text's widest line with the margin and the line around it, and a
    // pixel either side for rounding, so that a short note needs no wrap.
    int width = std::min({right - left, widestLine() + 2 * (margin() + frameWidth() + 1), screen.width()});
    while (heightForWidth(width) > screen.height() && width < screen.width())
        width = std::min(screen.width(), width * 3 / 2);
    setFixedSize(width, std::min(heightForWidth(width), screen.height()));

    const QPoint under(left, lower->mapToGlobal(QPoint(0, lower->height())).y() + kGapPx);
    move(placeNote(size(), under, buttonsToKeepClear(m_window), screen));
}

int ExplanationPopup::widestLine() const
{
    int widest = 0;
    for (const QString &line : text().split(u'\n'))
        widest = std::max(widest, fontMetrics().horizontalAdvance(line));
    return widest;
}

bool ExplanationPopup::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (isModifier(key))
            break;
        hide();
        return key == Qt::Key_Escape; // Esc closes the note and does nothing else
    }
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: hide(); break;
    case QEvent::WindowDeactivate:
        if (watched == &m_window)
            hide();
        break;
    default: break;
    }
    return QLabel::eventFilter(watched, event);
}

void ExplanationPopup::hideEvent(QHideEvent *event)
{
    qApp->removeEventFilter(this);
    QLabel::hideEvent(event);
}
