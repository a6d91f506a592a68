#pragma once

// Every indicator state that the entry handlers can leave behind, for both
// age bands: a waist/BMI class; per criterion a value flag and a drug flag
// with their sum as the criterion count, and a guidance risk; smoking only
// beside another risk. Each state comes with what it amounts to, worked out
// here from the flags, independently of the code under test.

#include "judgement/decision.h"

#include <QString>

#include <functional>

struct IndicatorState {
    AgeBand band;
    IndicatorSnapshot indicators;
    QString name;
    int waistClass;
    int criteriaMet;         // criteria whose count is 1 or more
    bool criteriaMetEach[3]; // blood pressure, lipids, glucose
    bool anyDrug;
    int riskCount; // guidance risks, smoking included
    bool risks[3]; // blood pressure, lipids, glucose
    bool smokingCounted;
};

inline void forEachIndicatorState(const std::function<void(const IndicatorState &)> &visit)
{
    struct Row {
        const char *name;
        Indicator risk, value, drug, count;
    };
    // In the desk's order: blood pressure, lipids, glucose.
    constexpr Row kRows[] = {
        {"bp", Indicator::Label4, Indicator::Label40, Indicator::Label44, Indicator::Label47},
        {"lip", Indicator::Label10, Indicator::Label39, Indicator::Label43, Indicator::Label46},
        {"glu", Indicator::Label7, Indicator::Label38, Indicator::Label42, Indicator::Label45},
    };
    for (AgeBand band : {AgeBand::From40To64, AgeBand::From65To74})
        for (int waistClass = 0; waistClass <= 2; ++waistClass)
            for (int valueAndDrug = 0; valueAndDrug < 64; ++valueAndDrug)
                for (int risks = 0; risks < 16; ++risks) {
                    const bool smoking = risks & 8;
                    if (smoking && (risks & 7) == 0)
                        continue;
                    IndicatorState state{band, {}, {}, waistClass, 0, {}, false, smoking ? 1 : 0, {}, smoking};
                    state.indicators.set(Indicator::Label29, waistClass);
                    state.indicators.set(Indicator::Label13, smoking);
                    state.name = QStringLiteral("%1 class%2")
                                     .arg(band == AgeBand::From40To64 ? "40-64" : "65-74")
                                     .arg(waistClass);
                    for (int k = 0; k < 3; ++k) {
                        const Row &row = kRows[k];
                        const int value = (valueAndDrug >> (2 * k)) & 1, drug = (valueAndDrug >> (2 * k + 1)) & 1;
                        const int risk = (risks >> k) & 1;
                        state.indicators.set(row.value, value);
                        state.indicators.set(row.drug, drug);
                        state.indicators.set(row.count, value + drug);
                        state.indicators.set(row.risk, risk);
                        state.criteriaMet += value + drug >= 1;
                        state.criteriaMetEach[k] = value + drug >= 1;
                        state.anyDrug = state.anyDrug || drug;
                        state.riskCount += risk;
                        state.risks[k] = risk;
                        state.name += QStringLiteral(" %1:v%2d%3r%4").arg(row.name).arg(value).arg(drug).arg(risk);
                    }
                    state.name += smoking ? " smoker" : "";
                    visit(state);
                }
}
