#include "app/results/attention_marks.h"

#include "app/adapter/field_look.h"
#include "judgement/judgement_buttons.h"
#include "state/design_names.h"
#include "state/form_controls.h"
#include "state/numeric_value.h"

#include <QAccessible>
#include <QEvent>
#include <QLineEdit>
#include <QStringList>

namespace {

// Leaving the height or the weight also settles the BMI computed from them.
bool feedsBmi(Entry entry) { return entry == Entry::Height || entry == Entry::Weight; }

} // namespace

AttentionMarks::AttentionMarks(QWidget &window, const FormControls &form, FieldLook &look)
    : QObject(&window), m_form(form), m_look(look)
{
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        QWidget &control = look.control(Entry(i));
        m_marks[i].description = control.accessibleDescription();
        if (qobject_cast<QLineEdit *>(&control))
            control.installEventFilter(this);
    }
}

bool AttentionMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        for (std::size_t i = 0; i < kEntryCount; ++i) {
            if (&m_look.control(Entry(i)) != watched)
                continue;
            checkValue(Entry(i), true);
            if (feedsBmi(Entry(i)))
                checkValue(Entry::Bmi, true);
        }
    }
    return QObject::eventFilter(watched, event);
}

void AttentionMarks::checkValue(Entry entry, bool mayMark) { checkValue(entriesOf(m_form), entry, mayMark); }

void AttentionMarks::checkValue(const EntrySnapshot &entries, Entry entry, bool mayMark)
{
    EntryMarks &marks = marksOf(entry);
    if (!mayMark && !marks.valueToCheck)
        return;
    const auto doubt = valueToCheck(entries, entry);
    const std::optional<QString> text =
        doubt ? std::optional(valueToCheckText(entries, *doubt)) : std::optional<QString>();
    if (text == marks.valueToCheck)
        return;
    marks.valueToCheck = text;
    show(entry);
}

bool AttentionMarks::missingMarkEnds(const EntrySnapshot &entries, const AttentionMark &mark)
{
    switch (mark.until) {
    case AttentionMark::Until::Filled: return !entryText(entries, mark.entry).isEmpty();
    case AttentionMark::Until::NotZero: return NumericValue(entryText(entries, mark.entry)) != 0;
    case AttentionMark::Until::GlucoseFilled:
        return !entryText(entries, Entry::FastingGlucose).isEmpty() || !entryText(entries, Entry::Hba1c).isEmpty();
    case AttentionMark::Until::BmiShown: return !entryText(entries, Entry::Bmi).isEmpty();
    }
    return true;
}

// While typing, a mark only follows the value: it goes once the value is
// plausible or the entry filled, and no new mark is set.
void AttentionMarks::entriesChanged()
{
    std::optional<EntrySnapshot> entries; // read once, and only where a mark stands
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        EntryMarks &marks = m_marks[i];
        if (!marks.valueToCheck && !marks.missing)
            continue;
        if (!entries)
            entries = entriesOf(m_form);
        checkValue(*entries, Entry(i), false);
        if (marks.missing && missingMarkEnds(*entries, *marks.missing)) {
            marks.missing.reset();
            show(Entry(i));
        }
    }
}

void AttentionMarks::judged(const Judgement &judgement)
{
    for (std::size_t i = 0; i < kEntryCount; ++i)
        m_marks[i].missing.reset();
    for (const AttentionMark &mark : missingEntryMarks(judgement))
        marksOf(mark.entry).missing = mark;
    for (std::size_t i = 0; i < kEntryCount; ++i)
        m_marks[i].valueToCheck.reset();
    for (const ValueToCheck &doubt : judgement.findings.toCheck)
        marksOf(doubt.entry).valueToCheck = valueToCheckText(judgement.entries, doubt);
    for (std::size_t i = 0; i < kEntryCount; ++i)
        show(Entry(i));
}

void AttentionMarks::clear()
{
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        if (!m_marks[i].valueToCheck && !m_marks[i].missing)
            continue;
        m_marks[i].valueToCheck.reset();
        m_marks[i].missing.reset();
        show(Entry(i));
    }
}

AttentionMarks::State AttentionMarks::state() const
{
    State state;
    for (std::size_t i = 0; i < kEntryCount; ++i)
        state[i] = {m_marks[i].valueToCheck, m_marks[i].missing};
    return state;
}

void AttentionMarks::restore(const State &state)
{
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        m_marks[i].valueToCheck = state[i].valueToCheck;
        m_marks[i].missing = state[i].missing;
        show(Entry(i));
    }
}

QString AttentionMarks::marksOn(Entry entry) const
{
    const EntryMarks &marks = m_marks[std::size_t(entry)];
    QStringList texts;
    if (marks.valueToCheck)
        texts << *marks.valueToCheck;
    if (marks.missing)
        texts << marks.missing->text;
    return texts.join(u'\n');
}

void AttentionMarks::show(Entry entry)
{
    EntryMarks &marks = marksOf(entry);
    const QString texts = marksOn(entry);
    const bool marked = !texts.isEmpty();
    m_look.mark(entry, marked);
    QWidget &control = m_look.control(entry);
    control.setToolTip(texts);
    control.setAccessibleDescription(marked ? marks.description + u'\n' + texts : marks.description);
    QAccessibleEvent changed(&control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
