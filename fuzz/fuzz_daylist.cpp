// A day's list of arbitrary bytes, judged as kalvemo-judge judges a file,
// through the search for its heading line and the writing of the input's own
// bytes: it never crashes or reads out of bounds, a refused file (exit 2)
// leaves no result and no temporary file, and an accepted one leaves exactly
// its result, which holds every byte of the input in order (the added cells
// are only put in between).
#include "daylist/day_list.h"
#include "daylist/exit_status.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Whether every byte of `part` stands in `whole`, in order.
bool keptInOrder(QByteArrayView part, QByteArrayView whole)
{
    qsizetype at = 0;
    for (const char byte : part) {
        while (at < whole.size() && whole[at] != byte)
            ++at;
        if (at == whole.size())
            return false;
        ++at;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("list.csv"));
    QFile file(input);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    const int status = judgeDayList({input, QString(), QString(), false});
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    require(status >= kAllJudged && status <= kCannotJudge);
    if (status == kCannotJudge) {
        require(left == QStringList{QStringLiteral("list.csv")});
    } else {
        require(left == (QStringList{QStringLiteral("list.csv"), QStringLiteral("list_判定.csv")}));
        QFile result(dir.filePath(QStringLiteral("list_判定.csv")));
        require(result.open(QIODevice::ReadOnly));
        const QByteArray written = result.readAll();
        require(written.size() > qsizetype(size)); // the heading line gains the added headings
        require(keptInOrder(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)), written));
        result.remove();
    }
    return 0;
}
