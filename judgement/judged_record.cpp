#include "judgement/judged_record.h"

#include "judgement/checks.h"
#include "judgement/result_texts.h"

namespace {

bool isPrompt(const QString &caption)
{
    return caption == ResultText::kEnterStep1 || caption == ResultText::kEnterStep2;
}

// A prompt is explained by what is missing, a result by its findings;
// a label that the judgement left alone has nothing to explain.
template <typename Why, typename ExplainResult>
Why explanationOf(const std::optional<QString> &caption, const EntrySnapshot &entries, AgeBand band, Readout label,
                  ExplainResult explainResult)
{
    if (!caption)
        return std::monostate{};
    if (isPrompt(*caption))
        return PromptExplanation{*caption, missingEntries(entries, band, label)};
    return explainResult();
}

} // namespace

Judgement explainedJudgement(const IndicatorSnapshot &indicators, const EntrySnapshot &entries,
                             const ChoiceSnapshot &choices, AgeBand band)
{
    Judgement judged;
    judged.results = decide(indicators, band);
    applyEntryChecks(entries, band, judged.results);
    judged.syndromeClassWhy =
        explanationOf<SyndromeClassWhy>(judged.results.syndromeClass, entries, band, Readout::Label37,
                                        [&] { return explainSyndromeClass(indicators, entries); });
    judged.guidanceWhy = explanationOf<GuidanceWhy>(judged.results.guidance, entries, band, Readout::Label15, [&] {
        return explainGuidance(indicators, entries, choices, band);
    });
    return judged;
}
