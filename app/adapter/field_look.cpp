#include "app/adapter/field_look.h"

#include "app/window/find_control.h"
#include "app/window/palette.h"

#include <QLineEdit>
#include <QWidget>

#include <variant>

FieldLook::FieldLook(QWidget &window)
{
    for (std::size_t i = 0; i < kEntryCount; ++i)
        m_controls[i] = std::visit([&](auto key) { return findControl(window, key); }, kMeasuredItems[i].control);
}

void FieldLook::paint(Entry entry, Rgb colour)
{
    if (m_held)
        return;
    m_looks[std::size_t(entry)].text = colour;
    draw(entry);
}

void FieldLook::mark(Entry entry, bool marked)
{
    if (m_held || m_looks[std::size_t(entry)].marked == marked)
        return;
    m_looks[std::size_t(entry)].marked = marked;
    draw(entry);
}

void FieldLook::restore(const State &state)
{
    m_held = false;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        m_looks[i] = state[i];
        draw(Entry(i));
    }
}

void FieldLook::draw(Entry entry)
{
    const Look &look = m_looks[std::size_t(entry)];
    QWidget &shown = control(entry);
    const bool field = qobject_cast<QLineEdit *>(&shown);
    QPalette palette = shown.palette();
    if (field) {
        palette.setColor(QPalette::Text, toColor(look.text));
        palette.setColor(QPalette::Base, toColor(look.marked ? kAttentionBackground : kEntryBackground));
    } else {
        // The BMI display is transparent over its frame's grey until marked.
        palette.setColor(QPalette::WindowText, toColor(look.text));
        palette.setColor(QPalette::Window, toColor(look.marked ? kAttentionBackground : kWindowBackground));
        shown.setAutoFillBackground(look.marked);
    }
    shown.setPalette(palette);
}
