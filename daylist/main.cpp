#include "daylist/console.h"
#include "daylist/kalvemo_judge.h"

#include <QCoreApplication>

// kalvemo-judge: a day's list judged with the window's own handlers.
int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const int status = runKalvemoJudge(app.arguments().mid(1));
    holdOwnConsole();
    return status;
}
