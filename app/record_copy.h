#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

// Offers the judged record for the clipboard, ready to paste into a
// spreadsheet or a record system: Ctrl+Shift+C anywhere in the window copies
// the row as one tab-separated line, and the context menu of the two result
// labels offers the same ("結果をコピー") and the row under its headings
// ("見出し付きでコピー"). Until the first judgement, and after Reset, there is
// nothing to copy: both items are disabled and the shortcut does nothing.
// Nothing is written anywhere but to the clipboard.
class RecordCopy final : public QObject {
public:
    explicit RecordCopy(QWidget &window);

    // The row of the latest judgement; an empty row leaves nothing to copy.
    void keep(const QStringList &row);
    const QStringList &row() const { return m_row; }

private:
    void copy(bool withHeadings) const;

    QStringList m_row;
    QAction *m_copyRow = nullptr;
    QAction *m_copyWithHeadings = nullptr;
    QMenu *m_menu = nullptr;
};
