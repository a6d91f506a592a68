#include "app/results/pasted_band.h"

#include "words/desk_names.h"
#include "words/notices.h"

QString PastedBand::noticeFor(AgeBand judged) const
{
    if (!m_band || *m_band == judged)
        return {};
    return otherBandJudgedNotice(ageBandName(*m_band), ageBandName(judged));
}
