#pragma once

#include <QObject>

class QLabel;
class QString;

// The line under the result labels where the window says what it just did
// ("コピーしました") or why it did nothing. A message stands until the next
// entry, choice, judgement or Reset, so that a glance away from the screen
// does not lose it; a new one replaces the one before.
// The line's accessible name carries the message, and each new message is
// sent to the accessibility bus, so a screen reader speaks it too. Without a
// message the line is hidden. A message too long for the line is cut short
// with "…", whole in its tooltip and accessible name. The window connects
// every notice of its parts to show(); an empty notice clears the line.
class MessageLine final : public QObject {
    Q_OBJECT
public:
    explicit MessageLine(QLabel &line);

    void show(const QString &message);
    void clear();

private:
    void put(const QString &message);

    QLabel &m_line;
    bool m_showing = true; // until the first put() hides it
};
