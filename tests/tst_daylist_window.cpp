#include "window_fixture.h"

#include "added_cells.h"

#include "app/results/judged_results.h"
#include "daylist/added_columns.h"
#include "daylist/day_list.h"
#include "daylist/delimited_writer.h"
#include "examinee/columns.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "examinee/examinee.h"
#include "examinee/form_entry.h"
#include "form/memory_form.h"
#include "state/measured_items.h"
#include "words/desk_names.h"
#include "words/record_row.h"

#include <QClipboard>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

// The day's list against the window: random examinees, entered into the
// real window and written as a row of a day's list, must come out of the
// engine with the very results, codes, values to check, missing entries and
// explanations that the window shows.
class TestDayListWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }
    void engineShowsWhatTheWindowShows();
    void pasteEntersWhatTheListJudges();

private:
    WindowFixture w;
};

namespace {

constexpr int kExaminees = 120;
constexpr int kPastedExaminees = 40;

// The fields and their entries, in the order of the list's columns.
// clang-format off
struct FieldColumn { Field field; Entry entry; double limit; };
const FieldColumn kFieldColumns[] = {
    {Field::Text9,  Entry::Height,         150},
    {Field::Text10, Entry::Weight,         60},
    {Field::Text12, Entry::Waist,          limitOf(Entry::Waist, LimitKind::GuidanceRisk)},
    {Field::Text1,  Entry::Systolic,       limitOf(Entry::Systolic, LimitKind::GuidanceRisk)},
    {Field::Text2,  Entry::Diastolic,      limitOf(Entry::Diastolic, LimitKind::GuidanceRisk)},
    {Field::Text6,  Entry::Triglycerides,  limitOf(Entry::Triglycerides, LimitKind::GuidanceRisk)},
    {Field::Text7,  Entry::Hdl,            limitOf(Entry::Hdl, LimitKind::GuidanceRisk)},
    {Field::Text4,  Entry::FastingGlucose, limitOf(Entry::FastingGlucose, LimitKind::GuidanceRisk)},
    {Field::Text5,  Entry::Hba1c,          limitOf(Entry::Hba1c, LimitKind::GuidanceRisk)},
};
// clang-format on

// A value for a field: mostly at or next to a limit of the rules, sometimes
// empty, 0, or a text the field keeps as it stands but that is not a plain
// number.
QString randomValue(QRandomGenerator &random, const FieldColumn &column)
{
    const int kind = random.bounded(20);
    if (kind == 0)
        return {};
    if (kind == 1)
        return QStringLiteral("0");
    if (kind == 2) {
        const QStringList keptAsItStands = {QStringLiteral("65.5.0"), QStringLiteral("-"), QStringLiteral(".5"),
                                            QStringLiteral("-5"), QStringLiteral("1..2")};
        return keptAsItStands[random.bounded(keptAsItStands.size())];
    }
    double limit = column.limit;
    if (column.entry == Entry::Waist && random.bounded(2))
        limit = limitOf(Entry::Waist, LimitKind::GuidanceRisk, true);
    if (column.entry == Entry::FastingGlucose && random.bounded(2))
        limit = limitOf(Entry::FastingGlucose, LimitKind::SyndromeCriterion);
    if (column.entry == Entry::Hba1c) {
        if (random.bounded(2))
            limit = limitOf(Entry::Hba1c, LimitKind::SyndromeCriterion);
        return QString::number(limit + (random.bounded(5) - 2) * 0.1, 'f', 1);
    }
    if (column.entry == Entry::Height)
        return QString::number(140 + random.bounded(50));
    if (column.entry == Entry::Weight)
        return QString::number(40 + random.bounded(60));
    return QString::number(limit + random.bounded(5) - 2, 'f', 0);
}

bool coin(QRandomGenerator &random) { return random.bounded(2) == 1; }

// The window's missing-entry marks, in the words of the 未入力 column: each
// entry's mark other than a value to check.
QString windowMissingEntries(const WindowFixture &w)
{
    QStringList named;
    for (const FieldColumn &column : kFieldColumns) {
        for (const QString &mark : w.control(designName(column.field))->toolTip().split(u'\n', Qt::SkipEmptyParts)) {
            if (mark.startsWith(QStringLiteral("確認: ")))
                continue;
            named << (mark == u"未入力" ? entryName(column.entry)
                                        : entryName(column.entry) + QStringLiteral(" (") + mark + u')');
        }
    }
    return named.join(QStringLiteral("、"));
}

QString joinedLines(const QString &tooltip) { return tooltip.split(u'\n').join(QStringLiteral(" / ")); }

// The list's headings, in the order of a row's cells: the window's own
// record headings of the age band and sex, of the fields' entries in the
// order of kFieldColumns, of the drug treatments and of 喫煙.
QStringList listHeadings()
{
    const QStringList record = judgedRecordHeadings();
    QStringList headings = record.mid(0, 2);
    for (const FieldColumn &column : kFieldColumns)
        headings << entryName(column.entry);
    return headings + record.mid(record.indexOf(wordText(Word::Smoking)) - 3, 4);
}

} // namespace

void TestDayListWindow::engineShowsWhatTheWindowShows()
{
    const QStringList headings = listHeadings();
    const ColumnPlan plan = planColumns(headings);
    QVERIFY(missingItems(plan).isEmpty());

    QRandomGenerator random(24);
    FormControls &form = w.window->controls();
    QStringList rows{delimitedLine(headings, u',')};
    QList<QStringList> shownRows;
    for (int n = 0; n < kExaminees; ++n) {
        const AgeBand band = coin(random) ? AgeBand::From40To64 : AgeBand::From65To74;
        const bool female = coin(random);
        const bool drugs[] = {random.bounded(4) == 0, random.bounded(4) == 0, random.bounded(4) == 0};
        const bool smoker = coin(random);
        QStringList values;
        for (const FieldColumn &column : kFieldColumns)
            values << randomValue(random, column);

        // The window, as a desk worker fills it for a new examinee.
        w.click("Command3");
        form.select(female ? Choice::kFemale : Choice::kMale);
        form.select(drugs[0] ? Choice::kBloodPressureDrugs : Choice::kNoBloodPressureDrugs);
        form.select(drugs[1] ? Choice::kLipidDrugs : Choice::kNoLipidDrugs);
        form.select(drugs[2] ? Choice::kGlucoseDrugs : Choice::kNoGlucoseDrugs);
        form.select(smoker ? Choice::kSmoker : Choice::kNonSmoker);
        for (int i = 0; i < values.size(); ++i)
            form.setText(kFieldColumns[i].field, values[i]);
        w.click(band == AgeBand::From40To64 ? "Command1" : "Command2");
        const QStringList record = w.window->results().record();
        QStringList shown = record.mid(kFirstResultColumn);
        shown << ageBandName(band) << windowMissingEntries(w) << joinedLines(w.label("Label37")->toolTip())
              << joinedLines(w.label("Label15")->toolTip());

        // The same examinee as a row of a day's list, through the engine.
        QStringList row{ageBandName(band), sexName(female)};
        row << values << choiceName(drugs[0]) << choiceName(drugs[1]) << choiceName(drugs[2]) << choiceName(smoker);
        const auto examinee = examineeOf(row, headings, plan, RowUse::Judged);
        QVERIFY2(std::holds_alternative<Examinee>(examinee), qPrintable(row.join(u',')));
        QStringList judged;
        judgeExaminee(std::get<Examinee>(examinee),
                      [&judged](const Judgement &judgement) { judged = addedCellsOf(judgement); });

        QCOMPARE(judged.size(), addedHeadings().size());
        QVERIFY2(judged == shown, qPrintable(row.join(u',') + u'\n' + judged.join(u'|') + u'\n' + shown.join(u'|')));
        rows << delimitedLine(row, u',');
        shownRows << shown;
    }

    // The same rows as a file, through kalvemo-judge's own run: each written
    // row ends in what the window showed.
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("list.csv")), output = dir.filePath(QStringLiteral("out.csv"));
    QFile list(input);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(rows.join(QString()).toUtf8());
    list.close();
    QCOMPARE(judgeDayList({input, output, {}, false}), 0);
    QFile written(output);
    QVERIFY(written.open(QIODevice::ReadOnly));
    DecodedText text(written, TextEncoding::Utf8);
    DelimitedReader reader(text);
    DelimitedRecord record;
    QVERIFY(reader.read(record)); // the headings
    for (const QStringList &shown : shownRows) {
        QVERIFY(reader.read(record));
        QCOMPARE(record.cells.mid(headings.size()), shown);
    }
    QVERIFY(!reader.read(record));
}

// A row pasted into the real window and the same row read by the day's
// list leave the window and the in-memory form alike: the same texts, the
// same choices and, once the band's button is pressed, the same judgement.
void TestDayListWindow::pasteEntersWhatTheListJudges()
{
    const QStringList headings = listHeadings();
    const ColumnPlan plan = planColumns(headings);
    QRandomGenerator random(31);
    FormControls &window = w.window->controls();
    for (int n = 0; n < kPastedExaminees; ++n) {
        const AgeBand band = coin(random) ? AgeBand::From40To64 : AgeBand::From65To74;
        QStringList row{ageBandName(band), sexName(coin(random))};
        for (const FieldColumn &column : kFieldColumns)
            row << randomValue(random, column);
        for (int choice = 0; choice < 4; ++choice)
            row << choiceName(random.bounded(3) == 0);
        const QString context = row.join(u',');

        QGuiApplication::clipboard()->setText(delimitedLine(headings, u'\t') + delimitedLine(row, u'\t'));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);

        const auto examinee = examineeOf(row, headings, plan, RowUse::Judged);
        QVERIFY2(std::holds_alternative<Examinee>(examinee), qPrintable(context));
        MemoryForm memory;
        enterExaminee(memory, std::get<Examinee>(examinee));
        for (std::size_t field = 0; field < kFieldCount; ++field)
            QVERIFY2(window.text(Field(field)) == memory.text(Field(field)), qPrintable(context));
        for (std::size_t option = 0; option < kOptionCount; ++option)
            QVERIFY2(window.isSelected(Option(option)) == memory.isSelected(Option(option)), qPrintable(context));

        w.click(band == AgeBand::From40To64 ? "Command1" : "Command2");
        QStringList listRecord;
        judgeExaminee(std::get<Examinee>(examinee),
                      [&listRecord](const Judgement &judged) { listRecord = judgedRecordRow(judged); });
        QVERIFY2(w.window->results().record() == listRecord,
                 qPrintable(context + u'\n' + w.window->results().record().join(u'|') + u'\n' + listRecord.join(u'|')));
    }
}

QTEST_MAIN(TestDayListWindow)
#include "tst_daylist_window.moc"
