#include "app/adapter/qt_form_controls.h"

#include "app/window/accessibility.h"
#include "app/window/find_control.h"
#include "app/window/palette.h"
#include "state/design_names.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>

namespace {

// The character code a key handler sees: 13 for Enter, the typed character
// otherwise; 0 for keys that type nothing (arrows, function keys).
char16_t keyAsciiOf(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return 13;
    const QString typed = key.text();
    return typed.size() == 1 ? typed.front().unicode() : 0;
}

} // namespace

QtFormControls::QtFormControls(QWidget &window) : QObject(&window), m_look(window)
{
    for (const Routes::FieldRoute &route : Routes::fields()) {
        QLineEdit *field = findControl<QLineEdit>(window, route.field);
        m_fields[std::size_t(route.field)] = field;
        const Routes::Handler change = route.change;
        QString &kept = m_texts[std::size_t(route.field)];
        kept = field->text();
        connect(field, &QLineEdit::textChanged, this, [this, change, &kept](const QString &text) {
            kept = text;
            change(*this);
            emit inputChanged();
        });
        field->installEventFilter(this);
    }
    for (const Routes::OptionRoute &route : Routes::options()) {
        QRadioButton *option = findControl<QRadioButton>(window, route.option);
        m_options[std::size_t(route.option)] = option;
        const Routes::Handler click = route.click;
        connect(option, &QAbstractButton::toggled, this, [this, click](bool selected) {
            if (!selected)
                return;
            click(*this);
            emit inputChanged();
        });
    }
    for (std::size_t i = 0; i < kReadoutCount; ++i)
        m_displays[i] = findControl<QLabel>(window, Readout(i));
    for (const Routes::JudgementRoute &route : Routes::judgementButtons()) {
        const auto click = route.click;
        connect(findControl<QAbstractButton>(window, route.command), &QAbstractButton::clicked, this,
                [this, click] { click(*this, [this](const Judgement &judgement) { emit judged(judgement); }); });
    }
    for (const Routes::CommandRoute &route : Routes::commands()) {
        const Routes::Handler click = route.click;
        connect(findControl<QAbstractButton>(window, route.command), &QAbstractButton::clicked, this,
                [this, click] { emit commandClicked(click); });
    }
    m_indicators.setChangeListener([this](Indicator written) {
        if (const Routes::IndicatorRoute *route = Routes::routeOf(written))
            route->change(*this);
    });
}

const Routes::FieldRoute *QtFormControls::routeOf(const QObject *watched) const
{
    const auto found = std::ranges::find(m_fields, watched);
    return found == m_fields.end() ? nullptr : &Routes::routeOf(Field(found - m_fields.begin()));
}

bool QtFormControls::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const Routes::FieldRoute *route = routeOf(watched);
        char16_t keyAscii = keyAsciiOf(*static_cast<QKeyEvent *>(event));
        if (route && route->keyPress && keyAscii != 0) {
            route->keyPress(*this, keyAscii);
            if (keyAscii == 0)
                return true; // swallowed: the field never sees the key
        }
    } else if (event->type() == QEvent::FocusIn) {
        // Coming back to the window or closing a context menu returns the
        // focus without the user moving it: that is no new visit to the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const Routes::FieldRoute *route = routeOf(watched);
        if (route && route->gotFocus && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            route->gotFocus(*this);
    }
    return QObject::eventFilter(watched, event);
}

void QtFormControls::setText(Field field, const QString &text) { edit(field)->setText(text); }

void QtFormControls::putCaretAtEnd(Field field)
{
    QLineEdit *line = edit(field);
    line->setCursorPosition(int(line->text().size()));
}

void QtFormControls::setFocus(Field field) { edit(field)->setFocus(Qt::OtherFocusReason); }

void QtFormControls::setTextColour(Field field, Rgb colour) { m_look.paint(entryOf(field), colour); }

QString QtFormControls::caption(Readout display) const { return label(display)->text(); }

void QtFormControls::setCaption(Readout display, const QString &caption)
{
    QLabel *shown = label(display);
    shown->setText(caption);
    nameDisplayByWhatItShows(*shown);
}

void QtFormControls::setTextColour(Readout display, Rgb colour)
{
    if (display == Readout::Label30)
        m_look.paint(Entry::Bmi, colour);
    else
        setColourRole(*label(display), QPalette::WindowText, colour);
}

bool QtFormControls::isSelected(Option option) const { return button(option)->isChecked(); }

void QtFormControls::select(Option option) { button(option)->setChecked(true); }

void QtFormControls::setFocus(Option option) { button(option)->setFocus(Qt::OtherFocusReason); }
