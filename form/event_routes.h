#pragma once

#include "judgement/judgement_buttons.h"
#include "state/form_controls.h"

#include <span>

// Which handler each event of the window runs. These tables are the whole
// wiring between the controls and the checkup rules.
namespace Routes {

using Handler = void (*)(FormControls &);
using KeyHandler = void (*)(FormControls &, char16_t &);

struct FieldRoute {
    Field field;
    Handler change;
    KeyHandler keyPress; // null: the line edit's own key handling only
    Handler gotFocus;    // null: nothing happens on focus
};

struct OptionRoute {
    Option option;
    Handler click;
};

struct CommandRoute {
    Command command;
    Handler click;
};

// The judgement buttons hand on what they judged, for the words and the
// record, before they show it.
struct JudgementRoute {
    Command command;
    void (*click)(FormControls &, const JudgementSeen &);
};

struct IndicatorRoute {
    Indicator indicator;
    Handler change;
};

std::span<const FieldRoute> fields();
std::span<const OptionRoute> options();
std::span<const CommandRoute> commands();
std::span<const JudgementRoute> judgementButtons();
std::span<const IndicatorRoute> indicatorChanges();

// The route of one control. Every field and every option has one; an
// indicator or a button may have none (null).
const FieldRoute &routeOf(Field field);
const OptionRoute &routeOf(Option option);
const IndicatorRoute *routeOf(Indicator indicator);
const CommandRoute *commandRouteOf(Command button);
const JudgementRoute *judgementRouteOf(Command button);

} // namespace Routes
