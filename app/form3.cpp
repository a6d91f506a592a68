#include "app/form3.h"

#include "app/adapter/qt_form_controls.h"
#include "app/results/attention_marks.h"
#include "app/results/examinee_paste.h"
#include "app/results/examinee_undo.h"
#include "app/results/explanation_popup.h"
#include "app/results/judged_results.h"
#include "app/results/message_line.h"
#include "app/results/pasted_band.h"
#include "app/results/record_copy.h"
#include "app/results/results_menu.h"
#include "app/results/results_view.h"
#include "app/window/accessibility.h"
#include "app/window/button_keys.h"
#include "app/window/find_control.h"
#include "app/window/focus_mark.h"
#include "app/window/fonts.h"
#include "app/window/form_builder.h"
#include "app/window/form_layout.h"
#include "app/window/form_scroll_area.h"
#include "app/window/palette.h"
#include "app/window/title_bar.h"
#include "app/window/tooltip_guard.h"
#include "state/design_names.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

// The room for the window on the screen it opens on: the screen less the
// taskbars and panels, less the frame the window system puts around it.
QSize roomOnScreen(const QWidget &window)
{
    const QSize available = window.screen()->availableGeometry().size();
    return available - QSize(Layout::kWindowFrameAllowanceWidthPx, Layout::kWindowFrameAllowanceHeightPx);
}

} // namespace

Form3::Form3(QWidget *parent) : QWidget(parent)
{
    setObjectName(QLatin1String(Layout::kWindowName));
    setWindowTitle(QLatin1String(Layout::kWindowCaption));
    setFont(designFont(Layout::kWindowFontPt));
    setPalette(designPalette());
    setAutoFillBackground(true);

    const QSize design(Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    sizeForScreen(design);
    if (!m_scrollArea)
        offerNoMaximise(*this);

    // Transparent: the window's grey shows through, painted once.
    auto *content = new QWidget(m_scrollArea ? m_scrollArea->viewport() : this);
    content->setObjectName(QLatin1String(Layout::kContentName));
    content->setFixedSize(design);
    buildControls(*content, Layout::form3Design());
    applyTabOrder(*content, Layout::form3Design());
    new FocusMark(*content);
    if (m_scrollArea)
        m_scrollArea->setContent(*content);

    describeForAssistiveTechnology(*this);
    m_controls = new QtFormControls(*this);
    // One line says what the window just did.
    m_messageLine = new MessageLine(*findChild<QLabel *>(QStringLiteral("MessageLine")));
    m_results = new JudgedResults(this);
    new ResultsView(*this, *m_results);
    m_marks = new AttentionMarks(*this, *m_controls, m_controls->look());
    m_pastedBand = std::make_unique<PastedBand>();
    const ExamineeParts examinee{*m_controls, *m_results, *m_marks, *m_pastedBand};
    m_undo = new ExamineeUndo(*this, examinee);
    auto *recordCopy = new RecordCopy(*this, *m_results);
    auto *note = new ExplanationPopup(*this, *m_results);
    auto *menu = new ResultsMenu(*this, *m_results, *recordCopy, *note);
    auto *paste = new ExamineePaste(*this, examinee, *m_undo);
    menu->addItem(paste->menuItem());
    connect(m_controls, &QtFormControls::inputChanged, this, &Form3::inputChanged);
    connect(m_controls, &QtFormControls::judged, this, &Form3::judged);
    connect(m_controls, &QtFormControls::commandClicked, m_undo, &ExamineeUndo::commandClicked);

    connect(recordCopy, &RecordCopy::notice, m_messageLine, &MessageLine::show);
    connect(m_undo, &ExamineeUndo::notice, m_messageLine, &MessageLine::show);
    connect(paste, &ExamineePaste::notice, m_messageLine, &MessageLine::show);
    new TooltipGuard(*this);
    giveButtonsKeys(*this);
    if (m_scrollArea)
        m_scrollArea->followButtons();

    m_tmrDelay = new QTimer(this);
    m_tmrDelay->setObjectName(QStringLiteral("TmrDelay"));
    m_tmrDelay->setInterval(Layout::kStartupFocusDelayMs);
    connect(m_tmrDelay, &QTimer::timeout, this, &Form3::TmrDelay_Timer);
    m_tmrDelay->start();

    m_controls->setFocus(kFirstFocus);
}

Form3::~Form3() = default;

FormControls &Form3::controls() { return *m_controls; }

// The marks follow the values; the results go out of date or come back;
// an entry or a choice ends the undo and the message about what the window
// did before.
void Form3::inputChanged()
{
    m_marks->entriesChanged();
    m_results->compareWith(*m_controls);
    m_undo->inputChanged();
    m_messageLine->clear();
}

// A judgement's results first, then the marks that its prompts and values
// call for; it also ends the undo, and the message line says so where the
// pasted row named the other band.
void Form3::judged(const Judgement &judgement)
{
    m_results->judged(judgement);
    m_marks->judged(judgement);
    m_undo->inputChanged();
    m_messageLine->show(m_pastedBand->noticeFor(judgement.band));
}

MessageLine &Form3::messageLine() { return *m_messageLine; }

JudgedResults &Form3::results() { return *m_results; }

void Form3::TmrDelay_Timer()
{
    m_controls->setFocus(Field::Text9);
    m_tmrDelay->stop();
}

void Form3::sizeForScreen(QSize design)
{
    const QSize room = roomOnScreen(*this);
    if (design.width() <= room.width() && design.height() <= room.height()) {
        setFixedSize(design);
        return;
    }
    m_scrollArea = new FormScrollArea(*this);
    // Never larger than the form and its scroll bars: a larger window would
    // only add grey.
    setMaximumSize(m_scrollArea->fullSize(design, room));
    resize(maximumSize().boundedTo(room));
}

void Form3::resizeEvent(QResizeEvent *event)
{
    if (m_scrollArea)
        m_scrollArea->setGeometry(rect());
    QWidget::resizeEvent(event);
}
