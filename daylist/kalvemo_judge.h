#pragma once

#include <QStringList>

// The command line as the program receives it, from usage to exit status:
// the input told for what it is and judged on its road, a day's list or the
// national files, or refused with what to do instead.
int runKalvemoJudge(const QStringList &arguments);
