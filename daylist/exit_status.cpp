#include "daylist/exit_status.h"

#include "daylist/console.h"
#include "words/message_words.h"

int cannotJudge(const QString &file, const QString &message)
{
    writeError(placedMessage(QStringLiteral("kalvemo-judge"), file.isEmpty() ? message : placedMessage(file, message))
               + u'\n');
    return kCannotJudge;
}
