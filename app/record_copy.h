#pragma once

#include <QObject>
#include <QStringList>

class MessageLine;
class QAction;
class QMenu;
class QWidget;

// Offers the judged record for the clipboard, ready to paste into a
// spreadsheet or a record system: Ctrl+Shift+C anywhere in the window copies
// the row as one tab-separated line, and the context menu of the two result
// labels offers the same ("結果をコピー") and the row under its headings
// ("見出し付きでコピー"). Shift+F10 and the Menu key open that menu at the
// results from any control. Nothing is written anywhere but to the clipboard.
//
// Every copy says on the message line what it did. Until the first
// judgement, and after Reset, there is nothing to copy: the menu items are
// disabled, and the shortcut copies nothing and says so. While the results
// are out of date (the entries changed after the judgement), nothing is
// copied either and the line asks for a new judgement.
class RecordCopy final : public QObject {
    Q_OBJECT
public:
    RecordCopy(QWidget &window, MessageLine &messages);

    // The row of the latest judgement; an empty row leaves nothing to copy.
    void keep(const QStringList &row);
    const QStringList &row() const { return m_row; }
    // Whether the entries changed since the row was judged; only a new
    // judgement's row may then be copied. Kept until set otherwise.
    void setOutdated(bool outdated);

private:
    void copy(bool withHeadings) const;
    void openMenuAtResults() const;

    MessageLine &m_messages;
    QWidget &m_window;
    QStringList m_row;
    bool m_outdated = false;
    QAction *m_copyRow = nullptr;
    QAction *m_copyWithHeadings = nullptr;
    QMenu *m_menu = nullptr;
};
