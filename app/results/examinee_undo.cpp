#include "app/results/examinee_undo.h"

#include "app/adapter/qt_form_controls.h"
#include "app/window/find_control.h"
#include "examinee/form_entry.h"
#include "form/event_routes.h"
#include "judgement/judgement_buttons.h"
#include "words/notices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QUndoStack>

namespace {

Routes::Handler resetHandler()
{
    for (const Routes::CommandRoute &route : Routes::commands()) {
        if (route.command == Command::Command3)
            return route.click;
    }
    Q_UNREACHABLE();
}

} // namespace

bool ExamineeOnWindow::isEmpty() const
{
    for (const QString &text : texts) {
        if (!text.isEmpty())
            return false;
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (selected[i] != isStartChoice(Option(i)))
            return false;
    }
    return results[0].isEmpty() && results[1].isEmpty();
}

ExamineeUndo::ExamineeUndo(QWidget &window, QtFormControls &form, JudgedResults &results, AttentionMarks &marks)
    : QObject(&window), m_window(window), m_form(form), m_results(results), m_marks(marks)
{
    m_stack = new QUndoStack(this);
    m_stack->setUndoLimit(1);

    m_reset = findControl<QAbstractButton>(window, Command::Command3);
    connect(m_reset, &QAbstractButton::clicked, this, &ExamineeUndo::resetClicked);
    // A click on Reset takes the focus first; it goes back where it was.
    m_reset->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == m_reset)
            m_focusBeforeReset = m_resetFocusedByMouse ? old : m_reset;
    });

    for (std::size_t i = 0; i < kFieldCount; ++i) {
        m_fields[i] = findControl<QLineEdit>(window, Field(i));
        // Ctrl+Z in a field undoes the Reset while it can; else the field's own undo.
        m_fields[i]->installEventFilter(this);
    }

    auto *undoAction = new QAction(this);
    undoAction->setObjectName(QStringLiteral("undoReset"));
    undoAction->setShortcut(QKeySequence::Undo);
    undoAction->setShortcutContext(Qt::WindowShortcut);
    window.addAction(undoAction);
    connect(undoAction, &QAction::triggered, this, &ExamineeUndo::undo);
}

bool ExamineeUndo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_reset && event->type() == QEvent::FocusIn) {
        // A click moves the focus to Reset on the way to pressing it; Tab
        // puts it there to stay.
        m_resetFocusedByMouse = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
    } else if (event->type() == QEvent::KeyPress && canUndo()
               && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
        undo();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ExamineeUndo::canUndo() const { return m_stack->canUndo(); }

void ExamineeUndo::resetClicked()
{
    const QScopedValueRollback busy(m_busy, true);
    auto command = std::make_unique<ResetCommand>(*this);
    if (command->losesNothing())
        runReset(); // nothing to lose: the undo before stays
    else
        m_stack->push(command.release());
}

void ExamineeUndo::push(QUndoCommand *command)
{
    const QScopedValueRollback busy(m_busy, true);
    m_stack->push(command);
}

void PasteCommand::redo()
{
    m_owner.runReset();
    enterExaminee(m_form, m_pasted);
}

void ExamineeUndo::runReset()
{
    const QScopedValueRollback busy(m_busy, true);
    resetHandler()(m_form);
    m_results.clear();
    m_marks.reset();
    // A message about the examinee before ("コピーしました") must not stand
    // beside the next one.
    emit notice(QString());
}

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
    m_stack->undo();
    m_stack->clear(); // one level, and nothing to redo
    emit notice(undoneNotice());
}

ExamineeOnWindow ExamineeUndo::capture() const
{
    ExamineeOnWindow e;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        e.texts[i] = m_form.text(Field(i));
    for (std::size_t i = 0; i < kOptionCount; ++i)
        e.selected[i] = m_form.isSelected(Option(i));
    e.results[0] = m_form.caption(Readout::Label37);
    e.results[1] = m_form.caption(Readout::Label15);
    e.judged = m_results.snapshot();
    e.marks = m_marks.state();
    e.look = m_form.look().state();
    QWidget *focus = QApplication::focusWidget();
    e.focus = focus == m_reset && m_focusBeforeReset ? m_focusBeforeReset.data() : focus;
    return e;
}

void ExamineeUndo::restore(const ExamineeOnWindow &e)
{
    const QScopedValueRollback busy(m_busy, true);
    // The look comes back whole at the end, whatever the focus does on the way.
    m_form.look().holdForRestore();
    // The entries and choices through their handlers, which bring the
    // indicators and the BMI back with them.
    for (std::size_t i = 0; i < kFieldCount; ++i)
        m_form.setText(Field(i), e.texts[i]);
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (e.selected[i])
            m_form.select(Option(i));
    }
    if (e.focus)
        e.focus->setFocus(Qt::OtherFocusReason);
    m_form.setCaption(Readout::Label37, e.results[0]);
    m_form.setCaption(Readout::Label15, e.results[1]);
    m_results.restore(e.judged);
    m_marks.restore(e.marks);
    m_form.look().restore(e.look);
}
