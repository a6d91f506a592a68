#pragma once

#include "app/attention_marks.h"
#include "app/result_currency.h"
#include "state/colours.h"
#include "state/design_names.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class FormControls;
class QAbstractButton;
class QLineEdit;
class QWidget;
class RecordCopy;

// One slip of the hand on Reset must not lose an examinee: right after
// Reset, Ctrl+Z (wherever the focus is) brings back the examinee as it was,
// with every field, choice, colour, mark and result, the explanations and the
// record to copy, and puts the focus back where it was. The undo lasts until
// the next entry, choice or judgement; one level. A Reset of an empty window
// keeps the undo of the Reset before it, so pressing Reset twice loses
// nothing. Reset itself asks nothing: the desk is not slowed down.
class ResetUndo final : public QObject {
public:
    using Say = std::function<void(const QString &)>;

    ResetUndo(QWidget &window, FormControls &form, AttentionMarks &marks, ResultCurrency &currency,
              RecordCopy &recordCopy, Say say);

    // A judgement ends the undo, as an entry or a choice does.
    void forget() { m_undo.reset(); }
    bool canUndo() const { return m_undo.has_value(); }
    // Ctrl+Z: undoes the last Reset, or says that there is none to undo.
    void undo();
    // An entry or a choice: the undo ends, unless it is Reset's own or the undo's.
    void inputChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The examinee on the window, as Reset found it.
    struct Examinee {
        std::array<QString, kFieldCount> texts;
        std::array<Rgb, kFieldCount> textColours;
        Rgb bmiColour;
        std::array<bool, kOptionCount> selected;
        QString results[2]; // Label37, Label15
        QStringList record;
        AttentionMarks::State marks;
        ResultCurrency::State currency;
        QPointer<QWidget> focus;
        bool isEmpty() const;
    };

    Examinee capture() const;

    QWidget &m_window;
    FormControls &m_form;
    AttentionMarks &m_marks;
    ResultCurrency &m_currency;
    RecordCopy &m_recordCopy;
    Say m_say;
    QAbstractButton *m_reset = nullptr;
    std::array<QLineEdit *, kFieldCount> m_fields{};
    QPointer<QWidget> m_focusBeforeReset;
    bool m_resetFocusedByMouse = false;
    std::optional<Examinee> m_pending;  // captured as Reset is pressed
    std::optional<Examinee> m_previous; // the undo that stood before it
    std::optional<Examinee> m_undo;
    bool m_restoring = false;
};
