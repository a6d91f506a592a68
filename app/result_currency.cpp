#include "app/result_currency.h"

#include "app/accessibility.h"
#include "app/command_button.h"
#include "app/find_control.h"
#include "app/palette.h"
#include "judgement/judgement_buttons.h"
#include "state/design_names.h"
#include "state/form_controls.h"
#include "words/notices.h"

#include <QLabel>
#include <QWidget>

namespace {

constexpr Readout kResultLabels[] = {Readout::Label37, Readout::Label15};
constexpr Command kBandButtons[] = {Command::Command1, Command::Command2}; // in AgeBand order

} // namespace

ResultCurrency::ResultCurrency(QWidget &window, const FormControls &form) : QObject(&window), m_form(form)
{
    for (std::size_t i = 0; i < 2; ++i) {
        m_results[i] = findControl<QLabel>(window, kResultLabels[i]);
        m_bandButtons[i] = findControl<CommandButton>(window, kBandButtons[i]);
    }
}

void ResultCurrency::judged(const Judgement &judgement)
{
    m_judged = judgement;
    for (std::size_t i = 0; i < 2; ++i)
        m_explanations[i] = m_results[i]->toolTip();
    show(false);
}

void ResultCurrency::reset()
{
    m_judged.reset();
    show(false);
}

void ResultCurrency::restore(const State &state)
{
    m_judged = state.judged;
    m_explanations[0] = state.explanations[0];
    m_explanations[1] = state.explanations[1];
    m_outdated = state.outdated;
    draw(true);
    if (m_listener)
        m_listener(m_outdated);
}

void ResultCurrency::inputChanged()
{
    if (!m_judged)
        return;
    const bool differs = entriesOf(m_form) != m_judged->entries || choicesOf(m_form) != m_judged->choices;
    if (differs != m_outdated)
        show(differs);
}

void ResultCurrency::show(bool outdated)
{
    const bool changed = outdated != m_outdated;
    m_outdated = outdated;
    draw(changed);
    if (changed && m_listener)
        m_listener(outdated);
}

// The results' colour and the band's hold; the explanations only where
// asked, since they change with the state alone.
void ResultCurrency::draw(bool explanations)
{
    for (std::size_t i = 0; i < 2; ++i)
        setColourRole(*m_results[i], QPalette::WindowText, m_outdated ? kOutdatedResult : kBlack);
    if (m_judged && explanations)
        showExplanations();
    holdBand(m_judged && !m_outdated ? std::optional(m_judged->band) : std::nullopt);
}

void ResultCurrency::showExplanations()
{
    for (std::size_t i = 0; i < 2; ++i) {
        const QString explanation =
            m_outdated ? outdatedResultsNotice() + u'\n' + m_explanations[i] : m_explanations[i];
        m_results[i]->setToolTip(explanation);
        describeResult(*m_results[i], explanation);
    }
}

void ResultCurrency::holdBand(std::optional<AgeBand> band)
{
    for (std::size_t i = 0; i < 2; ++i)
        m_bandButtons[i]->setHeld(band && std::size_t(*band) == i);
}
