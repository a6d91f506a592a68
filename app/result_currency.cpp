#include "app/result_currency.h"

#include "app/accessibility.h"
#include "app/command_button.h"
#include "app/palette.h"
#include "judgement/judgement_buttons.h"
#include "state/design_names.h"
#include "state/form_controls.h"
#include "words/notices.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace {

constexpr Readout kResultLabels[] = {Readout::Label37, Readout::Label15};
constexpr Command kBandButtons[] = {Command::Command1, Command::Command2}; // in AgeBand order

template <typename T, typename Key> T *find(QWidget &window, Key key)
{
    T *control = window.findChild<T *>(QLatin1String(designName(key)));
    Q_ASSERT_X(control, "ResultCurrency", designName(key));
    return control;
}

} // namespace

ResultCurrency::ResultCurrency(QWidget &window, const FormControls &form) : QObject(&window), m_form(form)
{
    for (std::size_t i = 0; i < 2; ++i) {
        m_results[i] = find<QLabel>(window, kResultLabels[i]);
        m_bandButtons[i] = find<CommandButton>(window, kBandButtons[i]);
    }
    // Connected after the handlers, so the comparison sees the entries as
    // the handlers left them.
    for (std::size_t i = 0; i < kFieldCount; ++i)
        connect(find<QLineEdit>(window, Field(i)), &QLineEdit::textChanged, this, [this] { inputChanged(); });
    for (std::size_t i = 0; i < kOptionCount; ++i)
        connect(find<QRadioButton>(window, Option(i)), &QAbstractButton::toggled, this, [this] { inputChanged(); });
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
    m_outdated = !state.outdated; // so that show() sees a change and redraws it all
    show(state.outdated);
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
    for (std::size_t i = 0; i < 2; ++i)
        setColourRole(*m_results[i], QPalette::WindowText, outdated ? kOutdatedResult : kBlack);
    if (m_judged && changed)
        showExplanations();
    holdBand(m_judged && !outdated ? std::optional(m_judged->band) : std::nullopt);
    if (changed && m_listener)
        m_listener(outdated);
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
