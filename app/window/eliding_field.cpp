#include "app/window/eliding_field.h"

#include "app/window/elided_text.h"

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

QString ElidingField::drawnText() const { return hasFocus() ? text() : elidedText(*this, text(), textRect()); }

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
    paintElidedText(painter, *this, textRect(), alignment(), palette(), QPalette::Text, drawn);
}
