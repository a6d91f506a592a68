#pragma once

#include "app/results/examinee_on_window.h"

#include <QObject>

class ExamineeUndo;
class QAction;
class QWidget;

// Fills the window with one examinee from the clipboard: a row that Kalvemo
// copied, or a heading line and a row from the day's list in a spreadsheet.
// Ctrl+Shift+V anywhere in the window, or 貼り付け (受診者) in the context
// menu. The paste does Reset's work, then enters each choice and value
// through its handlers, as if clicked and typed (examinee_commands.h); it
// judges nothing, and where the row tells the age band, says which button
// to press. All or nothing: a cell the window would not take as it stands
// leaves the window exactly as it was, and the message says which cell and
// why. Ctrl+Z right after it brings back the examinee before. The clipboard
// is only read.
class ExamineePaste final : public QObject {
    Q_OBJECT
public:
    ExamineePaste(QWidget &window, const ExamineeParts &parts, ExamineeUndo &undo);

    QAction *menuItem() const { return m_menuItem; }
    void paste();

signals:
    void notice(const QString &message);

private:
    ExamineeParts m_parts;
    ExamineeUndo &m_undo;
    QAction *m_menuItem = nullptr;
};
