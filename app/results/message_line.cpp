#include "app/results/message_line.h"

#include <QAccessible>
#include <QLabel>

MessageLine::MessageLine(QLabel &line) : QObject(&line), m_line(line)
{
    setObjectName(QStringLiteral("messageLine"));
    put(QString());
}

void MessageLine::show(const QString &message)
{
    if (message.isEmpty()) {
        clear();
        return;
    }
    put(message);
}

void MessageLine::clear()
{
    // Every keystroke clears the line: an empty one is left as it is.
    if (m_showing)
        put(QString());
}

// An empty line is hidden: it draws nothing either way, and a screen reader
// would otherwise find an unnamed label there and name it after its frame.
void MessageLine::put(const QString &message)
{
    // The name first: QLabel announces a new text only for an unnamed label.
    m_line.setAccessibleName(message);
    // A message longer than the line (a refused paste names a column and
    // its cell) is cut short at its end, never at both edges as a centred
    // label would clip it; the whole message is its tooltip and its name.
    const QString shown = m_line.fontMetrics().elidedText(message, Qt::ElideRight, m_line.contentsRect().width());
    m_line.setText(shown);
    m_line.setToolTip(shown == message ? QString() : message);
    m_line.setVisible(!message.isEmpty());
    m_showing = !message.isEmpty();
    if (!message.isEmpty()) {
        QAccessibleEvent changed(&m_line, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
