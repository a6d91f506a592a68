#include "app/window/eliding_label.h"

#include "app/window/elided_text.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ElidingLabel::ElidingLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

QRect ElidingLabel::textRect() const
{
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (inset > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft)
            room.setLeft(room.left() + inset);
        if (align & Qt::AlignRight)
            room.setRight(room.right() - inset);
        if (align & Qt::AlignTop)
            room.setTop(room.top() + inset);
        if (align & Qt::AlignBottom)
            room.setBottom(room.bottom() - inset);
    }
    return room;
}

QString ElidingLabel::drawnText() const { return elidedText(*this, text(), textRect()); }

void ElidingLabel::paintEvent(QPaintEvent *event)
{
    const QString drawn = drawnText();
    if (drawn == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    paintElidedText(painter, *this, textRect(), alignment(), option.palette, foregroundRole(), drawn);
}
