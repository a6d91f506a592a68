#pragma once

// The window as the handlers see it, without widgets (the in-memory form),
// writing down every write in the order the handlers make it ("Text1=140",
// "Label4=1", "select Option2", "colour Text1 black", "caret Text1",
// "focus Option5"). The form re-enters the handlers where the window does:
// a changed text runs the field's change handler, a button that becomes
// selected runs its click handler, a field that takes the focus runs its
// got-focus handler, and a write of Label4, Label7 or Label10 runs that
// label's change handler.

#include "form/memory_form.h"

#include <QStringList>

#include <utility>

namespace Recording {

// The design names, written out here rather than taken from the window's
// tables, so that a test reads the same names a maintainer reads in the
// design.
// clang-format off
struct FieldRow { Field field; const char *name; };
inline constexpr FieldRow kFields[] = {
    {Field::Text9, "Text9"}, {Field::Text10, "Text10"}, {Field::Text12, "Text12"},
    {Field::Text1, "Text1"}, {Field::Text2, "Text2"},   {Field::Text6, "Text6"},
    {Field::Text7, "Text7"}, {Field::Text4, "Text4"},   {Field::Text5, "Text5"},
};

struct OptionRow { Option option; const char *name; };
inline constexpr OptionRow kOptions[] = {
    {Option::Option1, "Option1"}, {Option::Option2, "Option2"}, {Option::Option3, "Option3"},
    {Option::Option4, "Option4"}, {Option::Option5, "Option5"}, {Option::Option6, "Option6"},
    {Option::Option7, "Option7"}, {Option::Option8, "Option8"}, {Option::Option9, "Option9"},
    {Option::Option10, "Option10"},
};

struct IndicatorRow { Indicator indicator; const char *name; };
inline constexpr IndicatorRow kIndicators[] = {
    {Indicator::Label4, "Label4"},   {Indicator::Label40, "Label40"},
    {Indicator::Label44, "Label44"}, {Indicator::Label47, "Label47"},
    {Indicator::Label10, "Label10"}, {Indicator::Label39, "Label39"},
    {Indicator::Label43, "Label43"}, {Indicator::Label46, "Label46"},
    {Indicator::Label7, "Label7"},   {Indicator::Label38, "Label38"},
    {Indicator::Label42, "Label42"}, {Indicator::Label45, "Label45"},
    {Indicator::Label29, "Label29"}, {Indicator::Label13, "Label13"},
};
// clang-format on

inline QString colourName(Rgb c)
{
    const std::pair<Rgb, const char *> named[] = {
        {{0, 0, 0}, "black"}, {{255, 0, 0}, "red"}, {{255, 0, 255}, "magenta"}, {{0, 0, 255}, "blue"}};
    for (const auto &[rgb, name] : named) {
        if (rgb == c)
            return QLatin1String(name);
    }
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace Recording

class RecordingForm final : public MemoryForm {
public:
    RecordingForm() : MemoryForm(Notes::Kept) {}

    // Every write since the last clear, in the order it was made.
    QStringList writes;

private:
    void noteWrite(const Write &write) override
    {
        const QString name = QLatin1String(write.control);
        switch (write.kind) {
        case Write::Kind::Text:
        case Write::Kind::Caption:
        case Write::Kind::Indicator: writes << name + u'=' + write.text; return;
        case Write::Kind::Select: writes << QLatin1String("select ") + name; return;
        case Write::Kind::Focus: writes << QLatin1String("focus ") + name; return;
        case Write::Kind::Caret: writes << QLatin1String("caret ") + name; return;
        case Write::Kind::Colour:
            writes << QLatin1String("colour ") + name + u' ' + Recording::colourName(write.colour);
            return;
        }
    }
};
