// The national checkup inputs read safely: an archive's limits, each refusing
// the archive or only its one entry; which of its names are documents, at its
// root or under one top folder, zipped or unpacked.

#include "archive_maker.h"
#include "examinee/text_codec.h"
#include "national/disk_sources.h"
#include "national/document_source.h"
#include "national/source_words.h"
#include "national/zip_source.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

// Bytes that deflate cannot pack: a stored or deflated entry of them is as
// large packed as unpacked.
QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(31);
    for (char &byte : bytes)
        byte = char(generator.generate() & 0xff);
    return bytes;
}

// A document of a checkup file's size and make: XML of observations whose
// values differ, packing about as well as a real one.
QByteArray exampleDocument()
{
    QByteArray xml("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ClinicalDocument xmlns=\"urn:hl7-org:v3\">\n");
    QRandomGenerator generator(8);
    for (int i = 0; i < 60; ++i)
        xml += QStringLiteral("<entry><observation classCode=\"OBS\" moodCode=\"EVN\"><code code=\"9N%1000000000001\" "
                              "codeSystem=\"1.2.392.200119.6.1005\"/><value value=\"%2\"/></observation></entry>\n")
                   .arg(i, 3, 10, QChar(u'0'))
                   .arg(generator.bounded(1000) / 10.0)
                   .toUtf8();
    return xml + "</ClinicalDocument>\n";
}

// The archive's first entry as its headers tell it: where its local header
// and its directory entry are.
qsizetype directoryEntry(const QByteArray &zip) { return zip.indexOf(QByteArrayLiteral("PK\x01\x02")); }
quint16 read16(const QByteArray &zip, qsizetype at) { return qFromLittleEndian<quint16>(zip.constData() + at); }
void write32(QByteArray &zip, qsizetype at, quint32 value) { qToLittleEndian(value, zip.data() + at); }

// Both headers of the first entry claim another unpacked size.
QByteArray claimingSize(QByteArray zip, quint32 size)
{
    write32(zip, 22, size);
    write32(zip, directoryEntry(zip) + 24, size);
    return zip;
}

// The first entry's packed bytes, one of them changed.
QByteArray damaged(QByteArray zip, qsizetype offsetInData)
{
    const qsizetype data = 30 + read16(zip, 26) + read16(zip, 28);
    zip[data + offsetInData] = char(zip[data + offsetInData] ^ 0x5a);
    return zip;
}

QByteArray slurp(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the entries as an unpacked archive: folders for the names that end
// in '/', files for the others.
bool unpack(const QList<ArchiveEntry> &entries, const QString &folder)
{
    for (const ArchiveEntry &entry : entries) {
        const QString path = folder + u'/' + entry.name;
        if (entry.name.endsWith(u'/')) {
            if (!QDir().mkpath(path))
                return false;
            continue;
        }
        QDir().mkpath(path.section(u'/', 0, -2));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.bytes) != entry.bytes.size())
            return false;
    }
    return true;
}

// An archive or a folder opened as kalvemo-judge opens them once told apart.
std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openSource(const QString &path)
{
    if (QFileInfo(path).isDir())
        return openFolderSource(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return SourceProblem{path};
    return openZipSource(std::move(file));
}

QStringList listed(DocumentSource &source)
{
    QStringList names;
    for (qsizetype i = 0; i < source.count(); ++i)
        names.append(source.name(i));
    return names;
}

} // namespace

class TestNationalSource : public QObject {
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
    void layout_data();
    void layout();
};

void TestNationalSource::refusals_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("file");       // the entry looked at
    QTest::addColumn<QString>("problem");    // how the whole archive is refused, if it is
    QTest::addColumn<QString>("refusal");    // how the entry is refused, if it is
    QTest::addColumn<QByteArray>("bytes");   // what the entry reads into, if it is read
    QTest::addColumn<QString>("unwritable"); // why libzip here could not write the archive, if it could not

    const QByteArray document = exampleDocument();
    const QByteArray fourMiB = noise(maxFileBytes);
    const ArchiveEntry other{QStringLiteral("DATA/b.xml"), document};
    auto row = [](const char *name, const QByteArray &archive, const QString &file, const QString &refusal,
                  const QByteArray &bytes = {}, const QString &unwritable = {}) {
        QTest::newRow(name) << archive << file << QString() << refusal << bytes << unwritable;
    };

    QTest::newRow("more than a million entries refuse the archive")
        << archiveOfManyEntries(quint32(maxSourceEntries) + 1) << QString() << tooManyEntriesProblem() << QString()
        << QByteArray() << QString();
    QTest::newRow("bytes that are not a zip's directory refuse the archive")
        << QByteArray("PK\x03\x04 and nothing of a zip after it") << QString() << damagedArchiveProblem(QString())
        << QString() << QByteArray() << QString();
    QTest::newRow("an archive cut short refuses the archive")
        << makeArchive({{QStringLiteral("DATA/a.xml"), document}, other}).chopped(30) << QString()
        << damagedArchiveProblem(QString()) << QString() << QByteArray() << QString();

    row("a checkup file, deflated, is read whole", makeArchive({{QStringLiteral("DATA/a.xml"), document}, other}),
        QStringLiteral("DATA/a.xml"), {}, document);
    row("a checkup file, stored, is read whole",
        makeArchive({{QStringLiteral("DATA/a.xml"), document, ZIP_CM_STORE}, other}), QStringLiteral("DATA/a.xml"), {},
        document);
    row("an entry of 4 MiB unpacked is read",
        makeArchive({{QStringLiteral("DATA/a.xml"), fourMiB, ZIP_CM_STORE}, other}), QStringLiteral("DATA/a.xml"), {},
        fourMiB);
    row("an entry one byte over 4 MiB is refused",
        makeArchive({{QStringLiteral("DATA/a.xml"), fourMiB + 'x', ZIP_CM_STORE}, other}), QStringLiteral("DATA/a.xml"),
        tooLargeRefusal());
    row("an entry whose headers claim 100 bytes is counted as it unpacks",
        claimingSize(makeArchive({{QStringLiteral("DATA/a.xml"), fourMiB + noise(1000)}, other}), 100),
        QStringLiteral("DATA/a.xml"), tooLargeRefusal());
    row("an entry unpacking to more than 100 times its packed size is refused",
        makeArchive({{QStringLiteral("DATA/a.xml"), QByteArray(1024 * 1024, ' ')}, other}),
        QStringLiteral("DATA/a.xml"), packingRatioRefusal());
    row("an entry of spaces under 100 times its packed size is read",
        makeArchive({{QStringLiteral("DATA/a.xml"), QByteArray(2000, ' ') + noise(100)}, other}),
        QStringLiteral("DATA/a.xml"), {}, QByteArray(2000, ' ') + noise(100));
    const QList<ArchiveEntry> aes{{QStringLiteral("DATA/a.xml"), document, ZIP_CM_DEFLATE, ZIP_EM_AES_256}, other};
    row("an entry encrypted with AES is refused", makeArchive(aes), QStringLiteral("DATA/a.xml"), encryptedRefusal(),
        {}, cannotWrite(aes));
    row("an entry encrypted the traditional way is refused",
        makeArchive({{QStringLiteral("DATA/a.xml"), document, ZIP_CM_STORE, ZIP_EM_TRAD_PKWARE}, other}),
        QStringLiteral("DATA/a.xml"), encryptedRefusal());
    const QList<ArchiveEntry> bzip2{{QStringLiteral("DATA/a.xml"), document, ZIP_CM_BZIP2}, other};
    row("an entry packed with bzip2 is refused, though libzip could read it", makeArchive(bzip2),
        QStringLiteral("DATA/a.xml"), packingMethodRefusal(ZIP_CM_BZIP2), {}, cannotWrite(bzip2));
    row("an archive inside, named as a document, is not opened",
        makeArchive({{QStringLiteral("DATA/a.xml"), makeArchive({other})}, other}), QStringLiteral("DATA/a.xml"),
        nestedArchiveRefusal());
    row("a stored entry whose bytes were changed is refused",
        damaged(makeArchive({{QStringLiteral("DATA/a.xml"), document, ZIP_CM_STORE}, other}), 100),
        QStringLiteral("DATA/a.xml"), brokenEntryRefusal(QString()));
    row("a deflated entry whose bytes were changed is refused",
        damaged(makeArchive({{QStringLiteral("DATA/a.xml"), document}, other}), 10), QStringLiteral("DATA/a.xml"),
        brokenEntryRefusal(QString()));
    const QString kanjiName = QStringLiteral("DATA/健診_受診者.xml");
    row("a name in UTF-8 is read as its text", makeArchive({{kanjiName, document}, other}), kanjiName, {}, document);
    row("a name in CP932, as Japanese Windows writes it, is read as its text",
        makeArchive(
            {{kanjiName, document, ZIP_CM_DEFLATE, ZIP_EM_NONE, TextEncoder(TextEncoding::Cp932).encode(kanjiName)},
             other}),
        kanjiName, {}, document);
    row("a name climbing out of the archive is only a name",
        makeArchive({{QStringLiteral("../../escaped.xml"), document}, other}), QStringLiteral("../../escaped.xml"), {},
        document);
    row("a name from the root of the disk is only a name",
        makeArchive({{QStringLiteral("/tmp/escaped.xml"), document}, other}), QStringLiteral("/tmp/escaped.xml"), {},
        document);
}

// Every row also proves that the other entries are still read, and that
// nothing of the archive reaches the disk: the folder holds the archive
// alone afterwards, and the current folder (inside it) stays empty.
void TestNationalSource::refusals()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, file);
    QFETCH(QString, problem);
    QFETCH(QString, refusal);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, unwritable);
    if (!unwritable.isEmpty())
        QSKIP(qPrintable(unwritable));
    QVERIFY(!archive.isEmpty());

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("input.zip"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(archive) == archive.size());
    out.close();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("work")));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("work"))));
    auto opened = openSource(path);
    QVERIFY(QDir::setCurrent(previous));

    if (!problem.isEmpty()) {
        const auto *refused = std::get_if<SourceProblem>(&opened);
        QVERIFY2(refused, "the archive was opened");
        QVERIFY2(refused->message.startsWith(problem), qPrintable(refused->message));
        return;
    }
    if (const auto *refused = std::get_if<SourceProblem>(&opened))
        QFAIL(qPrintable(refused->message));
    DocumentSource &source = *std::get<std::unique_ptr<DocumentSource>>(opened);
    const qsizetype at = listed(source).indexOf(file);
    QVERIFY2(at >= 0, qPrintable(listed(source).join(u", ")));
    const SourceFile read = source.read(at);
    QCOMPARE(read.name, file);
    if (refusal.isEmpty()) {
        QCOMPARE(read.refusal, QString());
        QCOMPARE(read.bytes.size(), bytes.size());
        QVERIFY(read.bytes == bytes);
    } else {
        QVERIFY2(read.refusal.startsWith(refusal), qPrintable(read.refusal));
        QCOMPARE(read.bytes, QByteArray());
    }
    QCOMPARE(source.nestedArchives().contains(file), refusal == nestedArchiveRefusal());

    const qsizetype next = listed(source).indexOf(QStringLiteral("DATA/b.xml"));
    QVERIFY(next >= 0);
    const SourceFile rest = source.read(next);
    QCOMPARE(rest.refusal, QString());
    QVERIFY(rest.bytes == exampleDocument());

    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({QStringLiteral("input.zip"), QStringLiteral("work")}));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("work"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/escaped.xml")));
}

void TestNationalSource::layout_data()
{
    QTest::addColumn<QList<ArchiveEntry>>("entries");
    QTest::addColumn<QStringList>("files"); // the documents listed, in order
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QStringList>("nested");

    const QList<ArchiveEntry> archive{
        {QStringLiteral("ix08_V08.xml"), "<index/>"},
        {QStringLiteral("DATA/"), {}},
        {QStringLiteral("DATA/h2.xml"), "<second/>"},
        {QStringLiteral("DATA/h1.xml"), "<first/>"},
        {QStringLiteral("XSD/"), {}},
        {QStringLiteral("XSD/hc08_V08.xsd"), "<schema/>"},
        {QStringLiteral("CLAIMS/c1.xml"), "<claim/>"},
        {QStringLiteral("su08_V08.xml"), "<summary/>"},
    };
    const QStringList documents{QStringLiteral("CLAIMS/c1.xml"), QStringLiteral("DATA/h1.xml"),
                                QStringLiteral("DATA/h2.xml"), QStringLiteral("su08_V08.xml")};
    QList<ArchiveEntry> underTop{{QStringLiteral("1399999999_13999999_202504010_hc/"), {}}};
    QStringList topDocuments;
    for (const ArchiveEntry &entry : archive)
        underTop.append({QStringLiteral("1399999999_13999999_202504010_hc/") + entry.name, entry.bytes});
    for (const QString &name : documents)
        topDocuments.append(QStringLiteral("1399999999_13999999_202504010_hc/") + name);

    QTest::newRow("at the root: documents sorted, the index apart, the schemas left out")
        << archive << documents << QByteArray("<index/>") << QStringList();
    QTest::newRow("under one top folder: the same, named with the folder")
        << underTop << topDocuments << QByteArray("<index/>") << QStringList();
    QTest::newRow("under two top folders: neither is the archive's, no index")
        << QList<ArchiveEntry>{{QStringLiteral("b/ix08_V08.xml"), "<index/>"},
                               {QStringLiteral("a/DATA/h1.xml"), "<first/>"}}
        << QStringList{QStringLiteral("a/DATA/h1.xml"), QStringLiteral("b/ix08_V08.xml")} << QByteArray()
        << QStringList();
    QTest::newRow("an archive named so inside is named, not listed")
        << QList<ArchiveEntry>{{QStringLiteral("DATA/h1.xml"), "<first/>"}, {QStringLiteral("DATA/more.ZIP"), "PK"}}
        << QStringList{QStringLiteral("DATA/h1.xml")} << QByteArray() << QStringList{QStringLiteral("DATA/more.ZIP")};
    QTest::newRow("documents in DATA/ alone: DATA/ is not a top folder")
        << QList<ArchiveEntry>{{QStringLiteral("DATA/h2.xml"), "<second/>"},
                               {QStringLiteral("DATA/h1.xml"), "<first/>"}}
        << QStringList{QStringLiteral("DATA/h1.xml"), QStringLiteral("DATA/h2.xml")} << QByteArray() << QStringList();
    // "ー" comes before "あ" in CP932's bytes, after it in the characters.
    const QString bar = QStringLiteral("DATA/ー.xml"), a = QStringLiteral("DATA/あ.xml");
    QTest::newRow("names in CP932 in the order of their characters, not their bytes")
        << QList<ArchiveEntry>{{bar, "<bar/>", ZIP_CM_DEFLATE, ZIP_EM_NONE,
                                TextEncoder(TextEncoding::Cp932).encode(bar)},
                               {a, "<a/>", ZIP_CM_DEFLATE, ZIP_EM_NONE, TextEncoder(TextEncoding::Cp932).encode(a)}}
        << QStringList{a, bar} << QByteArray() << QStringList();
    QTest::newRow("any folder of files: every file, in order of name")
        << QList<ArchiveEntry>{{QStringLiteral("b.xml"), "<b/>"},
                               {QStringLiteral("a.xml"), "<a/>"},
                               {QStringLiteral("z/c.txt"), "c"}}
        << QStringList{QStringLiteral("a.xml"), QStringLiteral("b.xml"), QStringLiteral("z/c.txt")} << QByteArray()
        << QStringList();
}

// The same entries zipped and unpacked into a folder list the same
// documents, read into the same bytes.
void TestNationalSource::layout()
{
    QFETCH(QList<ArchiveEntry>, entries);
    QFETCH(QStringList, files);
    QFETCH(QByteArray, index);
    QFETCH(QStringList, nested);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString zipPath = dir.filePath(QStringLiteral("input.zip"));
    const QByteArray zip = makeArchive(entries);
    QFile out(zipPath);
    QVERIFY(!zip.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(zip) == zip.size());
    out.close();
    const QString folder = dir.filePath(QStringLiteral("unpacked"));
    QVERIFY(unpack(entries, folder));

    for (const QString &input : {zipPath, folder}) {
        auto opened = openSource(input);
        QVERIFY2(std::holds_alternative<std::unique_ptr<DocumentSource>>(opened), qPrintable(input));
        DocumentSource &source = *std::get<std::unique_ptr<DocumentSource>>(opened);
        QCOMPARE(listed(source), files);
        const std::optional<SourceFile> read = source.index();
        QCOMPARE(read ? read->bytes : QByteArray(), index);
        QCOMPARE(source.nestedArchives(), nested);
        for (qsizetype i = 0; i < source.count(); ++i) {
            const SourceFile file = source.read(i);
            QCOMPARE(file.name, files[i]);
            QCOMPARE(file.refusal, QString());
            QCOMPARE(file.bytes, slurp(folder + u'/' + files[i]));
        }
    }
}

QTEST_GUILESS_MAIN(TestNationalSource)
#include "tst_national_source.moc"
