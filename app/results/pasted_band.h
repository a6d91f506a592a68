#pragma once

#include "judgement/decision.h"

#include <QString>

#include <optional>

// The age band that the pasted row named, kept until Reset, the next paste
// or an undo. A judgement button is never second-guessed: the other band's
// button judges as pressed, and the message line then says that the row
// named the other band, so that a slip of the finger is seen before the
// result is copied.
class PastedBand {
public:
    void set(std::optional<AgeBand> band) { m_band = band; }

    // What the message line says after a judgement of `judged`: empty where
    // no band was pasted or its own button was pressed.
    QString noticeFor(AgeBand judged) const;

private:
    std::optional<AgeBand> m_band;
};
