// How fast kalvemo-judge judges a national archive, and how fast it reads
// one, beside their floor: bare libzip unpacking each entry into memory and
// QXmlStreamReader reading it to the end, nothing judged. Each run is a
// process of its own, so that its peak resident memory is its own.
//
//   kalvemo_bench_national [FILES...] [--runs N] [--keep FOLDER]
//       makes an archive of each size (10000 and 100000 checkup files if
//       none given) from the synthetic checkup file beside this program's
//       source, every item present, identifiers and values varied; runs the
//       judgement (kalvemo-judge's own run, its list written to a temporary
//       folder), the same with the month's report (--report), the reading
//       through the document source and the floor N times each (5 if not
//       given), taking turns, and prints the medians: files per second, the
//       ratios to the floor, what the report adds to the judgement's time,
//       and the peak resident memory. --keep leaves the archives in FOLDER.
//   kalvemo_bench_national --run judge|report|source|floor ARCHIVE
//       one run; prints the processor nanoseconds it took, the peak RSS in
//       KiB (VmHWM) and the number of files read.
#include "daylist/exit_status.h"
#include "daylist/kalvemo_judge.h"
#include "national/document_source.h"
#include "national/zip_source.h"

#include "process_figures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int kDefaultRuns = 5;

QByteArray slurp(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The example checkup file cut where its varied parts go: the card number,
// the birth date and each measured value.
class Checkups {
public:
    Checkups()
    {
        const QString text = QString::fromUtf8(slurp(QStringLiteral(KALVEMO_NATIONAL_BENCH "/checkup.xml")));
        static const QRegularExpression varied(
            QStringLiteral(R"((?<=root="1\.2\.392\.200119\.6\.205" extension=")\d+|(?<=<birthTime value=")\d+|)"
                           R"((?<=xsi:type="PQ" value=")[\d.]+)"));
        qsizetype at = 0;
        for (const QRegularExpressionMatch &m : varied.globalMatch(text)) {
            m_parts.append(text.mid(at, m.capturedStart() - at).toUtf8());
            m_values.append(m.captured());
            at = m.capturedEnd();
        }
        m_parts.append(text.mid(at).toUtf8());
    }

    // The i-th examinee: a card number of its own, a birth date that makes
    // them 40 to 74 in the fiscal year of the example's checkup, and values
    // up to a fifth above or below the example's, with its decimals.
    QByteArray document(qint64 i) const
    {
        QRandomGenerator random{quint32(i)};
        QByteArray xml = m_parts[0];
        for (qsizetype k = 0; k < m_values.size(); ++k) {
            const QString &value = m_values[k];
            if (k == 0) {
                xml += QByteArray::number(1000000 + i);
            } else if (value.size() == 8 && !value.contains(u'.')) {
                xml += QByteArray::number(1951 + random.bounded(34)) + "0" + QByteArray::number(1 + random.bounded(9))
                       + QByteArray::number(10 + random.bounded(18));
            } else {
                const int decimals = value.contains(u'.') ? int(value.size() - value.indexOf(u'.') - 1) : 0;
                const double varied = value.toDouble() * (0.8 + 0.4 * random.generateDouble());
                xml += QByteArray::number(varied, 'f', decimals);
            }
            xml += m_parts[k + 1];
        }
        return xml;
    }

private:
    QList<QByteArray> m_parts;
    QStringList m_values;
};

// A libzip source that makes its document when libzip reads it, so that the
// archive is written without holding its files in memory.
struct LazyDocument {
    const Checkups *checkups;
    qint64 i;
    QByteArray bytes;
    qsizetype at = 0;
};

zip_int64_t lazyDocument(void *userdata, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto *doc = static_cast<LazyDocument *>(userdata);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        doc->bytes = doc->checkups->document(doc->i);
        doc->at = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const qsizetype n = std::min<qsizetype>(qsizetype(length), doc->bytes.size() - doc->at);
        std::memcpy(data, doc->bytes.constData() + doc->at, size_t(n));
        doc->at += n;
        return n;
    }
    case ZIP_SOURCE_CLOSE: doc->bytes = QByteArray(); return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = static_cast<zip_stat_t *>(data);
        zip_stat_init(stat);
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR: return 2 * sizeof(int);
    case ZIP_SOURCE_FREE: delete doc; return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default: return -1;
    }
}

// An archive as an institution sends it: one top folder, the index, DATA/
// with one checkup file per examinee.
void writeArchive(const QString &path, qint64 files)
{
    const Checkups checkups;
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray top = "1399999999_06999999_202504010_hc/";
    QByteArray index = slurp(QStringLiteral(KALVEMO_NATIONAL_BENCH "/ix08_V08.xml"));
    index.replace("<totalRecordCount value=\"1\"/>", "<totalRecordCount value=\"" + QByteArray::number(files) + "\"/>");
    zip_source_t *indexSource = zip_source_buffer(zip, index.constData(), zip_uint64_t(index.size()), 0);
    if (zip_file_add(zip, (top + "ix08_V08.xml").constData(), indexSource, 0) < 0)
        qFatal("libzip: %s", zip_strerror(zip));
    for (qint64 i = 0; i < files; ++i) {
        const QByteArray name =
            top + "DATA/h139999999920250401" + QByteArray::number(i).rightJustified(6, '0') + ".xml";
        zip_source_t *source = zip_source_function(zip, lazyDocument, new LazyDocument{&checkups, i, {}});
        if (!source || zip_file_add(zip, name.constData(), source, 0) < 0)
            qFatal("libzip: %s", zip_strerror(zip));
    }
    if (zip_close(zip) != 0)
        qFatal("libzip: %s", zip_strerror(zip));
}

void readToEnd(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        qFatal("not well-formed: %s", qPrintable(xml.errorString()));
}

// The floor: bare libzip, each entry unpacked whole and read as XML.
qint64 floorRun(const QString &archive)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return -1;
    const zip_int64_t entries = zip_get_num_entries(zip, 0);
    QByteArray bytes;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        zip_file_t *file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &stat) != 0 || !file)
            return -1;
        bytes.resize(qsizetype(stat.size));
        if (zip_fread(file, bytes.data(), stat.size) != zip_int64_t(stat.size))
            return -1;
        zip_fclose(file);
        readToEnd(bytes);
    }
    zip_discard(zip);
    return entries;
}

// The reading kalvemo-judge does before it judges: the document source,
// sorted, limited and counted, and each file read as XML.
qint64 sourceRun(const QString &archive)
{
    auto file = std::make_unique<QFile>(archive);
    if (!file->open(QIODevice::ReadOnly))
        return -1;
    auto opened = openZipSource(std::move(file));
    auto *source = std::get_if<std::unique_ptr<DocumentSource>>(&opened);
    if (!source)
        return -1;
    for (qsizetype i = 0; i < (*source)->count(); ++i) {
        const SourceFile file = (*source)->read(i);
        if (!file.refusal.isEmpty())
            return -1;
        readToEnd(file.bytes);
    }
    if (const std::optional<SourceFile> index = (*source)->index())
        readToEnd(index->bytes);
    return (*source)->count() + 1;
}

// What kalvemo-judge does: every file read, judged and written into the
// list, which goes to a temporary folder, with the month's report beside it
// where asked. The files read are the checkup files and the index, as in
// the other two runs.
qint64 judgeRun(const QString &archive, bool withReport)
{
    QTemporaryDir out;
    const QString list = out.filePath(QStringLiteral("list.csv"));
    QStringList arguments{archive, QStringLiteral("-o"), list};
    if (withReport)
        arguments << QStringLiteral("--report") << out.filePath(QStringLiteral("report.html"));
    const int status = runKalvemoJudge(arguments);
    if (status == kCannotJudge)
        return -1;
    QFile written(list);
    if (!written.open(QIODevice::ReadOnly))
        return -1;
    qint64 rows = -1; // the heading line
    while (!written.readLine().isEmpty())
        ++rows;
    return rows + 1;
}

int runOnce(const QString &mode, const QString &archive)
{
    const qint64 start = cpuNanoseconds();
    const qint64 files = mode == u"floor"    ? floorRun(archive)
                         : mode == u"judge"  ? judgeRun(archive, false)
                         : mode == u"report" ? judgeRun(archive, true)
                                             : sourceRun(archive);
    const qint64 ns = cpuNanoseconds() - start;
    std::printf("%lld %ld %lld\n", static_cast<long long>(ns), peakRssKiB(), static_cast<long long>(files));
    return files < 0 ? 2 : 0;
}

struct Figures {
    double seconds;
    long rssKiB;
};

Figures measure(const QString &mode, const QString &archive, qint64 files)
{
    QProcess run;
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--run"), mode, archive});
    run.waitForFinished(-1);
    const QList<QByteArray> parts = run.readAllStandardOutput().trimmed().split(' ');
    // Both read every checkup file and the index.
    if (parts.size() != 3 || parts[2].toLongLong() != files + 1)
        qFatal("the %s run failed", qPrintable(mode));
    return {parts[0].toLongLong() / 1e9, parts[1].toLong()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == u"--run")
        return runOnce(args[1], args[2]);

    auto option = [&](const char *name, const QString &otherwise) {
        const qsizetype at = args.indexOf(QLatin1String(name));
        if (at < 0 || at + 1 >= args.size())
            return otherwise;
        const QString value = args[at + 1];
        args.remove(at, 2);
        return value;
    };
    const int runs = option("--runs", QString::number(kDefaultRuns)).toInt();
    QTemporaryDir temporary;
    const QString folder = option("--keep", temporary.path());
    if (!QDir().mkpath(folder))
        qFatal("cannot make %s", qPrintable(folder));
    QList<qint64> sizes;
    for (const QString &a : args)
        sizes << a.toLongLong();
    if (sizes.isEmpty())
        sizes = {10000, 100000};

    std::printf("%10s %14s %14s %14s %7s %7s %8s %12s %12s %12s %12s\n", "files", "judge files/s", "read files/s",
                "floor files/s", "judge", "read", "report", "judge KiB", "report KiB", "read KiB", "floor KiB");
    for (const qint64 files : sizes) {
        const QString archive = QDir(folder).filePath(QStringLiteral("checkups%1.zip").arg(files));
        writeArchive(archive, files);
        std::vector<double> judged, reported, read, floor;
        long judgeRss = 0, reportRss = 0, readRss = 0, floorRss = 0;
        for (int i = 0; i < runs; ++i) {
            const Figures j = measure(QStringLiteral("judge"), archive, files);
            judged.push_back(j.seconds);
            judgeRss = std::max(judgeRss, j.rssKiB);
            const Figures r = measure(QStringLiteral("report"), archive, files);
            reported.push_back(r.seconds);
            reportRss = std::max(reportRss, r.rssKiB);
            const Figures s = measure(QStringLiteral("source"), archive, files);
            const Figures f = measure(QStringLiteral("floor"), archive, files);
            read.push_back(s.seconds);
            floor.push_back(f.seconds);
            readRss = std::max(readRss, s.rssKiB);
            floorRss = std::max(floorRss, f.rssKiB);
        }
        const double judgeRate = files / median(judged), readRate = files / median(read),
                     floorRate = files / median(floor);
        // What the report adds to the judgement's time, in per cent.
        const double reportCost = 100.0 * (median(reported) / median(judged) - 1.0);
        std::printf("%10lld %14.0f %14.0f %14.0f %6.2fx %6.2fx %+7.1f%% %12ld %12ld %12ld %12ld\n",
                    static_cast<long long>(files), judgeRate, readRate, floorRate, floorRate / judgeRate,
                    floorRate / readRate, reportCost, judgeRss, reportRss, readRss, floorRss);
    }
    return 0;
}
