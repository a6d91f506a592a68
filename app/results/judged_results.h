#pragma once

#include "judgement/judgement.h"
#include "state/design_names.h"
#include "words/judged_record.h"

#include <QObject>

#include <optional>

class FormControls;

// The results of the latest judgement, as the window offers them: the
// judgement itself, its explanations and record row in the desk's words,
// the band judged, and whether they still belong to the entries and choices
// on screen. The result labels' look, tooltips and accessible descriptions,
// the held band button, the copy, the F1 note and the undo all draw
// from here; none of them keeps a copy or reads a widget back.
//
// After a judgement, as soon as an entry or a choice differs from what was
// judged, the results are out of date; when the entries and choices come
// back to exactly what was judged, they are current again.
class JudgedResults final : public QObject {
    Q_OBJECT
public:
    explicit JudgedResults(QObject *parent);

    // Everything it holds, for an undo to put back.
    struct State {
        std::optional<Judgement> judgement;
        JudgementWords words;
        bool outdated = false;
    };

    void judged(const Judgement &judgement);
    // Reset: nothing judged any more.
    void clear();
    // An entry or a choice changed: out of date, or current again.
    void compareWith(const FormControls &form);
    void restore(const State &state);
    State state() const { return {m_judgement, m_words, m_outdated}; }

    bool hasJudgement() const { return m_judgement.has_value(); }
    bool isOutdated() const { return m_outdated; }
    // The band whose results stand on screen, while they are current.
    std::optional<AgeBand> currentBand() const;
    // The record row of the latest judgement; empty when nothing is judged.
    const QStringList &record() const { return m_words.record; }
    // Why Label37 or Label15 shows what it shows, as the desk reads it: out
    // of date results say so first. Empty when nothing is judged.
    QString explanation(Readout resultLabel) const;

signals:
    // Any of the above changed.
    void changed();

private:
    std::optional<Judgement> m_judgement;
    JudgementWords m_words;
    bool m_outdated = false;
};
