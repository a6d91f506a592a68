#pragma once

#include "judgement/judgement.h"

#include <QObject>

#include <optional>

class FormControls;
class CommandButton;
class QLabel;
class QWidget;

// Whether the results shown still belong to the entries and choices on
// screen. After a judgement, as soon as an entry or a choice differs from
// what was judged, both result labels are drawn grey and their explanation
// begins with a notice to judge again; when the entries and choices come back
// to exactly what was judged, the results are current again. A focus change
// or a colour changes nothing. While the results are current, the button of
// the band judged is drawn held down.
class ResultCurrency final : public QObject {
public:
    ResultCurrency(QWidget &window, const FormControls &form);

    // A judgement was made and its explanations set.
    void judged(const Judgement &judgement);
    // Reset: nothing judged any more.
    void reset();

    bool isOutdated() const { return m_outdated; }

    // What it knows, to be put back by an undo of Reset.
    struct State {
        std::optional<Judgement> judged;
        QString explanations[2];
        bool outdated = false;
    };
    State state() const { return {m_judged, {m_explanations[0], m_explanations[1]}, m_outdated}; }
    void restore(const State &state);
    // Called with the new state whenever the results go out of date or
    // become current again.
    void setOutdatedListener(std::function<void(bool)> listener) { m_listener = std::move(listener); }

    // An entry or a choice changed: out of date, or current again.
    void inputChanged();

private:
    void show(bool outdated);
    void draw(bool explanations);
    void showExplanations();
    void holdBand(std::optional<AgeBand> band);

    const FormControls &m_form;
    QLabel *m_results[2] = {};
    QString m_explanations[2];
    CommandButton *m_bandButtons[2] = {};
    std::optional<Judgement> m_judged;
    bool m_outdated = false;
    std::function<void(bool)> m_listener;
};
