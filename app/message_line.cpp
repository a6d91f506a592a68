#include "app/message_line.h"

#include "app/form_layout.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>

MessageLine::MessageLine(QLabel &line) : QObject(&line), m_line(line)
{
    setObjectName(QStringLiteral("messageLine"));
    m_clearTimer = new QTimer(this);
    m_clearTimer->setSingleShot(true);
    m_clearTimer->setInterval(Layout::kMessageShownMs);
    connect(m_clearTimer, &QTimer::timeout, this, &MessageLine::clear);
}

void MessageLine::show(const QString &message)
{
    put(message);
    m_clearTimer->start();
}

void MessageLine::clear()
{
    m_clearTimer->stop();
    put(QString());
}

void MessageLine::put(const QString &message)
{
    // The name first: QLabel announces a new text only for an unnamed label.
    m_line.setAccessibleName(message);
    m_line.setText(message);
    QAccessibleEvent changed(&m_line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}
