#include "app/results/examinee_undo.h"

#include "app/results/examinee_commands.h"
#include "app/window/find_control.h"
#include "words/notices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QUndoStack>

#include <memory>

ExamineeUndo::ExamineeUndo(QWidget &window, const ExamineeParts &parts)
    : QObject(&window), m_window(window), m_parts(parts)
{
    m_stack = new QUndoStack(this);
    m_stack->setUndoLimit(1);
    m_reset = findControl<QAbstractButton>(window, Command::Command3);

    auto *undoAction = new QAction(this);
    undoAction->setObjectName(QStringLiteral("undoExaminee"));
    undoAction->setShortcut(QKeySequence::Undo);
    undoAction->setShortcutContext(Qt::WindowShortcut);
    window.addAction(undoAction);
    connect(undoAction, &QAction::triggered, this, &ExamineeUndo::undo);

    // The key claim of a field and the focus reach the window's widgets one
    // by one, not the window: the filter sits on the application and looks
    // only at this window.
    qApp->installEventFilter(this);
}

bool ExamineeUndo::isOnThisWindow(const QObject *watched) const
{
    return watched->isWidgetType() && static_cast<const QWidget *>(watched)->window() == &m_window;
}

bool ExamineeUndo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Declined, the claim falls through to the window's Ctrl+Z.
        if (canUndo() && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo) && isOnThisWindow(watched))
            return true;
        break;
    case QEvent::FocusOut:
        if (isOnThisWindow(watched))
            m_focusLeft = static_cast<QWidget *>(watched);
        break;
    case QEvent::FocusIn:
        // A click moves the focus to Reset on the way to pressing it, from
        // the widget that lost it just before; Tab puts it there to stay.
        if (watched == m_reset) {
            const bool byMouse = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
            m_focusBeforeReset = byMouse ? m_focusLeft.data() : m_reset;
        }
        if (isOnThisWindow(watched))
            m_focusLeft = nullptr;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

ExamineeOnWindow ExamineeUndo::examinee() const
{
    QWidget *focus = QApplication::focusWidget();
    return ExamineeOnWindow::of(m_parts, focus == m_reset && m_focusBeforeReset ? m_focusBeforeReset.data() : focus);
}

void ExamineeUndo::commandClicked(Routes::Handler click)
{
    auto reset = std::make_unique<ResetCommand>(m_parts, examinee(), click);
    if (reset->losesNothing()) {
        const QScopedValueRollback busy(m_busy, true);
        reset->redo(); // nothing to lose: the undo before stays
    } else {
        push(reset.release());
    }
    // A message about the examinee before ("コピーしました") must not stand
    // beside the next one.
    emit notice(QString());
}

void ExamineeUndo::push(ReplaceExamineeCommand *command)
{
    const QScopedValueRollback busy(m_busy, true);
    m_stack->push(command);
}

bool ExamineeUndo::canUndo() const { return m_stack->canUndo(); }

void ExamineeUndo::inputChanged()
{
    if (!m_busy)
        m_stack->clear();
}

void ExamineeUndo::undo()
{
    if (!canUndo()) {
        emit notice(nothingToUndoNotice());
        return;
    }
    {
        const QScopedValueRollback busy(m_busy, true);
        m_stack->undo();
    }
    m_stack->clear(); // one level, and nothing to redo
    emit notice(undoneNotice());
}
