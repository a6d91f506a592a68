#include "app/window/command_button.h"

#include "app/window/form_layout.h"
#include "app/window/palette.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QStringList>
#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void CommandButton::setHeld(bool held)
{
    if (held == m_held)
        return;
    m_held = held;
    describe();
    update();
}

void CommandButton::setKeyName(const QString &key)
{
    m_key = key;
    setToolTip(QStringLiteral("キー: ") + key);
    describe();
}

void CommandButton::describe()
{
    QStringList parts;
    if (!m_key.isEmpty())
        parts << QStringLiteral("キー ") + m_key;
    if (m_held)
        parts << QStringLiteral("この年齢区分で判定した結果を表示中");
    setAccessibleDescription(parts.join(QStringLiteral("、")));
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Held-down repeats press nothing.
    if (!event->isAutoRepeat())
        click();
}

void CommandButton::paintEvent(QPaintEvent *event)
{
    if (!m_held) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state |= QStyle::State_Sunken | QStyle::State_On;
    painter.drawControl(QStyle::CE_PushButton, option);
    // Pressed in, and framed in black inside its edge: a mark that the focus
    // ring (navy, outside the button) never makes, on the button's own colour
    // and around its own caption.
    const int half = Layout::kHeldMarkPx / 2;
    painter.setPen(QPen(toColor(kHeldMark), Layout::kHeldMarkPx, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const int inset = Layout::kHeldMarkInsetPx + half;
    painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}
