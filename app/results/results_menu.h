#pragma once

#include <QList>
#include <QObject>

class ExplanationPopup;
class JudgedResults;
class QAction;
class QLineEdit;
class QMenu;
class QPoint;
class QWidget;
class RecordCopy;

// The window's one context menu. In an entry field (right click, Shift+F10,
// the Menu key) it is the field's own editing menu, with the results' items
// below it; anywhere else it is the results' items alone, opened at the
// results. The results' items are the copies of the judged record and the
// explanations of the results (F1's note), each disabled while nothing is
// judged; later items go here too.
class ResultsMenu final : public QObject {
public:
    ResultsMenu(QWidget &window, const JudgedResults &results, const RecordCopy &copy, ExplanationPopup &note);

    // Adds an item to the results' part of every menu.
    void addItem(QAction *item);

private:
    void openForField(QLineEdit &field, const QPoint &at);
    void openAtResults() const;
    void openFromKeyboard();

    QWidget &m_window;
    QList<QAction *> m_items;
    QMenu *m_resultsMenu = nullptr;
    QList<QLineEdit *> m_fields;
};
