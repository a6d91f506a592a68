#include "daylist/exit_status.h"

#include "daylist/console.h"

int cannotJudge(const QString &file, const QString &message)
{
    writeError(QStringLiteral("kalvemo-judge: ") + (file.isEmpty() ? QString() : file + QStringLiteral(": ")) + message
               + u'\n');
    return kCannotJudge;
}
