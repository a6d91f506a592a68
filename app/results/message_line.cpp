#include "app/results/message_line.h"

#include "app/window/form_layout.h"

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
    clear();
}

void MessageLine::show(const QString &message)
{
    if (message.isEmpty()) {
        clear();
        return;
    }
    put(message);
    m_clearTimer->start();
}

void MessageLine::clear()
{
    m_clearTimer->stop();
    put(QString());
}

// An empty line is hidden: it draws nothing either way, and a screen reader
// would otherwise find an unnamed label there and name it after its frame.
void MessageLine::put(const QString &message)
{
    // The name first: QLabel announces a new text only for an unnamed label.
    m_line.setAccessibleName(message);
    m_line.setText(message);
    m_line.setVisible(!message.isEmpty());
    if (!message.isEmpty()) {
        QAccessibleEvent changed(&m_line, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
