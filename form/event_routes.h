#pragma once

#include "judgement/judgement_buttons.h"
#include "state/form_controls.h"

#include <cstddef>
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

// A handler every control of a table has: a null one does not compile.
template <typename Function> class RequiredHandler {
public:
    constexpr RequiredHandler(Function handler) : m_handler(handler) {}
    RequiredHandler(std::nullptr_t) = delete;

    constexpr operator Function() const { return m_handler; }
    template <typename... Args> void operator()(Args &&...args) const { m_handler(std::forward<Args>(args)...); }

private:
    Function m_handler;
};

// A handler a control may go without: either a handler or kNoHandler, never
// left out nor null, so that a forgotten route does not compile. Whether
// there is one is kept beside it, so that the tables can be checked as they
// are compiled without comparing a function's address.
template <typename Function> class MaybeHandler {
public:
    constexpr MaybeHandler(Function handler) : m_handler(handler), m_present(true) {}
    MaybeHandler(std::nullptr_t) = delete; // write kNoHandler where a control has no handler
    constexpr MaybeHandler(NoHandler) {}

    constexpr explicit operator bool() const { return m_present; }
    template <typename... Args> void operator()(Args &&...args) const { m_handler(std::forward<Args>(args)...); }

private:
    Function m_handler = nullptr;
    bool m_present = false;
};

struct FieldRoute {
    Field field;
    RequiredHandler<Handler> change;
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
