#pragma once

#include <QObject>

class QLabel;
class QString;
class QTimer;

// The line under the result labels where the window says what it just did
// ("コピーしました") or why it did nothing. A message stands for a moment and
// then goes; a new one replaces the one before and starts its time afresh.
// The line's accessible name carries the message, and each new message is
// sent to the accessibility bus, so a screen reader speaks it too. Without a
// message the line is hidden. The window connects every notice of its parts
// to show(); an empty notice clears the line.
class MessageLine final : public QObject {
    Q_OBJECT
public:
    explicit MessageLine(QLabel &line);

    void show(const QString &message);
    void clear();

private:
    void put(const QString &message);

    QLabel &m_line;
    QTimer *m_clearTimer = nullptr;
};
