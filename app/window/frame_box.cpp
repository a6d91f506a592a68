#include "app/window/frame_box.h"

#include "app/window/form_layout.h"
#include "app/window/palette.h"

#include <QPainter>
#include <QStyle>

FrameBox::FrameBox(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFrame(painter, rect(), title(), *this);
}

void paintFrame(QPainter &painter, const QRect &rect, const QString &caption, const QWidget &widget)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int captionHeight = metrics.height();
    // The line runs level with the middle of the caption (half rounded up).
    const QRect box = rect.adjusted(0, (captionHeight + 1) / 2, 0, 0);
    // The caption's place in the top line: its text with a gap either side.
    const int captionWidth =
        caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption) + 2 * Layout::kFrameCaptionGapPx;
    const QRect captionPlace(rect.left() + Layout::kFrameCaptionInsetPx, rect.top(), captionWidth, captionHeight);

    // The grey inside covers whatever an earlier frame drew there: the
    // smoking frame's lower line lies under Step3.
    painter.fillRect(box, toColor(kWindowBackground));

    // The four edges as filled strips, smoothed: where the screen scale puts
    // a line across a device pixel (150 %), that pixel is shaded by the part
    // it covers. The order decides only the rounding of the corner pixels.
    painter.save();
    painter.setClipRegion(QRegion(rect).subtracted(QRegion(captionPlace)));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toColor(kFrameLine));
    const QRectF edges(box);
    const qreal line = Layout::kFrameLinePx;
    painter.drawRect(QRectF(edges.left(), edges.bottom() - line, edges.width(), line));
    painter.drawRect(QRectF(edges.left(), edges.top(), line, edges.height()));
    painter.drawRect(QRectF(edges.left(), edges.top(), edges.width(), line));
    painter.drawRect(QRectF(edges.right() - line, edges.top(), line, edges.height()));
    painter.restore();

    if (!caption.isEmpty())
        widget.style()->drawItemText(&painter, captionPlace, Qt::AlignCenter, widget.palette(), widget.isEnabled(),
                                     caption, QPalette::WindowText);
}
