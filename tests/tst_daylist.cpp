#include "added_cells.h"
#include "daylist/added_columns.h"
#include "daylist/command_line.h"
#include "daylist/delimited_writer.h"
#include "examinee/age_band.h"
#include "examinee/choice_words.h"
#include "examinee/columns.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "examinee/examinee.h"
#include "examinee/form_entry.h"
#include "examinee/not_examinee_row.h"
#include "words/desk_names.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The day's list without a window: the data-standard codes of every rule,
// the reading of the bytes, the headings, the cells of a row and the age band.
class TestDayList : public QObject {
    Q_OBJECT
private slots:
    void dataStandardCodes_data();
    void dataStandardCodes();
    void reader_data();
    void reader();
    void writer_data();
    void writer();
    void spreadsheetCell_data();
    void spreadsheetCell();
    void headings_data();
    void headings();
    void documentedHeadings_data();
    void documentedHeadings();
    void headingLine_data();
    void headingLine();
    void choiceWords_data();
    void choiceWords();
    void rowCells_data();
    void rowCells();
    void notAnExaminee_data();
    void notAnExaminee();
    void ageBand_data();
    void ageBand();
    void commandLine_data();
    void commandLine();
};

namespace {

// The fields of the values of a row below, named here so that a field added
// to the window shifts none of them: "h w waist systolic diastolic
// triglycerides hdl glucose hba1c", "-" for an empty field; the choices as
// "bp lipid glucose smoker" flags "0000".
constexpr std::array kValueFields = {Field::Text9, Field::Text10, Field::Text12, Field::Text1, Field::Text2,
                                     Field::Text6, Field::Text7,  Field::Text4,  Field::Text5};

Examinee examineeOf(AgeBand band, const QString &values, const QString &choices)
{
    Examinee e;
    e.band = band;
    const QStringList v = values.split(u' ');
    if (v.size() != qsizetype(kValueFields.size()))
        qFatal("%lld values for %zu fields", qlonglong(v.size()), kValueFields.size());
    for (std::size_t i = 0; i < kValueFields.size(); ++i)
        e.texts[std::size_t(kValueFields[i])] = v[qsizetype(i)] == u"-" ? QString() : v[qsizetype(i)];
    e.female = false;
    e.bloodPressureDrugs = choices[0] == u'1';
    e.lipidDrugs = choices[1] == u'1';
    e.glucoseDrugs = choices[2] == u'1';
    e.smoker = choices[3] == u'1';
    return e;
}

constexpr int kPrompt = -1; // the result is a prompt: no rule

} // namespace

void TestDayList::dataStandardCodes_data()
{
    QTest::addColumn<AgeBand>("band");
    QTest::addColumn<QString>("values"); // of kValueFields
    QTest::addColumn<QString>("choices");
    QTest::addColumn<int>("classRule");
    QTest::addColumn<int>("guidanceRule");
    QTest::addColumn<QString>("codes"); // class code, guidance code

    using C = ClassRule;
    using G = GuidanceRule;
    const auto row = [](const char *name, AgeBand band, const char *values, const char *choices, int c, int g,
                        const char *codes) {
        QTest::newRow(name) << band << QString::fromLatin1(values) << QString::fromLatin1(choices) << c << g
                            << QString::fromLatin1(codes);
    };
    // Man, 170 cm: 60 kg is BMI 20.8, 75 kg BMI 26.0.
    for (const AgeBand band : {AgeBand::From40To64, AgeBand::From65To74}) {
        const bool young = band == AgeBand::From40To64;
        const QByteArray b = young ? "40-64 " : "65-74 ";
        const auto name = [&](const char *what) { return QByteArray(b + what); };
        row(name("waist below, BMI below").constData(), band, "170 60 80 120 70 100 50 90 5.0", "0000",
            int(C::WaistBelowLimit), int(G::NeitherWaistNorBmi), "3 3");
        row(name("waist below, BMI 26, one risk").constData(), band, "170 75 80 130 70 100 50 90 5.0", "0000",
            int(C::WaistBelowLimit), int(G::BelowIntensive), "3 2");
        row(name("waist, no criterion, no risk").constData(), band, "170 60 90 120 70 100 50 90 5.0", "0000",
            int(C::WaistAndNoCriterion), int(G::NoRisk), "3 3");
        row(name("waist, one criterion").constData(), band, "170 60 90 130 70 100 50 90 5.0", "0000",
            int(C::WaistAndOneCriterion), int(G::BelowIntensive), "2 2");
        row(name("waist, two criteria").constData(), band, "170 60 90 130 70 150 50 90 5.0", "0000",
            int(C::WaistAndTwoOrMore), young ? int(G::Intensive) : int(G::OlderBandInPlaceOfIntensive),
            young ? "1 1" : "1 2");
        row(name("drug treatment").constData(), band, "170 60 90 130 70 150 50 90 5.0", "1000",
            int(C::WaistAndTwoOrMore), int(G::DrugTreatment), "1 3");
        row(name("HDL empty: both prompts").constData(), band, "170 60 90 130 70 150 - 90 5.0", "0000", kPrompt,
            kPrompt, "4 4");
        row(name("waist empty: both prompts").constData(), band, "170 60 - 130 70 150 50 90 5.0", "0000", kPrompt,
            kPrompt, "4 4");
    }
    row("65-74 waist 0 is asked again", AgeBand::From65To74, "170 60 0 120 70 100 50 90 5.0", "0000", kPrompt, kPrompt,
        "4 4");
    row("40-64 waist 0 is below the limit", AgeBand::From40To64, "170 60 0 120 70 100 50 90 5.0", "0000",
        int(C::WaistBelowLimit), int(G::NeitherWaistNorBmi), "3 3");
}

void TestDayList::dataStandardCodes()
{
    QFETCH(AgeBand, band);
    QFETCH(QString, values);
    QFETCH(QString, choices);
    QFETCH(int, classRule);
    QFETCH(int, guidanceRule);
    QFETCH(QString, codes);

    std::optional<Judgement> seen;
    judgeExaminee(examineeOf(band, values, choices), [&seen](const Judgement &judged) { seen = judged; });
    QVERIFY(seen);
    const Judgement &judged = *seen;
    const QStringList columns = addedCellsOf(judged);
    QCOMPARE(columns[qsizetype(ResultColumn::ClassCode)] + u' ' + columns[qsizetype(ResultColumn::LevelCode)], codes);
    if (classRule != kPrompt)
        QCOMPARE(int(judged.decision.classRule), classRule);
    if (guidanceRule != kPrompt)
        QCOMPARE(int(judged.decision.guidanceRule), guidanceRule);
}

void TestDayList::reader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("records"); // "line:cell|cell" a record a line, or "error row"

    const auto row = [](const char *name, const QByteArray &bytes, const char *encoding, const QString &records) {
        QTest::newRow(name) << bytes << QString::fromLatin1(encoding) << records;
    };
    row("comma, LF", "a,b\n1,2\n", "UTF-8", "1:a|b\n2:1|2");
    row("comma, CRLF, no final break", "a,b\r\n1,2", "UTF-8", "1:a|b\n2:1|2");
    row("lone CR ends a record", "a,b\r1,2\r", "UTF-8", "1:a|b\n2:1|2");
    row("tab found from the heading line", "a\tb\tc,d\n1\t2\t3,4\n", "UTF-8", "1:a|b|c,d\n2:1|2|3,4");
    row("tab found below a title that holds neither", "一覧\n\na\tb\tc,d\n1\t2\n", "UTF-8",
        QStringLiteral("1:一覧\n2:\n3:a|b|c,d\n4:1|2"));
    row("quoted delimiter, quote and line break", "a,b\n\"x,y\",\"say \"\"hi\"\"\"\n\"two\r\nlines\",z\nlast,1\n",
        "UTF-8", "1:a|b\n2:x,y|say \"hi\"\n3:two\r\nlines|z\n5:last|1");
    row("empty line is a record of one empty cell", "a\n\nb\n", "UTF-8", "1:a\n2:\n3:b");
    row("empty cells kept", "a,,c\n,,\n", "UTF-8", "1:a||c\n2:||");
    row("UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + "身長,体重\n170,60\n", "UTF-8 (BOM)",
        QStringLiteral("1:身長|体重\n2:170|60"));
    row("UTF-16LE with BOM", QByteArray("\xFF\xFE", 2) + QByteArray("a\0\t\0b\0\n\0", 8), "UTF-16LE", "1:a|b");
    row("UTF-16BE with BOM", QByteArray("\xFE\xFF", 2) + QByteArray("\0a\0,\0b\0\n", 8), "UTF-16BE", "1:a|b");
    // 性別 男 in CP932; 表 and ソ end in 0x5C, which is no backslash there.
    row("CP932", "\x90\xab\x95\xca,\x95\x5c\x83\x5c\n\x92\x6a,1\n", "CP932", QStringLiteral("1:性別|表ソ\n2:男|1"));
    row("CP932 invalid byte on line 2", "\x90\xab\x95\xca\n\x92\x6a\xff\n", "CP932", "error 2");
    row("CP932 cut in a character", "\x90\xab\x95\xca\n\x92", "CP932", "error 2");
    // Bytes Windows itself would let through (0x80 as U+0080) read as on Linux.
    row("CP932 undefined single byte 0x80", "\x90\xab\x95\xca\n\x92\x6a\x80\n", "CP932", "error 2");
    row("CP932 IBM extension and user-defined area", "\xed\x40,\xf0\x40\n", "CP932", QStringLiteral("1:纊|\uE000"));
    // 髙 (IBM's extension, 0xFB 0xFC) split by the end of the first piece
    // read: its lead byte the last of the piece, the other the first of the next.
    const QByteArray beforeBoundary = QByteArray(65535 - 3, 'x');
    row("CP932 IBM extension across a read boundary", "ID\n" + beforeBoundary + "\xFB\xFC,1\n", "CP932",
        "1:ID\n2:" + QString::fromLatin1(beforeBoundary) + QStringLiteral("髙|1"));
    row("UTF-8 with BOM cut in a character", QByteArray("\xEF\xBB\xBF") + "a\n\xE3\x81", "UTF-8 (BOM)", "error 2");
    row("UTF-16LE with an odd byte at the end", QByteArray("\xFF\xFE", 2) + QByteArray("a\0\n\0b", 5), "UTF-16LE",
        "error 2");
    row("unclosed quote: the row it opens, after a record of two lines", "a,b\n\"x\ny\",1\n1,\"2\n3\n", "UTF-8",
        "error 3");
}

void TestDayList::reader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, records);

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const TextEncoding detected = detectEncoding(buffer);
    QCOMPARE(encodingName(detected), encoding);
    DecodedText text(buffer, detected);
    DelimitedReader reader(text);
    QStringList read;
    DelimitedRecord record;
    while (reader.read(record))
        read << QString::number(record.line) + u':' + record.cells.join(u'|');
    if (reader.error() != DelimitedReader::Error::None)
        read << QStringLiteral("error %1").arg(reader.errorRow());
    if (read.size() > 1 && read.last().startsWith(u"error"))
        read = {read.last()};
    QCOMPARE(read.join(u'\n'), records);
}

// A cell is quoted where it holds the delimiter, a quote or a line break,
// wherever that stands: in the first eight characters, in a later block of
// eight, or in the few after the last block.
void TestDayList::writer_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<QString>("line");

    const QString long16 = QStringLiteral("腹囲が基準値以上で2項目以上に該当");
    QTest::newRow("plain cells") << QStringList{"a", "", long16} << ","
                                 << "a,," + long16 + "\r\n";
    for (const qsizetype at : {0, 7, 8, 15, 16, 17}) {
        QString cell = long16 + long16.left(2);
        cell.insert(at, u',');
        QTest::addRow("comma at %lld of %lld", at, cell.size())
            << QStringList{cell} << "," << u'"' + cell + u'"' + "\r\n";
    }
    QTest::newRow("quote doubled in a long cell") << QStringList{long16 + "\"x\""} << ","
                                                  << "\"" + long16 + "\"\"x\"\"\"\r\n";
    QTest::newRow("line breaks") << QStringList{"a\nb", "c\rd"} << ","
                                 << "\"a\nb\",\"c\rd\"\r\n";
    QTest::newRow("comma kept bare beside tabs") << QStringList{"1,5", long16 + "\t"} << "\t"
                                                 << "1,5\t\"" + long16 + "\t\"\r\n";
}

void TestDayList::writer()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, delimiter);
    QFETCH(QString, line);
    QCOMPARE(delimitedLine(cells, delimiter[0]), line);
}

// A cell of a sender's file shows as text in a spreadsheet: a formula's
// start is guarded with an apostrophe unless the cell is a plain number,
// and control characters become visible.
void TestDayList::spreadsheetCell_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("written");

    const auto row = [](const char *name, const QString &cell, const QString &written) {
        QTest::newRow(name) << cell << written;
    };
    row("formula", QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"), QStringLiteral("'=HYPERLINK(\"http://x\",\"y\")"));
    row("minus alone", QStringLiteral("-"), QStringLiteral("'-"));
    row("tab first", QStringLiteral("\tx"), QStringLiteral("'\u2409x"));
    row("negative number", QStringLiteral("-5"), QStringLiteral("-5"));
    row("signed decimal", QStringLiteral("+12.5"), QStringLiteral("+12.5"));
    row("escape, bell and DEL inside", QStringLiteral("DATA/\x1b]0;T\x07\x7f.xml"),
        QStringLiteral("DATA/\u241B]0;T\u2407\u2421.xml"));
    row("C1 control", QStringLiteral("a\u0085b"), QStringLiteral("a\\x85b"));
    row("controls reordering text", QStringLiteral("a\u202Eb\u2066c"), QStringLiteral("a<U+202E>b<U+2066>c"));
}

void TestDayList::spreadsheetCell()
{
    QFETCH(QString, cell);
    QFETCH(QString, written);
    QCOMPARE(spreadsheetText(cell), written);
}

void TestDayList::headings_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("read"); // the item (and reading), "unused", or "" for a column copied only

    const auto row = [](const char *name, const QString &heading, const QString &read) {
        QTest::newRow(name) << heading << read;
    };
    row("the window's heading", QStringLiteral("血圧 薬剤治療"), QStringLiteral("血圧 薬剤治療"));
    row("unit in parentheses", QStringLiteral("身長(cm)"), QStringLiteral("身長"));
    row("full-width unit", QStringLiteral("中性脂肪（mg/dL）"), QStringLiteral("中性脂肪"));
    row("full-width letters", QStringLiteral("ＨＤＬコレステロール"), QStringLiteral("HDL-CHO"));
    row("unit in square brackets", QStringLiteral("身長[cm]"), QStringLiteral("身長"));
    row("unit in lenticular brackets", QStringLiteral("身長【cm】"), QStringLiteral("身長"));
    row("unit after a blank", QStringLiteral("身長 (cm)"), QStringLiteral("身長"));
    row("unit as one character", QStringLiteral("腹囲(㎝)"), QStringLiteral("腹囲"));
    row("unit in full width", QStringLiteral("最高血圧（ｍｍＨｇ）"), QStringLiteral("最高血圧"));
    row("unit in lower case", QStringLiteral("HDL-C(mg/dl)"), QStringLiteral("HDL-CHO"));
    row("full-width HbA1c", QStringLiteral("ＨｂＡ１ｃ"), QStringLiteral("HbA1c"));
    row("NGSP", QStringLiteral("HbA1c(NGSP)(%)"), QStringLiteral("HbA1c"));
    row("JDS", QStringLiteral("HbA1c(JDS)"), QStringLiteral("unused"));
    row("JDS with its unit", QStringLiteral("HbA1c(JDS)(%)"), QStringLiteral("unused"));
    row("triglycerides after a meal", QStringLiteral("中性脂肪(食後)"), QStringLiteral("unused"));
    row("triglycerides not fasting", QStringLiteral("中性脂肪（非空腹）"), QStringLiteral("unused"));
    row("triglycerides at any time", QStringLiteral("中性脂肪[随時](mg/dL)"), QStringLiteral("unused"));
    row("a word in brackets is no unit", QStringLiteral("身長(自己申告)"), QString());
    row("non-fasting glucose", QStringLiteral("随時血糖"), QStringLiteral("unused"));
    row("bare age", QStringLiteral("年齢"), QStringLiteral("unused"));
    row("BMI", QStringLiteral("BMI"), QStringLiteral("unused"));
    row("a result column", QStringLiteral("保健指導レベル"), QStringLiteral("unused"));
    row("blood pressure, highest", QStringLiteral("血圧(最高)"), QStringLiteral("最高血圧"));
    row("blood pressure, lower", QStringLiteral("血圧 下"), QStringLiteral("最低血圧"));
    row("fasting glucose as FPG", QStringLiteral("空腹時血糖(FPG)"), QStringLiteral("空腹時血糖"));
    row("triglycerides as TG", QStringLiteral("中性脂肪(TG)"), QStringLiteral("中性脂肪"));
    row("HbA1c in katakana", QStringLiteral("ヘモグロビンA1c"), QStringLiteral("HbA1c"));
    row("antihypertensive drugs", QStringLiteral("服薬(降圧薬)"), QStringLiteral("血圧 薬剤治療"));
    row("year-end age in brackets", QStringLiteral("年齢(年度末)"), QStringLiteral("年度末年齢"));
    row("bare glucose may be non-fasting", QStringLiteral("血糖"), QString());
    row("smoking history counts past smokers", QStringLiteral("喫煙歴"), QString());
    row("ID", QStringLiteral("受診者ID"), QString());
    row("code height", QStringLiteral("9N001000000000001"), QStringLiteral("身長"));
    row("code waist self-reported", QStringLiteral("9N016160300000001"), QStringLiteral("腹囲"));
    row("code systolic other", QStringLiteral("9A755000000000001"), QStringLiteral("最高血圧"));
    row("code systolic first", QStringLiteral("9A751000000000001"), QStringLiteral("最高血圧 1"));
    row("code diastolic second", QStringLiteral("9A762000000000001"), QStringLiteral("最低血圧 2"));
    row("code triglycerides", QStringLiteral("3F015000002399901"), QStringLiteral("中性脂肪"));
    row("code non-fasting triglycerides", QStringLiteral("3F015129902327101"), QStringLiteral("unused"));
    row("code glucose", QStringLiteral("3D010000001927201"), QStringLiteral("空腹時血糖"));
    row("code HbA1c NGSP", QStringLiteral("3D046000001906202"), QStringLiteral("HbA1c"));
    row("code HbA1c JDS", QStringLiteral("3D045000001906202"), QStringLiteral("unused"));
    row("code lipid drugs", QStringLiteral("9N711000000000011"), QStringLiteral("脂質 薬剤治療"));
    row("code smoking", QStringLiteral("9N736000000000011"), QStringLiteral("喫煙"));
    row("unknown code", QStringLiteral("9Z999000000000001"), QString());
}

void TestDayList::headings()
{
    QFETCH(QString, heading);
    QFETCH(QString, read);

    const ColumnPlan plan = planColumns({heading});
    QString found = plan.unused.isEmpty() ? QString() : QStringLiteral("unused");
    for (std::size_t i = 0; i < kItemCount; ++i) {
        for (const ItemColumn &column : plan.items[i]) {
            found = itemName(Item(i));
            if (column.reading != Reading::Only)
                found += column.reading == Reading::First ? QStringLiteral(" 1") : QStringLiteral(" 2");
        }
    }
    QCOMPARE(found, read);
}

// The manual page's and the README's list of headings: every item read from
// a column, in the order of the items, with the headings read beside its own.
void TestDayList::documentedHeadings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section"); // from its first line to the line that ends it
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("listed");
    // The manual page: ".B 腹囲" then "腹囲(実測), …" or "(only this heading)".
    QTest::newRow("manual page") << QStringLiteral("packaging/debian/kalvemo-judge.1")
                                 << QStringLiteral(".SH HEADINGS\n") << QStringLiteral("\n.SH ")
                                 << QStringLiteral(R"(^\.B (.+)\n(?:\(only this heading\)|(.+))$)");
    // The README: "| 腹囲 | 腹囲(実測)、… |", under the table's heading line.
    QTest::newRow("README") << QStringLiteral("README.md") << QStringLiteral("Also read |\n|---|---|\n")
                            << QStringLiteral("\n\n") << QStringLiteral(R"(^\| ([^|]+) \| ?([^|]*?) ?\|$)");
}

void TestDayList::documentedHeadings()
{
    QFETCH(QString, file);
    QFETCH(QString, section);
    QFETCH(QString, end);
    QFETCH(QString, listed);
    QFile text(QStringLiteral(KALVEMO_SOURCE_DIR "/") + file);
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QString whole = QString::fromUtf8(text.readAll());
    const qsizetype start = whole.indexOf(section);
    QVERIFY(start >= 0);
    const QString part = whole.sliced(start, whole.indexOf(end, start) - start);
    QStringList documented;
    const QRegularExpression line(listed, QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &item : line.globalMatch(part)) {
        const QStringList others = item.captured(2).split(QRegularExpression(QStringLiteral("、|, ")));
        documented << (QStringList{item.captured(1)} + others).join(u'|');
    }
    QStringList read;
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (QStringList headings = headingsOf(Item(i)); !headings.isEmpty())
            read << (headings.size() == 1 ? headings << QString() : headings).join(u'|');
    }
    QCOMPARE(documented, read);
}

void TestDayList::headingLine_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<bool>("headingLine");
    QTest::addColumn<QString>("missing");      // every missing item, "、" between
    QTest::addColumn<QString>("unrecognised"); // "|" between

    const auto row = [](const char *name, const char *cells, bool headingLine, const char *missing,
                        const char *unrecognised) {
        QTest::newRow(name) << QString::fromUtf8(cells).split(u',') << headingLine << QString::fromUtf8(missing)
                            << QString::fromUtf8(unrecognised);
    };
    const char *rest =
        "腹囲、最高血圧、最低血圧、中性脂肪、HDL-CHO、血圧 薬剤治療、脂質 薬剤治療、血糖 薬剤治療、喫煙、"
        "空腹時血糖かHbA1c、年齢区分 (年齢区分、年度末年齢、または生年月日と受診日)";
    row("a title line", "令和8年度 特定健診 受診者一覧,,", false,
        "性別、身長、体重、腹囲、最高血圧、最低血圧、中性脂肪、HDL-CHO、血圧 薬剤治療、脂質 薬剤治療、血糖 薬剤治療、"
        "喫煙、空腹時血糖かHbA1c、年齢区分 (年齢区分、年度末年齢、または生年月日と受診日)",
        "令和8年度 特定健診 受診者一覧");
    row("sex and a measured item", "氏名,性別,身長[cm],体重[kg],メモ", true, rest, "メモ");
    row("sex alone", "受診者ID,性別,生年月日,受診日", false,
        "身長、体重、腹囲、最高血圧、最低血圧、中性脂肪、HDL-CHO、血圧 薬剤治療、脂質 薬剤治療、血糖 薬剤治療、喫煙、"
        "空腹時血糖かHbA1c",
        "");
    row("headings in a sentence are no headings", "性別と身長を記入してください,", false,
        "性別、身長、体重、腹囲、最高血圧、最低血圧、中性脂肪、HDL-CHO、血圧 薬剤治療、脂質 薬剤治療、血糖 薬剤治療、"
        "喫煙、空腹時血糖かHbA1c、年齢区分 (年齢区分、年度末年齢、または生年月日と受診日)",
        "性別と身長を記入してください");
    row("a desk's own sheet",
        "番号,氏名,性別,年齢(年度末),身長(cm),体重(kg),腹囲(cm),血圧(最高),血圧(最低),中性脂肪(TG),"
        "HDLコレステロール,空腹時血糖(FPG),ヘモグロビンA1c,服薬(降圧薬),服薬(血糖),服薬(脂質),喫煙,BMI,備考",
        true, "", "備考");
    row("what is not read, and unknown words", "性別,HbA1c(JDS),中性脂肪(食後),血糖,喫煙歴,腹囲,年齢", true,
        "身長、体重、最高血圧、最低血圧、中性脂肪、HDL-CHO、血圧 薬剤治療、脂質 薬剤治療、血糖 薬剤治療、喫煙、"
        "空腹時血糖かHbA1c、年齢区分 (年齢区分、年度末年齢、または生年月日と受診日)",
        "血糖|喫煙歴");
}

void TestDayList::headingLine()
{
    QFETCH(QStringList, cells);
    QFETCH(bool, headingLine);
    QFETCH(QString, missing);
    QFETCH(QString, unrecognised);

    QCOMPARE(canBeHeadingLine(cells), headingLine);
    QCOMPARE(missingItems(planColumns(cells)).join(QStringLiteral("、")), missing);
    QCOMPARE(unrecognisedHeadings(cells).join(u'|'), unrecognised);
}

void TestDayList::choiceWords_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<ChoiceKind>("kind");
    QTest::addColumn<QString>("read"); // "yes" (for the sex: female), "no", or "× " and the codes a refusal gives

    const auto row = [](const char *name, const char *cell, ChoiceKind kind, const char *read) {
        QTest::newRow(name) << QString::fromUtf8(cell) << kind << QString::fromUtf8(read);
    };
    const ChoiceKind sex = ChoiceKind::Sex, yesNo = ChoiceKind::YesNo, smoking = ChoiceKind::Smoking;
    row("male", "男性", sex, "no");
    row("female as F in full width", "Ｆ", sex, "yes");
    row("female as the data standard's 2", "2", sex, "yes");
    row("sex as 0", "0", sex, "× 1 男性 / 2 女性");
    row("sex left empty", "", sex, "× 1 男性 / 2 女性");
    row("sex as a yes", "あり", sex, "× 1 男性 / 2 女性");
    row("有", "有", yesNo, "yes");
    row("a circle", "○", yesNo, "yes");
    row("a large circle", "◯", yesNo, "yes");
    row("Yes in full width", "Ｙｅｓ", yesNo, "yes");
    row("無", "無", yesNo, "no");
    row("a cross", "×", yesNo, "no");
    row("No", "No", yesNo, "no");
    row("0 from an empty formula", "0", yesNo, "× 1 あり / 2 なし");
    row("the kanji zero looks like a circle", "〇", yesNo, "× 1 あり / 2 なし");
    row("吸う for a drug", "吸う", yesNo, "× 1 あり / 2 なし");
    row("3 for a drug", "3", yesNo, "× 1 あり / 2 なし");
    row("吸う", "吸う", smoking, "yes");
    row("吸わない", "吸わない", smoking, "no");
    row("the data standard's 3 for smoking", "3", smoking, "no");
    row("0 for smoking", "0", smoking, "× 1 あり / 2 なし");
}

void TestDayList::choiceWords()
{
    QFETCH(QString, cell);
    QFETCH(ChoiceKind, kind);
    QFETCH(QString, read);

    const Answer answer = answerOf(cell, kind);
    QCOMPARE(answer == Answer::Yes  ? QStringLiteral("yes")
             : answer == Answer::No ? QStringLiteral("no")
                                    : QStringLiteral("× ") + choiceCodes(kind),
             read);
}

void TestDayList::rowCells_data()
{
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("systolic"); // the text for Text1, or "× column: reason"

    const QStringList base = {QStringLiteral("年齢区分"),      QStringLiteral("性別"),
                              QStringLiteral("血圧 薬剤治療"), QStringLiteral("脂質 薬剤治療"),
                              QStringLiteral("血糖 薬剤治療"), QStringLiteral("喫煙")};
    const QStringList choices = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("3")};
    const auto row = [&](const char *name, const QStringList &more, const QStringList &cells, const QString &systolic) {
        QTest::newRow(name) << base + more << choices + cells << systolic;
    };
    const QString sys = QStringLiteral("最高血圧");
    row("plain", {sys}, {QStringLiteral("128")}, QStringLiteral("128"));
    row("kept as it stands", {sys}, {QStringLiteral("65.5.0")}, QStringLiteral("65.5.0"));
    row("a lone minus is kept", {sys}, {QStringLiteral("-")}, QStringLiteral("-"));
    row("letter in a number", {sys}, {QStringLiteral("1S0")},
        QStringLiteral("× 最高血圧: \"1S0\" は数値として読めません"));
    row("full-width digits", {sys}, {QStringLiteral("１２０")},
        QStringLiteral("× 最高血圧: \"１２０\" は全角の数字です: 数値は半角で入力してください"));
    row("leading blank", {sys}, {QStringLiteral(" 56")}, QStringLiteral("× 最高血圧: \" 56\" は数値として読めません"));
    row("thousands separator", {sys}, {QStringLiteral("1,200")},
        QStringLiteral("× 最高血圧: \"1,200\" は数値として読めません"));
    row("two columns agree", {sys, QStringLiteral("9A755000000000001")}, {QStringLiteral("128"), QStringLiteral("128")},
        QStringLiteral("128"));
    row("two columns differ", {sys, QStringLiteral("9A755000000000001")},
        {QStringLiteral("128"), QStringLiteral("130")},
        QStringLiteral("× 9A755000000000001: \"130\" と 最高血圧 の \"128\" が食い違います"));
    row("mean of two readings, half up", {QStringLiteral("9A751000000000001"), QStringLiteral("9A752000000000001")},
        {QStringLiteral("129"), QStringLiteral("130")}, QStringLiteral("130"));
    row("one reading", {QStringLiteral("9A751000000000001"), QStringLiteral("9A752000000000001")},
        {QString(), QStringLiteral("131")}, QStringLiteral("131"));
    row("the other value before the readings",
        {QStringLiteral("9A755000000000001"), QStringLiteral("9A751000000000001"), QStringLiteral("9A752000000000001")},
        {QStringLiteral("140"), QStringLiteral("129"), QStringLiteral("130")}, QStringLiteral("140"));
    row("more cells than headings", {sys}, {QStringLiteral("128"), QStringLiteral("x")},
        QStringLiteral("× : 見出しより多いセルがあります (15 個、見出しは 14 個)"));
    // A cell dropped in the middle would move every later value one column
    // left: a short row is not read at all.
    row("one cell short", {sys}, {}, QStringLiteral("× : 列が 1 つ足りません (見出しは 14 列、この行は 13 列)"));
    row("two cells short", {sys, QStringLiteral("9A755000000000001")}, {},
        QStringLiteral("× : 列が 2 つ足りません (見出しは 15 列、この行は 13 列)"));
    // A choice is read whatever spaces, widths or case it comes in; only
    // spaces is an empty cell.
    const auto smoking = [&](const char *name, const QString &cell, const QString &systolic) {
        QStringList withSmoking = choices;
        withSmoking.last() = cell;
        QTest::newRow(name) << base + QStringList{sys} << withSmoking + QStringList{QStringLiteral("128")} << systolic;
    };
    smoking("choice after an ideographic space", QStringLiteral("\u3000あり"), QStringLiteral("128"));
    smoking("choice in full-width digits", QStringLiteral("１"), QStringLiteral("128"));
    smoking("choice with a blank after it", QStringLiteral("なし "), QStringLiteral("128"));
    smoking("only an ideographic space", QStringLiteral("\u3000"), QStringLiteral("× 喫煙: 空です"));
    smoking("only blanks", QStringLiteral(" \t"), QStringLiteral("× 喫煙: 空です"));
    smoking("a word that is no choice", QStringLiteral("たまに"),
            QStringLiteral("× 喫煙: \"たまに\" はあり・なしとして読めません (1 あり / 2 なし)"));
    smoking("a zero is no answer", QStringLiteral("0"),
            QStringLiteral("× 喫煙: \"0\" はあり・なしとして読めません (1 あり / 2 なし)"));
}

void TestDayList::rowCells()
{
    QFETCH(QStringList, headings);
    QFETCH(QStringList, cells);
    QFETCH(QString, systolic);

    // Every other item has a column in front, left empty.
    for (const Entry entry : {Entry::Height, Entry::Weight, Entry::Waist, Entry::Diastolic, Entry::Triglycerides,
                              Entry::Hdl, Entry::FastingGlucose}) {
        headings.prepend(itemName(itemOf(entry)));
        cells.prepend(QString());
    }
    const ColumnPlan plan = planColumns(headings);
    QCOMPARE(missingItems(plan), QStringList());
    const auto examinee = ::examineeOf(cells, headings, plan, RowUse::Judged);
    const auto *problem = std::get_if<RowProblem>(&examinee);
    const QString read = problem ? QStringLiteral("× ") + problem->column + QStringLiteral(": ") + problem->reason
                                 : std::get<Examinee>(examinee).texts[std::size_t(Field::Text1)];
    QCOMPARE(read, systolic);
}

// A row below the heading line that is no examinee's: the headings again,
// or a total whose item cells are empty, or sums or averages before which a
// word of one stands. A row with a value, or without a word of a total, is
// an examinee's, judged or refused.
void TestDayList::notAnExaminee_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<bool>("examinee");

    const QStringList headings = {QStringLiteral("ID"), QStringLiteral("性別"), QStringLiteral("身長")};
    QTest::newRow("the headings again") << headings << false;
    QTest::newRow("a total word beside a value") << QStringList{QStringLiteral("計"), QStringLiteral("男"), {}} << true;
    QTest::newRow("an examinee without values") << QStringList{QStringLiteral("K12"), {}, {}} << true;
    QTest::newRow("sums under the values") << QStringList{QStringLiteral("合計"), {}, QStringLiteral("3400")} << false;
    QTest::newRow("a name of 計 beside a value")
        << QStringList{QStringLiteral("計良"), {}, QStringLiteral("170")} << true;
    QTest::newRow("an examinee") << QStringList{QStringLiteral("K12"), QStringLiteral("男"), QStringLiteral("170")}
                                 << true;
}

void TestDayList::notAnExaminee()
{
    QFETCH(QStringList, cells);
    QFETCH(bool, examinee);
    const ColumnPlan plan = planColumns({QStringLiteral("ID"), QStringLiteral("性別"), QStringLiteral("身長")});
    QCOMPARE(!notAnExamineesRow(cells, plan).has_value(), examinee);
}

void TestDayList::ageBand_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("yearEndAge");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("exam");
    QTest::addColumn<QString>("read"); // the band's caption, or "× item"

    const auto row = [](const char *name, const char *band, const char *age, const char *birth, const char *exam,
                        const char *read) {
        QTest::newRow(name) << QString::fromUtf8(band) << QString::fromUtf8(age) << QString::fromUtf8(birth)
                            << QString::fromUtf8(exam) << QString::fromUtf8(read);
    };
    row("band caption", "40歳～64歳", "", "", "", "40歳～64歳");
    row("band with wave dash", "65歳〜74歳", "", "", "", "65歳～74歳");
    row("band as a range", "65-74", "", "", "", "65歳～74歳");
    row("band as its code", "2", "", "", "", "65歳～74歳");
    row("band unknown", "3", "", "", "", "× 年齢区分");
    row("year-end age 40", "", "40", "", "", "40歳～64歳");
    row("year-end age 39", "", "39", "", "", "× 年度末年齢");
    row("year-end age 65", "", "65", "", "", "65歳～74歳");
    row("year-end age 75 without dates", "", "75", "", "", "× 年度末年齢");
    row("age with 歳", "", "64歳", "", "", "40歳～64歳");
    row("age as a spreadsheet's decimal", "", "65.0", "", "", "65歳～74歳");
    row("age in full-width digits", "", "６４", "", "", "40歳～64歳");
    row("age with a fraction", "", "64.5", "", "", "× 年度末年齢");
    row("born 1 April: a year older on 31 March", "", "", "1960/4/1", "2024/6/1", "65歳～74歳");
    row("born 2 April", "", "", "1960/4/2", "2024/6/1", "40歳～64歳");
    row("turns 40 on 1 April after the year", "", "", "1985-04-01", "2024-05-01", "40歳～64歳");
    row("turns 40 on 2 April after the year", "", "", "1985-04-02", "2024-05-01", "× 生年月日");
    row("examined in March of the year", "", "", "19600401", "20250331", "65歳～74歳");
    // The fiscal year's first and last months: 64 on 1 April of the next
    // year, or 65, decides the band.
    row("examined on 1 April, the year's first day", "", "", "1960/4/1", "2024/4/1", "65歳～74歳");
    row("examined on 31 March, the year's last day", "", "", "1960/4/2", "2025/3/31", "40歳～64歳");
    row("29 February, 74 on 28 February", "", "", "1952/2/29", "2027/2/28", "65歳～74歳");
    row("29 February, 75 on 1 March", "", "", "1952/2/29", "2027/3/1", "× 生年月日");
    row("74 turning 75 later in the year", "", "", "1950/10/10", "2025/6/1", "65歳～74歳");
    row("75 already on the day", "", "", "1950/10/10", "2025/11/1", "× 生年月日");
    row("Showa in kanji", "", "", "昭和35年4月1日", "令和6年6月1日", "65歳～74歳");
    row("Showa as S", "", "", "S35.4.2", "R6.6.1", "40歳～64歳");
    row("Heisei gannen", "", "", "平成元年1月8日", "2024/6/1", "× 生年月日");
    row("Heisei before it began", "", "", "平成元年1月7日", "2024/6/1", "× 生年月日");
    row("Showa 64", "", "", "昭和64年1月7日", "2053/6/1", "65歳～74歳");
    row("full-width digits", "", "", "１９６０／４／１", "２０２４／６／１", "65歳～74歳");
    row("unreadable date", "", "", "1960/13/1", "2024/6/1", "× 生年月日");
    row("dates with midnight", "", "", "1960/04/01 0:00", "2024-06-01 00:00:00", "65歳～74歳");
    row("date and midnight joined by T", "", "", "1960-04-02T00:00:00", "2024/6/1", "40歳～64歳");
    row("birth date with a time of day", "", "", "1960/04/01 9:30", "2024/6/1", "× 生年月日");
    row("examination with a time past midnight", "", "", "1960/04/01", "2024/6/1 0:01", "× 受診日");
    row("examination before birth", "", "", "2024/6/2", "2024/6/1", "× 受診日");
    row("band and age agree", "65歳～74歳", "70", "", "", "65歳～74歳");
    row("band and age disagree", "40歳～64歳", "70", "", "", "× 年齢区分");
    row("age and dates disagree", "", "64", "1960/4/1", "2024/6/1", "× 年度末年齢");
    row("nothing", "", "", "", "", "× 年齢区分");
}

void TestDayList::ageBand()
{
    QFETCH(QString, band);
    QFETCH(QString, yearEndAge);
    QFETCH(QString, birth);
    QFETCH(QString, exam);
    QFETCH(QString, read);

    const auto found = bandOfRow({band, yearEndAge, birth, exam});
    const auto *problem = std::get_if<AgeProblem>(&found);
    QCOMPARE(problem ? QStringLiteral("× ") + itemName(problem->item) : ageBandName(std::get<AgeBand>(found)), read);
}

// The arguments, split at each space (a space at the end: an empty last
// argument); as read, "inputs|output|encoding" and " help" where asked for,
// or the usage error.
void TestDayList::commandLine_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("read");
    const auto row = [](const char *name, const char *arguments, const char *read) {
        QTest::newRow(name) << QString::fromUtf8(arguments) << QString::fromUtf8(read);
    };
    row("options before and after the input", "-o out.csv list.csv --encoding cp932", "list.csv|out.csv|cp932");
    row("long names, a value after =", "--output o.csv --encoding=utf-8 list.csv", "list.csv|o.csv|utf-8");
    row("- is standard input or output", "- -o -", "-|-|");
    row("help needs no input", "--help", "|| help");
    row("an option twice", "a -o x --output y", "-o が2回あります");
    row("--encoding twice, either way", "a --encoding=x --encoding y", "--encoding が2回あります");
    row("no value at the end", "a --encoding", "--encoding の後に値がありません");
    row("an empty output", "a -o ", "-o の値が空です");
    row("an unknown option as typed", "a --verbose=1", "知らないオプションです: --verbose=1");
    row("letters after one dash are one option", "a -ho", "知らないオプションです: -ho");
    row("several inputs, options between them", "a -o x b c", "a b c|x|");
    row("no input", "-o x", "入力ファイルがありません");
}

void TestDayList::commandLine()
{
    QFETCH(QString, arguments);
    QFETCH(QString, read);

    const auto parsed = parseCommandLine(arguments.split(u' '));
    const auto *line = std::get_if<CommandLine>(&parsed);
    const QString asRead = line ? QStringList{line->inputs.join(u' '), line->output, line->encoding}.join(u'|')
                                      + (line->help ? QStringLiteral(" help") : QString())
                                : std::get<QString>(parsed);
    QCOMPARE(asRead, read);
}

QTEST_APPLESS_MAIN(TestDayList)
#include "tst_daylist.moc"
