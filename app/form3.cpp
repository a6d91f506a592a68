#include "app/form3.h"

#include "app/accessibility.h"
#include "app/attention_marks.h"
#include "app/button_keys.h"
#include "app/explanation_popup.h"
#include "app/find_control.h"
#include "app/focus_mark.h"
#include "app/fonts.h"
#include "app/form_builder.h"
#include "app/form_layout.h"
#include "app/form_scroll_area.h"
#include "app/message_line.h"
#include "app/palette.h"
#include "app/qt_form_controls.h"
#include "app/record_copy.h"
#include "app/reset_undo.h"
#include "app/result_currency.h"
#include "app/title_bar.h"
#include "app/tooltip_guard.h"
#include "state/design_names.h"

#include <QAbstractButton>
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
    m_messageLine = new MessageLine(*findChild<QLabel *>(QStringLiteral("MessageLine")));
    m_recordCopy = new RecordCopy(*this, *m_messageLine);
    m_controls->setJudgedRecordSink([this](const QStringList &row) { m_recordCopy->keep(row); });
    new ExplanationPopup(*this);
    new TooltipGuard(*this);
    giveButtonsKeys(*this);
    watchWhatIsShown();
    if (m_scrollArea)
        m_scrollArea->followButtons();

    m_tmrDelay = new QTimer(this);
    m_tmrDelay->setObjectName(QStringLiteral("TmrDelay"));
    m_tmrDelay->setInterval(Layout::kStartupFocusDelayMs);
    connect(m_tmrDelay, &QTimer::timeout, this, &Form3::TmrDelay_Timer);
    m_tmrDelay->start();

    m_controls->setFocus(kFirstFocus);
}

FormControls &Form3::controls() { return *m_controls; }

// The marks on the entries and the state of the results follow each
// judgement and each Reset (connected after the handlers, so they run once
// Reset has done its work).
void Form3::watchWhatIsShown()
{
    auto *marks = new AttentionMarks(*this, *m_controls);
    auto *currency = new ResultCurrency(*this, *m_controls);
    currency->setOutdatedListener([this](bool outdated) { m_recordCopy->setOutdated(outdated); });
    auto *undo = new ResetUndo(*this, *m_controls, *marks, *currency, *m_recordCopy,
                               [this](const QString &message) { m_messageLine->show(message); });
    m_controls->setInputListener([marks, currency, undo] {
        marks->entriesChanged();
        currency->inputChanged();
        undo->inputChanged();
    });
    m_controls->setJudgementListener([marks, currency, undo](const Judgement &judged) {
        undo->forget();
        marks->judged(judged);
        currency->judged(judged);
    });
    auto *reset = findControl<QAbstractButton>(*this, Command::Command3);
    connect(reset, &QAbstractButton::clicked, this, [this, marks, currency] {
        marks->reset();
        currency->reset();
        // A message about the examinee before ("コピーしました") must not
        // stand beside the next one.
        m_messageLine->clear();
    });
}

MessageLine &Form3::messageLine() { return *m_messageLine; }

RecordCopy &Form3::recordCopy() { return *m_recordCopy; }

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
