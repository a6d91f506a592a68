#include "app/window/form_scroll_area.h"

#include "app/window/form_layout.h"
#include "app/window/palette.h"

#include <QApplication>
#include <QScrollBar>

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
    return size;
}

void FormScrollArea::setContent(QWidget &content)
{
    setWidget(&content);
    content.setAutoFillBackground(false); // setWidget() makes it opaque
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { keepInView(now); });
}

void FormScrollArea::keepInView(QWidget *focused)
{
    if (!focused || !widget()->isAncestorOf(focused))
        return;
    // The whole control and the grey around it, not only a field's caret,
    // which is all that ensureWidgetVisible() would bring into view.
    const QRect place(focused->mapTo(widget(), QPoint(0, 0)), focused->size());
    const QPoint centre = place.center();
    ensureVisible(centre.x(), centre.y(), place.width() / 2 + Layout::kFocusScrollMarginPx,
                  place.height() / 2 + Layout::kFocusScrollMarginPx);
}
