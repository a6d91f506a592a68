#include "form/event_routes.h"

#include "entry/blood_values.h"
#include "entry/body_measurements.h"
#include "entry/numeric_entry.h"
#include "entry/option_groups.h"
#include "entry/risk_tally.h"
#include "form/reset.h"

#include <algorithm>
#include <array>

namespace Routes {
namespace {

// clang-format off
constexpr std::array kFields = std::to_array<FieldRoute>({
    {Field::Text9,  Text9_Change,  Text9_KeyPress,  Text9_GotFocus},
    {Field::Text10, Text10_Change, Text10_KeyPress, kNoHandler},
    {Field::Text12, Text12_Change, Text12_KeyPress, Text12_GotFocus},
    {Field::Text1,  Text1_Change,  Text1_KeyPress,  Text1_GotFocus},
    {Field::Text2,  Text2_Change,  Text2_KeyPress,  Text2_GotFocus},
    {Field::Text6,  Text6_Change,  Text6_KeyPress,  Text6_GotFocus},
    {Field::Text7,  Text7_Change,  Text7_KeyPress,  Text7_GotFocus},
    {Field::Text4,  Text4_Change,  Text4_KeyPress,  Text4_GotFocus},
    {Field::Text5,  Text5_Change,  kNoHandler,      Text5_GotFocus},
});

constexpr std::array kOptions = std::to_array<OptionRoute>({
    {Option::Option1,  Option1_Click},
    {Option::Option2,  Option2_Click},
    {Option::Option3,  Option3_Click},
    {Option::Option4,  Option4_Click},
    {Option::Option5,  Option5_Click},
    {Option::Option6,  Option6_Click},
    {Option::Option7,  Option7_Click},
    {Option::Option8,  Option8_Click},
    {Option::Option9,  Option9_Click},
    {Option::Option10, Option10_Click},
});

constexpr std::array kCommands = std::to_array<CommandRoute>({
    {Command::Command3, Command3_Click},
});

constexpr std::array kJudgementButtons = std::to_array<JudgementRoute>({
    {Command::Command1, Command1_Click},
    {Command::Command2, Command2_Click},
});

constexpr std::array kIndicatorChanges = std::to_array<IndicatorRoute>({
    {Indicator::Label4,  Label4_Change},
    {Indicator::Label7,  Label7_Change},
    {Indicator::Label10, Label10_Change},
});
// clang-format on

// Each control's route at the control's number, null where it has none: the
// one lookup of the tables above, built once as the program is compiled.
template <std::size_t kControlCount, typename Route, std::size_t kRouteCount, typename Control>
constexpr std::array<const Route *, kControlCount> byControl(const std::array<Route, kRouteCount> &table,
                                                             Control Route::*control)
{
    std::array<const Route *, kControlCount> routes{};
    for (const Route &route : table)
        routes[std::size_t(route.*control)] = &route;
    return routes;
}

constexpr auto kFieldRoutes = byControl<kFieldCount>(kFields, &FieldRoute::field);
constexpr auto kOptionRoutes = byControl<kOptionCount>(kOptions, &OptionRoute::option);
constexpr auto kIndicatorRoutes = byControl<kIndicatorCount>(kIndicatorChanges, &IndicatorRoute::indicator);
constexpr auto kCommandRoutes = byControl<kCommandCount>(kCommands, &CommandRoute::command);
constexpr auto kJudgementRoutes = byControl<kCommandCount>(kJudgementButtons, &JudgementRoute::command);

static_assert(std::ranges::none_of(kFieldRoutes, [](const FieldRoute *route) { return route == nullptr; }),
              "a field without a route");
static_assert(kFields.size() == kFieldCount, "a field with two routes");
// Enter moves on from every field but the last of the chain, which keeps the
// line edit's own handling of Enter.
static_assert(std::ranges::all_of(kFields,
                                  [](const FieldRoute &route) {
                                      return bool(route.keyPress) == nextInEnterChain(route.field).has_value();
                                  }),
              "Enter's route of a field: every field but the last of the chain moves on");
static_assert(std::ranges::none_of(kOptionRoutes, [](const OptionRoute *route) { return route == nullptr; }),
              "an option without a route");

} // namespace

std::span<const FieldRoute> fields() { return kFields; }
std::span<const OptionRoute> options() { return kOptions; }
std::span<const CommandRoute> commands() { return kCommands; }
std::span<const JudgementRoute> judgementButtons() { return kJudgementButtons; }
std::span<const IndicatorRoute> indicatorChanges() { return kIndicatorChanges; }

const FieldRoute &routeOf(Field field) { return *kFieldRoutes[std::size_t(field)]; }
const OptionRoute &routeOf(Option option) { return *kOptionRoutes[std::size_t(option)]; }
const IndicatorRoute *routeOf(Indicator indicator) { return kIndicatorRoutes[std::size_t(indicator)]; }
const CommandRoute *commandRouteOf(Command button) { return kCommandRoutes[std::size_t(button)]; }
const JudgementRoute *judgementRouteOf(Command button) { return kJudgementRoutes[std::size_t(button)]; }

} // namespace Routes
