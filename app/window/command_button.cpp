#include "app/window/command_button.h"

#include <QAccessible>
#include <QKeyEvent>
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
    setAccessibleDescription(held ? QStringLiteral("この年齢区分で判定した結果を表示中") : QString());
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    update();
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
}
