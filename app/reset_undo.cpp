#include "app/reset_undo.h"

#include "app/find_control.h"
#include "app/palette.h"
#include "app/record_copy.h"
#include "state/form_controls.h"
#include "words/notices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

bool ResetUndo::Examinee::isEmpty() const
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

ResetUndo::ResetUndo(QWidget &window, FormControls &form, AttentionMarks &marks, ResultCurrency &currency,
                     RecordCopy &recordCopy, Say say)
    : QObject(&window), m_window(window), m_form(form), m_marks(marks), m_currency(currency), m_recordCopy(recordCopy),
      m_say(std::move(say))
{
    m_reset = findControl<QAbstractButton>(window, Command::Command3);
    // Pressed comes before clicked, whose handler is Reset: the examinee is
    // taken while still on the window, and kept once Reset has run.
    connect(m_reset, &QAbstractButton::pressed, this, [this] {
        m_pending = capture();
        m_previous = m_undo;
    });
    connect(m_reset, &QAbstractButton::clicked, this, [this] {
        if (m_pending)
            m_undo = m_pending->isEmpty() ? m_previous : m_pending;
        m_pending.reset();
        m_previous.reset();
    });
    // A press that is not a click (the mouse let go elsewhere) resets nothing.
    connect(m_reset, &QAbstractButton::released, this, [this] {
        QTimer::singleShot(0, this, [this] {
            m_pending.reset();
            m_previous.reset();
        });
    });
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
    connect(undoAction, &QAction::triggered, this, [this] { undo(); });
}

bool ResetUndo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_reset && event->type() == QEvent::FocusIn) {
        // A click moves the focus to Reset on the way to pressing it; Tab
        // puts it there to stay.
        m_resetFocusedByMouse = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
    } else if (event->type() == QEvent::KeyPress && m_undo
               && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Undo)) {
        undo();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

ResetUndo::Examinee ResetUndo::capture() const
{
    Examinee e;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        e.texts[i] = m_fields[i]->text();
        e.textColours[i] = toRgb(m_fields[i]->palette().color(QPalette::Text));
    }
    e.bmiColour = toRgb(findControl<QLabel>(m_window, Readout::Label30)->palette().color(QPalette::WindowText));
    for (std::size_t i = 0; i < kOptionCount; ++i)
        e.selected[i] = m_form.isSelected(Option(i));
    e.results[0] = m_form.caption(Readout::Label37);
    e.results[1] = m_form.caption(Readout::Label15);
    e.record = m_recordCopy.row();
    e.marks = m_marks.state();
    e.currency = m_currency.state();
    QWidget *focus = QApplication::focusWidget();
    e.focus = focus == m_reset && m_focusBeforeReset ? m_focusBeforeReset.data() : focus;
    return e;
}

void ResetUndo::inputChanged()
{
    if (!m_restoring && !m_pending)
        m_undo.reset();
}

void ResetUndo::undo()
{
    if (!m_undo) {
        m_say(nothingToUndoNotice());
        return;
    }
    const Examinee e = *m_undo;
    m_restoring = true;
    // The entries and choices through their handlers, which bring the
    // indicators and the BMI back with them.
    for (std::size_t i = 0; i < kFieldCount; ++i)
        m_form.setText(Field(i), e.texts[i]);
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (e.selected[i])
            m_form.select(Option(i));
    }
    // The focus before the colours: a field taking the focus shows black.
    if (e.focus)
        e.focus->setFocus(Qt::OtherFocusReason);
    for (std::size_t i = 0; i < kFieldCount; ++i)
        m_form.setTextColour(Field(i), e.textColours[i]);
    m_form.setTextColour(Readout::Label30, e.bmiColour);
    m_form.setCaption(Readout::Label37, e.results[0]);
    m_form.setCaption(Readout::Label15, e.results[1]);
    m_form.setExplanation(Readout::Label37, e.currency.explanations[0]);
    m_form.setExplanation(Readout::Label15, e.currency.explanations[1]);
    m_form.keepJudgedRecord(e.record);
    m_marks.restore(e.marks);
    m_currency.restore(e.currency);
    m_restoring = false;
    m_undo.reset();
    m_say(undoneNotice());
}
