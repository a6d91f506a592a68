#include "app/results/judged_results.h"

#include "judgement/judgement_buttons.h"
#include "words/notices.h"

JudgedResults::JudgedResults(QObject *parent) : QObject(parent) {}

void JudgedResults::judged(const Judgement &judgement)
{
    m_judgement = judgement;
    m_words = wordsFor(judgement);
    m_outdated = false;
    emit changed();
}

void JudgedResults::clear()
{
    if (!m_judgement && !m_outdated)
        return;
    m_judgement.reset();
    m_words = {};
    m_outdated = false;
    emit changed();
}

void JudgedResults::compareWith(const FormControls &form)
{
    if (!m_judgement)
        return;
    const bool differs = entriesOf(form) != m_judgement->entries || choicesOf(form) != m_judgement->choices;
    if (differs == m_outdated)
        return;
    m_outdated = differs;
    emit changed();
}

void JudgedResults::restore(const State &state)
{
    m_judgement = state.judgement;
    m_words = state.words;
    m_outdated = state.outdated;
    emit changed();
}

std::optional<AgeBand> JudgedResults::currentBand() const
{
    if (!m_judgement || m_outdated)
        return std::nullopt;
    return m_judgement->band;
}

QString JudgedResults::explanation(Readout resultLabel) const
{
    if (!m_judgement)
        return {};
    const QString &why = resultLabel == Readout::Label37 ? m_words.classExplanation : m_words.guidanceExplanation;
    return m_outdated ? outdatedResultsNotice() + u'\n' + why : why;
}
