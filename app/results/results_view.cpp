#include "app/results/results_view.h"

#include "app/results/judged_results.h"
#include "app/window/accessibility.h"
#include "app/window/command_button.h"
#include "app/window/find_control.h"
#include "app/window/outdated_look.h"
#include "state/design_names.h"

#include <QLabel>

namespace {

constexpr Readout kResultLabels[] = {Readout::Label37, Readout::Label15};
constexpr Command kBandButtons[] = {Command::Command1, Command::Command2}; // in AgeBand order

} // namespace

ResultsView::ResultsView(QWidget &window, const JudgedResults &results) : QObject(&window), m_results(results)
{
    for (std::size_t i = 0; i < 2; ++i) {
        m_labels[i] = findControl<QLabel>(window, kResultLabels[i]);
        m_bandButtons[i] = findControl<CommandButton>(window, kBandButtons[i]);
    }
    connect(&results, &JudgedResults::changed, this, &ResultsView::draw);
}

void ResultsView::draw()
{
    const auto band = m_results.currentBand();
    for (std::size_t i = 0; i < 2; ++i) {
        setOutdatedLook(*m_labels[i], m_results.isOutdated());
        const QString why = m_results.explanation(kResultLabels[i]);
        m_labels[i]->setToolTip(why);
        describeResult(*m_labels[i], why);
        m_bandButtons[i]->setHeld(band && std::size_t(*band) == i);
    }
}
