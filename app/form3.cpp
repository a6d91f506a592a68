#include "app/form3.h"

#include "app/accessibility.h"
#include "app/focus_mark.h"
#include "app/fonts.h"
#include "app/form_builder.h"
#include "app/form_layout.h"
#include "app/form_scroll_area.h"
#include "app/palette.h"
#include "app/qt_form_controls.h"
#include "app/record_copy.h"

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
    auto *recordCopy = new RecordCopy(*this);
    m_controls->setJudgedRecordSink([recordCopy](const QStringList &row) { recordCopy->keep(row); });

    m_tmrDelay = new QTimer(this);
    m_tmrDelay->setObjectName(QStringLiteral("TmrDelay"));
    m_tmrDelay->setInterval(Layout::kStartupFocusDelayMs);
    connect(m_tmrDelay, &QTimer::timeout, this, &Form3::TmrDelay_Timer);
    m_tmrDelay->start();

    // The first stop of the tab order: the selected sex.
    m_controls->setFocus(Option::Option5);
}

FormControls &Form3::controls() { return *m_controls; }

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
