#include "judgement/colours.h"

#include <variant>

namespace {

Rgb markColour(Entry entry, double value, bool female)
{
    const RuleLimits &limits = measured(entry).limits;
    if (!limits.feedsRule)
        return kBlack;
    if (limits.side == LimitSide::Below)
        return reachesLimit(entry, value, LimitKind::GuidanceRisk) ? kBlue : kBlack;
    if (limits.syndrome != limits.guidance && reachesLimit(entry, value, LimitKind::SyndromeCriterion, female))
        return kMagenta;
    return reachesLimit(entry, value, LimitKind::GuidanceRisk, female) ? kRed : kBlack;
}

} // namespace

MarkColours markColours(const EntrySnapshot &entries, const EntryValues &values)
{
    MarkColours colours{};
    for (const Entry entry : kAllEntries)
        colours[std::size_t(entry)] = markColour(entry, values[entry], entries.female);
    return colours;
}

void setMarkColour(FormControls &form, Entry entry, Rgb colour)
{
    std::visit([&](auto control) { form.setTextColour(control, colour); }, measured(entry).control);
}
