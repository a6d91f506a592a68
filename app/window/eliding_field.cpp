#include "app/window/eliding_field.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit keeps its text this far in from the left and right of its
// contents; the elided text is set in the same place.
constexpr int kLineEditInsetPx = 2;

} // namespace

ElidingField::ElidingField(QWidget *parent) : QLineEdit(parent) {}

QRect ElidingField::textRect() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins()).adjusted(kLineEditInsetPx, 0, -kLineEditInsetPx, 0);
}

QString ElidingField::drawnText() const
{
    if (hasFocus())
        return text();
    // Cut at the end: the digits that remain are the number's leading ones,
    // and the "…" says that more follow.
    return fontMetrics().elidedText(text(), Qt::ElideRight, textRect().width());
}

void ElidingField::paintEvent(QPaintEvent *event)
{
    const QString drawn = drawnText();
    if (drawn == text()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&painter, textRect(), int(align), palette(), isEnabled(), drawn, QPalette::Text);
}
