#pragma once

#include "judgement/judgement.h"
#include "words/attention.h"

#include <QObject>

#include <array>
#include <optional>

class FieldLook;
class FormControls;
class QWidget;

// The attention marks on the entries: a value to check (outside its
// plausible range, or not a plain number) and an entry that a prompt asks
// for. A marked entry's background turns pale yellow under its own text
// colour, and its tooltip and accessible description say what to check.
//
// A value mark is set when the focus leaves the field and at each judgement,
// never while the user is still typing, and goes as soon as the value is
// plausible. A missing-entry mark is set by a judgement that prompts and goes
// when the entry is filled. Reset clears them all. No mark blocks anything or
// changes a value.
class AttentionMarks final : public QObject {
public:
    AttentionMarks(QWidget &window, const FormControls &form, FieldLook &look);

    void judged(const Judgement &judgement);
    // Reset: no marks any more.
    void clear();
    // An entry or a choice changed (after its handler, so the BMI display is
    // current): marks follow the values, and none is set.
    void entriesChanged();

    // The marks' texts on an entry, one a line; empty without a mark.
    QString marksOn(Entry entry) const;

    // The marks standing, to be put back by an undo.
    struct Marks {
        std::optional<QString> valueToCheck;
        std::optional<AttentionMark> missing;
    };
    using State = std::array<Marks, kEntryCount>;
    State state() const;
    void restore(const State &state);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct EntryMarks {
        QString description; // its accessible description without marks
        std::optional<QString> valueToCheck;
        std::optional<AttentionMark> missing;
    };

    void checkValue(Entry entry, bool mayMark);
    void checkValue(const EntrySnapshot &entries, Entry entry, bool mayMark);
    static bool missingMarkEnds(const EntrySnapshot &entries, const AttentionMark &mark);
    void show(Entry entry);
    EntryMarks &marksOf(Entry entry) { return m_marks[std::size_t(entry)]; }

    const FormControls &m_form;
    FieldLook &m_look;
    std::array<EntryMarks, kEntryCount> m_marks;
};
