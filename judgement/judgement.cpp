#include "judgement/judgement.h"

#include "judgement/result_texts.h"

QString Judgement::syndromeClassCaption() const
{
    const auto prompt = classPrompt();
    return prompt ? captionOf(*prompt) : captionOf(decision.classRule);
}

QString Judgement::guidanceCaption() const
{
    const auto prompt = guidancePrompt();
    return prompt ? captionOf(*prompt) : captionOf(decision.guidanceRule);
}

Judgement judge(const IndicatorSnapshot &indicators, EntrySnapshot entries, const EntryValues &values,
                const ChoiceSnapshot &choices, AgeBand band)
{
    Judgement judged{
        .band = band,
        .entries = {},
        .values = values,
        .choices = choices,
        .decision = decide(indicators, band),
        .findings = findEntries(entries, values),
        .missingForClass = missingEntries(entries, values, band, ResultLabel::SyndromeClass),
        .missingForGuidance = missingEntries(entries, values, band, ResultLabel::Guidance),
    };
    // Taken over, not copied: the snapshot is made for this judgement.
    judged.entries = std::move(entries);
    return judged;
}
