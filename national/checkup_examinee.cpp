#include "national/checkup_examinee.h"

#include "national/decimal_text.h"

#include "words/desk_names.h"
#include "words/message_words.h"

#include <QHash>

#include <algorithm>

namespace {

// The codes a checkup file reports of its own judgement, and the timing of
// the blood draw: read here, never judged from.
constexpr QStringView kClassCode = u"9N501000000000011";  // メタボリックシンドローム判定
constexpr QStringView kLevelCode = u"9N506000000000011";  // 保健指導レベル
constexpr QStringView kTimingCode = u"9N141000000000011"; // 採血時間(食後)
// 採血時間 (1.2.392.200119.6.2202): 3 is 3.5 to 10 hours after a meal, 4
// less than 3.5 hours; 2 is ten hours or more.
constexpr std::array<QStringView, 2> kDrawnSoonAfterMeal = {u"3", u"4"};

// clang-format off
// The coded items: their code system and codes. Drug treatment 1 yes, 2
// no; smoking 1 yes, 2 (no longer) and 3 no; the sex 1 male, 2 female.
struct ItemCodes { Item item; QStringView system; std::array<QStringView, 3> codes; };
constexpr QStringView kFemale = u"2";
constexpr ItemCodes kCodes[] = {
    {Item::BloodPressureDrugs, u"1.2.392.200119.6.2003",  {u"1", u"2"}},
    {Item::LipidDrugs,         u"1.2.392.200119.6.2003",  {u"1", u"2"}},
    {Item::GlucoseDrugs,       u"1.2.392.200119.6.2003",  {u"1", u"2"}},
    {Item::Smoking,            u"1.2.392.200119.6.24060", {u"1", u"2", u"3"}},
    {Item::Sex,                u"1.2.392.200119.6.1104",  {u"1", kFemale}},
};
// clang-format on

// The units as senders spell them, beside the UCUM unit each stands for.
struct UnitSpelling {
    QStringView written;
    QStringView ucum;
};
constexpr UnitSpelling kUnitSpellings[] = {
    {u"mmHg", u"mm[Hg]"},
    {u"mg/dl", u"mg/dL"},
    {u"％", u"%"},
};

// The UCUM unit a written unit stands for; any other as written.
QStringView ucumUnitOf(const QString &written)
{
    for (const UnitSpelling &spelling : kUnitSpellings) {
        if (written == spelling.written)
            return spelling.ucum;
    }
    return written;
}

// Whether a measured value is read: a PQ in the item's unit, or the first
// thing wrong with it.
enum class MeasuredValueForm { Read, NotPq, OtherUnit };
MeasuredValueForm measuredValueForm(const Observation &source, const MeasuredItem &item)
{
    if (source.type != u"PQ")
        return MeasuredValueForm::NotPq;
    // UCUM units are ASCII
    return ucumUnitOf(source.unit) == QLatin1String(item.national.unit) ? MeasuredValueForm::Read
                                                                        : MeasuredValueForm::OtherUnit;
}

// A bound's code of kBoundSystem: H, at least the value; L, below it.
struct BoundCode {
    QStringView code;
    bool atLeast;
};
constexpr BoundCode kBoundCodes[] = {{u"H", true}, {u"L", false}};

bool isCodeOf(const ItemCodes &codes, QStringView code)
{
    return !code.isEmpty() && std::find(codes.codes.begin(), codes.codes.end(), code) != codes.codes.end();
}

// The cells of the file as a row: the sex and the dates, then one column
// per observation of an item, its heading the item code.
struct Row {
    QStringList headings;
    QStringList cells;
    QList<const Observation *> sources; // per column; none for the header's
};

QString cellOf(const Observation &observation)
{
    if (!observation.hasValue)
        return {};
    return observation.type == u"CD" ? observation.valueCode : observation.value;
}

// "9N016160100000001 (腹囲)": a column named for the desk.
QString columnLabel(const QString &heading, Item item)
{
    return heading + QStringLiteral(" (") + itemName(item) + u')';
}

bool hasValue(const Row &row, const ColumnPlan &plan, Item item)
{
    const auto &columns = plan.of(item);
    return std::any_of(columns.begin(), columns.end(),
                       [&](const ItemColumn &c) { return !row.cells[c.column].isEmpty(); });
}

// Why a value's type is not read where `expected` ("PQ", "CD") is, in the
// words of what the file has: no xsi:type, a prefix not declared, or
// another type.
QString typeProblem(const Observation &source, QStringView expected)
{
    if (source.type.isEmpty() && source.writtenType.isEmpty())
        return QStringLiteral("値の型 (xsi:type) がありません");
    if (!source.undeclaredPrefix.isEmpty())
        return QStringLiteral("値の型 \"%1\" の接頭辞 %2 が宣言されていません")
            .arg(source.writtenType, source.undeclaredPrefix);
    return QStringLiteral("値の型 \"%1\" は読みません (%2 だけです)")
        .arg(source.type.isEmpty() ? source.writtenType : source.type, expected);
}

// What is wrong with a measured value in itself: it must be a PQ in its unit.
QString measuredValueProblem(const Observation &source, const MeasuredItem &item)
{
    switch (measuredValueForm(source, item)) {
    case MeasuredValueForm::Read: break;
    case MeasuredValueForm::NotPq: return typeProblem(source, u"PQ");
    case MeasuredValueForm::OtherUnit:
        return QStringLiteral("単位 \"%1\" は読みません (%2 だけです)")
            .arg(source.unit, QLatin1String(item.national.unit));
    }
    return {};
}

// What is wrong with a choice's value in itself: it must be a CD of its codes.
QString choiceProblem(const Observation &source, const ItemCodes &expected)
{
    if (source.type != u"CD")
        return typeProblem(source, u"CD");
    if (!isCodeOf(expected, source.valueCode)
        || (!source.valueCodeSystem.isEmpty() && source.valueCodeSystem != expected.system))
        return QStringLiteral("コード \"%1\" (%2) は読めません").arg(source.valueCode, source.valueCodeSystem);
    return {};
}

// Why the header's sex code is not read; empty where it is, or where there
// is none.
QString sexProblem(const CheckupHeader &header)
{
    const ItemCodes &expected = *std::find_if(std::begin(kCodes), std::end(kCodes),
                                              [](const ItemCodes &codes) { return codes.item == Item::Sex; });
    if (header.sexCode.isEmpty()
        || (isCodeOf(expected, header.sexCode)
            && (header.sexCodeSystem.isEmpty() || header.sexCodeSystem == expected.system)))
        return {};
    return placedMessage(itemName(Item::Sex),
                         QStringLiteral("コード \"%1\" (%2) は読めません").arg(header.sexCode, header.sexCodeSystem));
}

// What is particular to a file, each value wrong in `problems`: a measured
// value is a PQ in its unit, a choice a CD of its codes.
void addFileProblems(const Row &row, const ColumnPlan &plan, const CheckupHeader &header, QStringList &problems)
{
    // Each value of the item, checked by `check`; its problem placed at
    // its column.
    const auto checkValues = [&](Item item, const auto &check) {
        for (const ItemColumn &column : plan.of(item)) {
            const Observation *source = row.sources[column.column];
            if (!source || !source->hasValue)
                continue;
            if (const QString problem = check(*source); !problem.isEmpty())
                problems << placedMessage(columnLabel(row.headings[column.column], item), problem);
        }
    };
    for (const MeasuredItem &measuredItem : kMeasuredItems) {
        if (measuredItem.national.unit) // else computed, never read
            checkValues(itemOf(measuredItem.entry),
                        [&](const Observation &source) { return measuredValueProblem(source, measuredItem); });
    }
    for (const ItemCodes &expected : kCodes) {
        if (expected.item == Item::Sex) {
            if (const QString problem = sexProblem(header); !problem.isEmpty())
                problems << problem;
            continue;
        }
        checkValues(expected.item, [&](const Observation &source) { return choiceProblem(source, expected); });
    }
}

// Each item the file must tell and does not, in `problems`: the sex and the
// dates of its header, and the choices, named with their item codes.
void addMissingItems(const Row &row, const ColumnPlan &plan, const CheckupHeader &header, QStringList &problems)
{
    const QString missing = QStringLiteral("ありません");
    for (const auto &[item, text] :
         {std::pair{Item::Sex, &header.sexCode}, std::pair{Item::BirthDate, &header.birthDate},
          std::pair{Item::ExamDate, &header.examDate}}) {
        if (text->isEmpty())
            problems << placedMessage(itemName(item), missing);
    }
    for (const ItemCodes &expected : kCodes) {
        if (expected.item != Item::Sex && !hasValue(row, plan, expected.item))
            problems << placedMessage(columnLabel(choiceItemCode(expected.item), expected.item), missing);
    }
}

// The limits of the item, for the examinee's sex, that a value with the
// bound may lie on either side of: at least `written` settles a limit it
// reaches, below `written` one it does not exceed. Compared as written, digit
// by digit.
QStringList unsettledLimits(Entry entry, const QString &written, bool atLeast, bool female)
{
    QStringList limits;
    for (const LimitKind kind : {LimitKind::GuidanceRisk, LimitKind::SyndromeCriterion}) {
        const QString text = limitText(entry, limitOf(entry, kind, female));
        if (!boundSettlesLimit(compareDecimals(written, text), atLeast) && !limits.contains(text))
            limits << text;
    }
    return limits;
}

// A value with a bound as the file gives it: "40 未満".
QString boundedText(const QString &written, bool atLeast) { return written + u' ' + limitSideWord(atLeast); }

// The number the handlers are given for a value with a bound, or why there
// is none.
struct BoundedNumber {
    QString number;
    QString problem;
};

// A number with the item's own places (those of its limits), on the same
// side of every limit as each value the bound allows.
BoundedNumber boundedNumber(const MeasuredItem &item, Reading reading, const QString &written, const BoundCode &bound,
                            bool female)
{
    const QString shown = boundedText(written, bound.atLeast);
    const auto refused = [&shown](const QString &why) {
        return BoundedNumber{{}, QStringLiteral("\"%1\" では判定できません (%2)").arg(shown, why)};
    };
    if (reading != Reading::Only || !item.limits.feedsRule)
        return refused(QStringLiteral("値そのものが要ります"));
    const QStringList open = unsettledLimits(item.entry, written, bound.atLeast, female);
    if (!open.isEmpty())
        return refused(QStringLiteral("基準 %1 のどちら側か決まりません").arg(open.join(QStringLiteral("、"))));
    const std::optional<QString> number = numberOnSideOf(written, bound.atLeast, item.limitDecimals);
    if (!number)
        return refused(QStringLiteral("0 以下は測った値ではありません"));
    return {*number, {}};
}

// Each value with a bound: judged where the bound settles every limit of
// its item, the handlers given a number on the same side of each; else why
// not, each such value in `problems`.
void readBounds(Row &row, const ColumnPlan &plan, bool female, CheckupExaminee &result, QStringList &problems)
{
    for (const MeasuredItem &measuredItem : kMeasuredItems) {
        const Item item = itemOf(measuredItem.entry);
        for (const ItemColumn &column : plan.of(item)) {
            const Observation *source = row.sources[column.column];
            if (!measuredItem.national.unit || !source || !source->hasValue || source->bound.isEmpty()
                || measuredValueForm(*source, measuredItem) != MeasuredValueForm::Read
                || !unsignedDecimal(source->value))
                continue;
            const QString where = columnLabel(row.headings[column.column], item);
            const auto bound = std::find_if(std::begin(kBoundCodes), std::end(kBoundCodes),
                                            [&](const BoundCode &b) { return b.code == source->bound; });
            if (bound == std::end(kBoundCodes)) {
                problems << placedMessage(
                    where, QStringLiteral("境界のコード \"%1\" は読めません (H、L だけです)").arg(source->bound));
                continue;
            }
            const BoundedNumber number = boundedNumber(measuredItem, column.reading, source->value, *bound, female);
            if (!number.problem.isEmpty()) {
                problems << placedMessage(where, number.problem);
                continue;
            }
            row.cells[column.column] = number.number;
            result.bounded[std::size_t(item)] = boundedText(source->value, bound->atLeast);
        }
    }
}

// The label of the column under a heading, for a problem the row's reading
// names by its heading.
QString columnLabel(const QString &heading, const Row &row, const ColumnPlan &plan)
{
    for (std::size_t i = 0; i < kItemCount; ++i) {
        for (const ItemColumn &column : plan.items[i]) {
            if (row.sources[column.column] && row.headings[column.column] == heading)
                return columnLabel(heading, Item(i));
        }
    }
    return heading;
}

// The plan of the file's headings. The files of one archive name the same
// items in the same order, so the plan of the last headings is kept.
const ColumnPlan &planOf(const QStringList &headings)
{
    thread_local QStringList lastHeadings;
    thread_local ColumnPlan lastPlan;
    if (headings != lastHeadings || lastHeadings.isEmpty()) {
        lastPlan = planColumns(headings);
        lastHeadings = headings;
    }
    return lastPlan;
}

void addOnce(QStringList &list, const QString &text)
{
    if (!list.contains(text))
        list << text;
}

// What the file says beside its items: the codes of its own judgement and
// the timing of the blood draw, the first value of each.
struct FileCodes {
    QString reportedClass;
    QString reportedLevel;
    QString timing;
    bool timingGiven = false;
};

bool isItemObservation(const Observation &observation) { return observation.codeSystem == kItemCodeSystem; }

FileCodes fileCodesOf(const CheckupDocument &document)
{
    FileCodes codes;
    const auto setOnce = [](QString &field, const QString &cell) {
        if (field.isEmpty())
            field = cell;
    };
    for (const Observation &observation : document.observations) {
        if (!isItemObservation(observation))
            continue;
        if (observation.code == kClassCode)
            setOnce(codes.reportedClass, cellOf(observation));
        else if (observation.code == kLevelCode)
            setOnce(codes.reportedLevel, cellOf(observation));
        else if (observation.code == kTimingCode) {
            codes.timingGiven = true;
            setOnce(codes.timing, cellOf(observation));
        }
    }
    return codes;
}

// The file as a row: the header's cells, one column per observation of an
// item (those of FileCodes aside), and each choice under the window's own
// heading as well, empty, so that a file without the item reads as a row
// that leaves it empty.
Row rowOf(const CheckupDocument &document)
{
    static const QStringList headerHeadings{itemName(Item::Sex), itemName(Item::BirthDate), itemName(Item::ExamDate)};
    static const QStringList choiceHeadings{itemName(Item::BloodPressureDrugs), itemName(Item::LipidDrugs),
                                            itemName(Item::GlucoseDrugs), itemName(Item::Smoking)};
    const qsizetype columns = headerHeadings.size() + document.observations.size() + choiceHeadings.size();
    Row row;
    row.headings.reserve(columns);
    row.cells.reserve(columns);
    row.sources.reserve(columns);
    const CheckupHeader &header = document.header;
    row.headings << headerHeadings;
    row.cells << header.sexCode << header.birthDate << header.examDate;
    row.sources << nullptr << nullptr << nullptr;
    for (const Observation &observation : document.observations) {
        const QString &code = observation.code;
        if (isItemObservation(observation) && isItemCode(code) && code != kClassCode && code != kLevelCode
            && code != kTimingCode) {
            row.headings << code;
            row.cells << cellOf(observation);
            row.sources << &observation;
        }
    }
    for (const QString &heading : choiceHeadings) {
        row.headings << heading;
        row.cells << QString();
        row.sources << nullptr;
    }
    return row;
}

// A column's value as it is read: its bound's word with it, nothing for a
// measured value of a type or unit not read.
QString shownCell(const Row &row, const ItemColumn &column, Item item, const CheckupExaminee &result)
{
    const Observation *source = row.sources[column.column];
    const std::optional<Entry> entry = entryOf(item);
    if (!source || !entry || !measured(*entry).national.unit)
        return row.cells[column.column];
    if (measuredValueForm(*source, measured(*entry)) != MeasuredValueForm::Read)
        return {};
    return source->bound.isEmpty() ? row.cells[column.column] : result.bounded[std::size_t(item)];
}

// What the file says of each item (the one value before a reading), and
// what it names but is not used.
void listItems(CheckupExaminee &result, const Row &row, const ColumnPlan &plan, const FileCodes &codes,
               const CheckupHeader &header)
{
    for (std::size_t i = 0; i < kItemCount; ++i) {
        // The value as the judgement takes it.
        std::array<QString, 3> byReading; // Only, First, Second: the first shown of each
        for (const ItemColumn &column : plan.items[i]) {
            QString &shown = byReading[std::size_t(column.reading)];
            if (shown.isEmpty())
                shown = shownCell(row, column, Item(i), result);
        }
        const auto &[only, first, second] = byReading;
        switch (takenValue(!only.isEmpty(), !first.isEmpty(), !second.isEmpty())) {
        case TakenValue::Only: result.read[i] = only; break;
        case TakenValue::Mean: result.read[i] = meanOfReadings(first, second).value_or(first); break;
        case TakenValue::First: result.read[i] = first; break;
        case TakenValue::Second:
        case TakenValue::None: result.read[i] = second; break;
        }
    }
    // The sex in the words of a judged row where its code is read.
    if (!header.sexCode.isEmpty() && sexProblem(header).isEmpty())
        result.read[std::size_t(Item::Sex)] = sexName(header.sexCode == kFemale);
    for (const UnusedColumn &unused : plan.unused) {
        addOnce(result.unused, row.headings[unused.column] + QStringLiteral(" (") + unused.why + u')');
        // An item whose meal matters is not read in its non-fasting sample.
        const std::optional<Entry> entry = unused.item ? entryOf(*unused.item) : std::nullopt;
        if (entry && measured(*entry).national.lab.mealMatters && result.nonFasting[std::size_t(*entry)].isEmpty())
            result.nonFasting[std::size_t(*entry)] = row.cells[unused.column];
    }
    if (codes.timingGiven)
        addOnce(result.unused, kTimingCode.toString() + QStringLiteral(" (採血時間は判定に使いません)"));
}

// The notes beside a judged file: a value only in a kind that is not used
// (judged without it), a value with a bound, and a fasting code with blood drawn soon after a
// meal (judged as coded).
void addNotes(CheckupExaminee &result, const Row &row, const ColumnPlan &plan, const FileCodes &codes)
{
    for (const UnusedColumn &unused : plan.unused) {
        if (unused.item && !row.cells[unused.column].isEmpty() && !hasValue(row, plan, *unused.item))
            addOnce(result.notes, itemName(*unused.item) + QStringLiteral("は ") + row.headings[unused.column]
                                      + QStringLiteral(" の値だけです (") + unused.why + u')');
    }
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (!result.bounded[i].isEmpty())
            result.notes << QStringLiteral("%1は \"%2\" として判定しました").arg(itemName(Item(i)), result.bounded[i]);
    }
    if (std::find(kDrawnSoonAfterMeal.begin(), kDrawnSoonAfterMeal.end(), codes.timing) == kDrawnSoonAfterMeal.end())
        return;
    for (const MeasuredItem &measuredItem : kMeasuredItems) {
        const Item item = itemOf(measuredItem.entry);
        if (measuredItem.national.lab.mealMatters && hasValue(row, plan, item))
            result.notes << QStringLiteral("採血時間 (9N141) は食後10時間未満ですが、%1に空腹時のコードの値があり"
                                           "ます (コードのとおり判定しました)")
                                .arg(itemName(item));
    }
}

} // namespace

CheckupExaminee examineeOfCheckup(const CheckupDocument &document)
{
    CheckupExaminee result;
    const FileCodes codes = fileCodesOf(document);
    result.reportedClass = codes.reportedClass;
    result.reportedLevel = codes.reportedLevel;
    Row row = rowOf(document);
    const ColumnPlan &plan = planOf(row.headings);
    QStringList problems;
    addFileProblems(row, plan, document.header, problems);
    readBounds(row, plan, document.header.sexCode == kFemale, result, problems);
    addMissingItems(row, plan, document.header, problems);
    listItems(result, row, plan, codes, document.header);
    if (!problems.isEmpty()) {
        result.problem = problems.join(kReasonSeparator);
        return result;
    }
    auto examinee = examineeOf(row.cells, row.headings, plan, RowUse::Judged);
    if (const auto *problem = std::get_if<RowProblem>(&examinee)) {
        result.problem = problem->column.isEmpty()
                             ? problem->reason
                             : placedMessage(columnLabel(problem->column, row, plan), problem->reason);
        return result;
    }
    result.examinee = std::move(std::get<Examinee>(examinee));
    addNotes(result, row, plan, codes);
    return result;
}
