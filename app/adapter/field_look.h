#pragma once

#include "judgement/entries.h"
#include "state/colours.h"
#include "state/design_names.h"

#include <array>

class QWidget;

// The one owner of how an entry's control looks: its text colour and its
// attention mark, for the nine fields and the BMI display. Each cause comes
// here and nowhere else:
//  - a judgement paints the measured values red, magenta, blue or black;
//  - a field taking the focus paints it black, and Reset paints them black;
//  - an attention mark puts a pale yellow background under the text, whatever
//    its colour, and takes it away again;
//  - an undo (of Reset or a paste) puts back the look as it was. While it is putting the
//    examinee back, nothing else paints (the focus it restores on the way
//    turns no field black), so the order in which it restores things cannot
//    leave a wrong colour.
class FieldLook {
public:
    explicit FieldLook(QWidget &window);

    void paint(Entry entry, Rgb colour);
    void mark(Entry entry, bool marked);

    struct Look {
        Rgb text = kBlack;
        bool marked = false;
        friend bool operator==(const Look &, const Look &) = default;
    };
    using State = std::array<Look, kEntryCount>;
    const State &state() const { return m_looks; }

    // Holds every paint and mark until restore() puts the whole look back.
    void holdForRestore() { m_held = true; }
    void restore(const State &state);

    // The field or display that shows an entry.
    QWidget &control(Entry entry) const { return *m_controls[std::size_t(entry)]; }

private:
    void draw(Entry entry);

    std::array<QWidget *, kEntryCount> m_controls{};
    State m_looks{};
    bool m_held = false;
};
