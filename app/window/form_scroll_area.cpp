#include "app/window/form_scroll_area.h"

#include "app/window/find_control.h"
#include "app/window/form_layout.h"
#include "app/window/palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr const char *kMessageLineName = "MessageLine";

// The strip under the scrolled part: the message line's design height with
// a little grey above and below it.
int messageStripHeight()
{
    for (const Layout::ControlDesign &d : Layout::form3Design()) {
        if (QByteArrayView(d.name) == kMessageLineName)
            return Layout::pixels(d.height) + 2 * Layout::kFocusMarkPx;
    }
    return 0;
}

} // namespace

FormScrollArea::FormScrollArea(QWidget &window) : QScrollArea(&window)
{
    setObjectName(QLatin1String(Layout::kScrollAreaName));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    // The scroll bars and the corner between them in the form's grey, not
    // in the desktop theme's colours.
    setPalette(designPalette());
    // The window paints the grey once, under everything.
    viewport()->setAutoFillBackground(false);
}

QSize FormScrollArea::fullSize(QSize content, QSize room) const
{
    QSize size = content;
    if (content.height() > room.height())
        size.rwidth() += verticalScrollBar()->sizeHint().width();
    if (content.width() > room.width())
        size.rheight() += horizontalScrollBar()->sizeHint().height();
    size.rheight() += messageStripHeight();
    return size;
}

void FormScrollArea::setContent(QWidget &content)
{
    setWidget(&content);
    content.setAutoFillBackground(false); // setWidget() makes it opaque
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { keepInView(now); });

    m_messageLine = content.findChild<QWidget *>(QLatin1String(kMessageLineName));
    if (m_messageLine) {
        m_designLeft = m_messageLine->mapTo(&content, QPoint(0, 0)).x();
        const bool shown = m_messageLine->isVisible();
        m_messageLine->setParent(this);
        m_messageLine->setVisible(shown);
        setViewportMargins(0, 0, 0, messageStripHeight());
    }
}

void FormScrollArea::followButtons()
{
    for (Command judge : {Command::Command1, Command::Command2})
        connect(findControl<QAbstractButton>(*widget(), judge), &QAbstractButton::clicked, this,
                &FormScrollArea::showResults);
    // Back to the top, where the next examinee starts and the Step1 captions show.
    connect(findControl<QAbstractButton>(*widget(), Command::Command3), &QAbstractButton::clicked, this, [this] {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    });
}

void FormScrollArea::showResults()
{
    const QWidget *upper = findControl(*widget(), Readout::Label37);
    const QWidget *lower = findControl(*widget(), Readout::Label15);
    bringIntoView(QRect(upper->mapTo(widget(), QPoint(0, 0)),
                        lower->mapTo(widget(), QPoint(lower->width() - 1, lower->height() - 1))));
}

// The viewport changes size with the window and as scroll bars come and go;
// the strip follows it.
bool FormScrollArea::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize && m_messageLine) {
        // Its own size, under the results as in the form, kept within the strip.
        const QRect shown = viewport()->geometry();
        const int left =
            std::clamp(m_designLeft, shown.left(), std::max(shown.left(), shown.right() + 1 - m_messageLine->width()));
        m_messageLine->move(left, shown.bottom() + 1 + Layout::kFocusMarkPx);
    }
    return QScrollArea::viewportEvent(event);
}

void FormScrollArea::keepInView(QWidget *focused)
{
    if (!focused || !widget()->isAncestorOf(focused))
        return;
    // The whole control and the grey around it, not only a field's caret,
    // which is all that ensureWidgetVisible() would bring into view.
    bringIntoView(QRect(focused->mapTo(widget(), QPoint(0, 0)), focused->size()));
}

void FormScrollArea::bringIntoView(QRect place)
{
    const QPoint centre = place.center();
    ensureVisible(centre.x(), centre.y(), place.width() / 2 + Layout::kFocusScrollMarginPx,
                  place.height() / 2 + Layout::kFocusScrollMarginPx);
}
