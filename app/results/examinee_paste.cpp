#include "app/results/examinee_paste.h"

#include "app/results/examinee_commands.h"
#include "app/results/examinee_undo.h"
#include "examinee/pasted_row.h"
#include "words/desk_names.h"
#include "words/notices.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

ExamineePaste::ExamineePaste(QWidget &window, const ExamineeParts &parts, ExamineeUndo &undo)
    : QObject(&window), m_parts(parts), m_undo(undo)
{
    auto *shortcut = new QAction(this);
    shortcut->setObjectName(QStringLiteral("pasteExamineeShortcut"));
    shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    shortcut->setShortcutContext(Qt::WindowShortcut);
    window.addAction(shortcut);
    connect(shortcut, &QAction::triggered, this, &ExamineePaste::paste);

    // The menu item shows the same key; its own shortcut acts only while the
    // open menu has the focus.
    m_menuItem = new QAction(QStringLiteral("貼り付け (受診者)"), this);
    m_menuItem->setObjectName(QStringLiteral("pasteExaminee"));
    m_menuItem->setShortcut(shortcut->shortcut());
    m_menuItem->setShortcutContext(Qt::WidgetShortcut);
    connect(m_menuItem, &QAction::triggered, this, &ExamineePaste::paste);
}

void ExamineePaste::paste()
{
    const auto pasted = pastedRowOf(QGuiApplication::clipboard()->text());
    if (const auto *problem = std::get_if<PasteProblem>(&pasted)) {
        emit notice(notPastedNotice(problem->column, problem->reason));
        return;
    }
    const PastedRow &row = std::get<PastedRow>(pasted);
    m_undo.push(new PasteCommand(m_parts, m_undo.examinee(), row.examinee));
    emit notice(row.examinee.band ? pressBandNotice(row.moreRows, ageBandName(*row.examinee.band))
                                  : pastedNotice(row.moreRows));
}
