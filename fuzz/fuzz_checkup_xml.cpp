// One national checkup file of arbitrary bytes, judged as kalvemo-judge
// judges it: it never crashes or reads out of bounds, a refused input (exit
// 2) leaves no list and no temporary file, and any other leaves exactly its
// list.
#include "daylist/exit_status.h"
#include "daylist/national_list.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("h.xml"));
    QFile file(input);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    std::vector<NamedInput> inputs;
    inputs.push_back({input, classifyInput(input)});
    const int status = judgeNationalFiles({input, QString(), QString(), false, {}, {input}}, std::move(inputs)).status;
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    require(status >= kAllJudged && status <= kCannotJudge);
    if (status == kCannotJudge) {
        require(left == QStringList{QStringLiteral("h.xml")});
    } else {
        require(left == (QStringList{QStringLiteral("h.xml"), QStringLiteral("h_判定.csv")}));
        QFile::remove(dir.filePath(QStringLiteral("h_判定.csv")));
    }
    return 0;
}
