#pragma once

#include "judgement/judgement.h"
#include "judgement/plausibility.h"

#include <QList>
#include <QString>
#include <QStringList>

// The words of the attention marks: what to check about a value, and which
// entry a prompt asks for. A mark is shown on the entry it names, and read
// by a screen reader as part of its description.

// 「確認: 腹囲 9.5 cm (通常 40～200 cm)」, 「確認: 体重 "65.5.0" は 65.5 と読みました」.
QString valueToCheckText(const EntrySnapshot &entries, const ValueToCheck &doubt);

// The same without 「確認: 」, for a list: 「腹囲 9.5 cm (通常 40～200 cm)」.
QString valueToCheckSummary(const EntrySnapshot &entries, const ValueToCheck &doubt);

struct AttentionMark {
    // What ends a missing-entry mark: the entry filled, or reading as more
    // than 0; either glucose value filled; the BMI shown again.
    enum class Until { Filled, NotZero, GlucoseFilled, BmiShown };

    Entry entry; // the BMI's mark goes on the display, a missing BMI's on the height
    QString text;
    Until until;
    friend bool operator==(const AttentionMark &, const AttentionMark &) = default;
};

// The entries the prompts of a judgement ask for, each once: 「未入力」, for
// 65 to 74 「0 は使えません」, an empty BMI display on the height, an empty
// glucose pair on both its fields.
QList<AttentionMark> missingEntryMarks(const Judgement &judged);
