#pragma once

#include "app/adapter/field_look.h"
#include "form/event_routes.h"
#include "judgement/judgement.h"
#include "state/form_controls.h"

#include <QObject>

#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The adapter between the checkup handlers and the Qt widgets of the window.
//
// This is the one place where events re-enter the handlers:
//  - QLineEdit::textChanged, raised by typing, pasting and setText() alike,
//    runs the field's change handler inside the assignment;
//  - QRadioButton::toggled(true), raised by the mouse, the arrow keys and
//    setChecked() alike, runs the button's click handler inside it;
//  - every indicator write runs the change handler of Label4, Label7 and
//    Label10 before the writer continues;
//  - key presses and focus-ins of the fields reach their handlers through an
//    event filter, before the line edit sees the key;
//  - a command button's click (Reset) hands its handler on as commandClicked:
//    the handler replaces the examinee, so it runs inside an undoable command
//    (examinee_commands.h).
class QtFormControls final : public QObject, public FormControls {
    Q_OBJECT
public:
    // Finds the controls by their design names below `window` and connects
    // their events to the handlers.
    explicit QtFormControls(QWidget &window);

    const QString &text(Field field) const override { return m_texts[std::size_t(field)]; }
    void setText(Field field, const QString &text) override;
    void putCaretAtEnd(Field field) override;
    void setFocus(Field field) override;
    void setTextColour(Field field, Rgb colour) override;

    QString caption(Readout label) const override;
    void setCaption(Readout label, const QString &caption) override;
    void setTextColour(Readout label, Rgb colour) override;

    bool isSelected(Option option) const override;
    void select(Option option) override;
    void setFocus(Option option) override;

    IndicatorStore &indicators() override { return m_indicators; }
    const IndicatorStore &indicators() const override { return m_indicators; }

    // The text colours and marks of the entries.
    FieldLook &look() { return m_look; }

signals:
    // An entry or a choice changed, once its handler has run (the cleaning of
    // a field raises it again for the clean text).
    void inputChanged();
    // A judgement button judged, before the results show.
    void judged(const Judgement &judgement);
    // A command button was clicked; its handler `click` has not run.
    void commandClicked(Routes::Handler click);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit(Field field) const { return m_fields[std::size_t(field)]; }
    QLabel *label(Readout display) const { return m_displays[std::size_t(display)]; }
    QRadioButton *button(Option option) const { return m_options[std::size_t(option)]; }

    const Routes::FieldRoute *routeOf(const QObject *watched) const;

    std::array<QLineEdit *, kFieldCount> m_fields{};
    // Each field's text, kept as it changes (by typing, pasting, the field's
    // own undo or setText), before the field's handler runs.
    std::array<QString, kFieldCount> m_texts;
    std::array<QLabel *, kReadoutCount> m_displays{};
    std::array<QRadioButton *, kOptionCount> m_options{};
    IndicatorStore m_indicators;
    FieldLook m_look;
};
