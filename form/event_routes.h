#pragma once

#include "judgement/judgement_buttons.h"
#include "state/form_controls.h"

#include <span>
#include <utility>

// Which handler each event of the window runs. These tables are the whole
// wiring between the controls and the checkup rules.
namespace Routes {

using Handler = void (*)(FormControls &);
using KeyHandler = void (*)(FormControls &, char16_t &);

// Written in a route's place where the control deliberately has no handler
// for the event, so that the table shows the absence.
struct NoHandler {};
inline constexpr NoHandler kNoHandler{};

// A handler a control may go without: either a handler or kNoHandler, never
// left out nor null, so that a forgotten route does not compile.
template <typename Function> class MaybeHandler {
public:
    consteval MaybeHandler(Function handler) : m_handler(handler)
    {
        if (handler == nullptr)
            throw "write kNoHandler where a control has no handler";
    }
    consteval MaybeHandler(NoHandler) {}

    constexpr explicit operator bool() const { return m_handler != nullptr; }
    template <typename... Args> void operator()(Args &&...args) const { m_handler(std::forward<Args>(args)...); }

private:
    Function m_handler = nullptr;
};

struct FieldRoute {
    Field field;
    Handler change;
    MaybeHandler<KeyHandler> keyPress; // none: the line edit's own key handling only
    MaybeHandler<Handler> gotFocus;    // none: nothing happens on focus
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
