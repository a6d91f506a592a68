#pragma once

#include "state/criteria.h"

#include <array>
#include <cstddef>

// The Japanese words that the window, the screen reader and the desk share:
// where a caption on the form, an accessible name and a word of an
// explanation or of the copied record are the same word, it is written here
// once, keyed by meaning. UTF-8. The measured items' own words stand in
// their rows of the catalogue (state/measured_items.h).
enum class Word {
    Male,
    Female,
    Sex,
    Yes,
    No,
    DrugTreatment,
    Smoking,
    BloodPressure,
    Lipids,
    Glucose,
    Ages40To64,
    Ages65To74,
    SyndromeClass,
    GuidanceLevel,
    NotEntered,
};

inline constexpr std::size_t kWordCount = std::size_t(Word::NotEntered) + 1;

constexpr const char *word(Word w)
{
    // clang-format off
    constexpr std::array<const char *, kWordCount> words = {
        "男性", "女性", "性別", "あり", "なし", "薬剤治療", "喫煙",
        "血圧", "脂質", "血糖",
        "40歳～64歳", "65歳～74歳",
        "メタボリックシンドローム", "保健指導レベル",
        "未入力",
    };
    // clang-format on
    return words[std::size_t(w)];
}

// The word of what a criterion is about ("血圧", "脂質", "血糖").
constexpr Word wordOf(Criterion criterion)
{
    constexpr std::array<Word, 3> words = {Word::BloodPressure, Word::Lipids, Word::Glucose};
    return words[std::size_t(criterion)];
}
