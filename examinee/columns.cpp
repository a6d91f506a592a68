#include "examinee/columns.h"

#include "words/desk_names.h"
#include "words/record_row.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A heading as written, compared: compatibility forms folded (full-width
// letters, digits and brackets become ASCII, "㎝" becomes "cm"), no blanks,
// ASCII in lower case.
QString normalisedHeading(QStringView heading)
{
    QString key = heading.toString().normalized(QString::NormalizationForm_KC);
    key.removeIf([](QChar c) { return c.isSpace(); });
    return key.toLower();
}

// The units desks write after a heading, as normalisedHeading() leaves them:
// each measured item's unit, the BMI's also with a caret, and the age's.
QStringList makeHeadingUnits()
{
    QStringList units{QStringLiteral("kg/m^2"), QStringLiteral("歳"), QStringLiteral("才")};
    for (const MeasuredItem &item : kMeasuredItems) {
        const QString unit = normalisedHeading(QString::fromUtf8(item.unit));
        if (!units.contains(unit))
            units << unit;
    }
    return units;
}

bool isUnit(QStringView text)
{
    static const QStringList units = makeHeadingUnits();
    return units.contains(text);
}

// The heading without its units: "身長[cm]", "身長【cm】" and "HbA1c(NGSP)(%)"
// are "身長" and "hba1c(ngsp)". A bracket holding anything else, "中性脂肪(食後)",
// stays: it says what the column holds.
QString withoutUnits(QString key)
{
    static constexpr std::array<std::pair<char16_t, char16_t>, 3> kBrackets = {
        {{u'(', u')'}, {u'[', u']'}, {u'【', u'】'}}};
    for (qsizetype i = 0; i < key.size(); ++i) {
        for (const auto &[open, close] : kBrackets) {
            if (key[i] != open)
                continue;
            const qsizetype end = key.indexOf(close, i + 1);
            if (end > i && isUnit(QStringView(key).sliced(i + 1, end - i - 1))) {
                key.remove(i, end - i + 1);
                --i;
            }
            break;
        }
    }
    return key;
}

// A heading as compared: normalised, its units dropped.
QString headingKey(QStringView heading) { return withoutUnits(normalisedHeading(heading)); }

struct Role {
    Item item;
    Reading reading = Reading::Only;
};

QString drugHeading(Criterion criterion) { return criterionName(criterion) + u' ' + wordText(Word::DrugTreatment); }

// The names desks give a column beside the window's own heading (itemName()):
// the national questionnaire's and the spreadsheets' usual ones; a measured
// item's stand in its catalogue row. A unit in brackets is dropped before
// they are compared, so none is written here. Not 喫煙歴 (a past smoker
// answers あり; the rules count current smoking).
// clang-format off
struct DeskName { Item item; const char16_t *name; };
constexpr DeskName kDeskNames[] = {
    {Item::AgeBand, u"年齢階層"},
    {Item::Sex, u"男女"},
    {Item::BloodPressureDrugs, u"服薬1(血圧)"}, {Item::BloodPressureDrugs, u"服薬(血圧)"},
    {Item::BloodPressureDrugs, u"服薬(降圧薬)"}, {Item::BloodPressureDrugs, u"降圧薬"},
    {Item::BloodPressureDrugs, u"血圧服薬"}, {Item::BloodPressureDrugs, u"血圧の服薬"},
    {Item::BloodPressureDrugs, u"血圧を下げる薬"},
    {Item::GlucoseDrugs, u"服薬2(血糖)"}, {Item::GlucoseDrugs, u"服薬(血糖)"},
    {Item::GlucoseDrugs, u"服薬(血糖降下薬)"}, {Item::GlucoseDrugs, u"血糖降下薬"},
    {Item::GlucoseDrugs, u"血糖服薬"}, {Item::GlucoseDrugs, u"血糖の服薬"},
    {Item::GlucoseDrugs, u"インスリン注射又は血糖を下げる薬"},
    {Item::LipidDrugs, u"服薬3(脂質)"}, {Item::LipidDrugs, u"服薬(脂質)"},
    {Item::LipidDrugs, u"服薬(脂質異常症)"}, {Item::LipidDrugs, u"脂質異常症治療薬"},
    {Item::LipidDrugs, u"脂質服薬"}, {Item::LipidDrugs, u"脂質の服薬"},
    {Item::LipidDrugs, u"コレステロールや中性脂肪を下げる薬"},
    {Item::Smoking, u"現在の喫煙"}, {Item::Smoking, u"喫煙(現在)"}, {Item::Smoking, u"現在喫煙"},
    {Item::Smoking, u"喫煙習慣"},
    {Item::FiscalYearEndAge, u"年度末の年齢"}, {Item::FiscalYearEndAge, u"年齢(年度末)"},
    {Item::BirthDate, u"誕生日"},
    {Item::ExamDate, u"健診日"}, {Item::ExamDate, u"検診日"}, {Item::ExamDate, u"受診年月日"},
    {Item::ExamDate, u"健診年月日"}, {Item::ExamDate, u"健診実施日"}, {Item::ExamDate, u"実施日"},
};
// clang-format on

// Every heading of an item, as compared; no heading names two items.
QHash<QString, Role> makeHeadingNames()
{
    QHash<QString, Role> names;
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (const auto entry = entryOf(Item(i)); entry && measured(*entry).need == Need::Computed)
            continue; // never read: its headings are refused by name
        for (const QString &heading : headingsOf(Item(i))) {
            Q_ASSERT(!names.contains(headingKey(heading)));
            names.insert(headingKey(heading), {Item(i)});
        }
    }
    return names;
}

const QHash<QString, Role> &headingNames()
{
    static const QHash<QString, Role> names = makeHeadingNames();
    return names;
}

// The item codes of the national data standard of what a row says beside
// the measured items (whose codes stand in their catalogue rows).
// clang-format off
struct CodeRole { const char *code; Item item; };
constexpr CodeRole kChoiceCodes[] = {
    {"9N701000000000011", Item::BloodPressureDrugs},
    {"9N706000000000011", Item::GlucoseDrugs},
    {"9N711000000000011", Item::LipidDrugs},
    {"9N736000000000011", Item::Smoking},
};
// clang-format on

QString computedWhy() { return QStringLiteral("BMI は身長と体重から計算します"); }
QString nonFastingWhy() { return QStringLiteral("随時 (空腹時でない) の値は使いません"); }

// What a column holds, or why it is not read (an empty why and no item: a
// column the judgement does not know, copied as it is).
struct Found {
    std::optional<Role> role;
    QString why;
    std::optional<Item> kindOf = std::nullopt;
};

// A laboratory code of the item: the item when its sample is read, the why
// when it is not.
std::optional<Found> fromLabCode(const MeasuredItem &measuredItem, const QString &code)
{
    const Item item = itemOf(measuredItem.entry);
    const LabCode &lab = measuredItem.national.lab;
    if (lab.prefix && code.startsWith(QLatin1String(lab.prefix))) {
        if (lab.sample == Sample::Any)
            return Found{Role{item}, {}};
        const QStringView sample = QStringView(code).mid(5, 4);
        if (sample == u"0000")
            return Found{Role{item}, {}};
        if (sample == u"1299")
            return Found{{}, nonFastingWhy(), item};
    }
    const OtherMethod &other = measuredItem.national.otherMethod;
    if (other.codePrefix && code.startsWith(QLatin1String(other.codePrefix)))
        return Found{{}, QString::fromUtf8(other.why), item};
    return std::nullopt;
}

Found fromCode(const QString &key)
{
    const QString code = key.toUpper();
    for (const MeasuredItem &measuredItem : kMeasuredItems) {
        for (const ExactCode &known : measuredItem.national.exact) {
            if (!known.code || code != QLatin1String(known.code))
                continue;
            if (measuredItem.need == Need::Computed)
                return {{}, computedWhy()};
            return {Role{itemOf(measuredItem.entry), known.reading}, {}};
        }
    }
    for (const CodeRole &known : kChoiceCodes) {
        if (code == QLatin1String(known.code))
            return {Role{known.item}, {}};
    }
    for (const MeasuredItem &measuredItem : kMeasuredItems) {
        if (auto found = fromLabCode(measuredItem, code))
            return *found;
    }
    return {};
}

// A heading that names an item measured by a method the rules are not
// written for ("HbA1c(JDS)"): why it is not read.
std::optional<Found> byOtherMethod(const QString &whole)
{
    for (const MeasuredItem &item : kMeasuredItems) {
        if (const char *mark = item.national.otherMethod.headingMark; mark && whole.contains(QLatin1String(mark)))
            return Found{{}, QString::fromUtf8(item.national.otherMethod.why)};
    }
    return std::nullopt;
}

// A heading that names a computed item ("BMI", "BMI(計算)").
bool namesComputedItem(const QString &key)
{
    for (const MeasuredItem &item : kMeasuredItems) {
        const QString name = headingKey(QString::fromUtf8(item.word));
        if (item.need == Need::Computed && (key == name || key.startsWith(name + u'(')))
            return true;
    }
    return false;
}

// A value not taken fasting, named anywhere in the heading: "随時血糖",
// "中性脂肪(食後)", "中性脂肪(非空腹時)".
bool isNonFasting(const QString &heading)
{
    return heading.contains(u"随時") || heading.contains(u"食後") || heading.contains(u"非空腹");
}

Found fromHeading(QStringView heading)
{
    // What the whole heading says first: an item code, or a value the rules
    // must not read, whatever else the heading names.
    const QString whole = normalisedHeading(heading);
    if (isItemCode(whole.toUpper()))
        return fromCode(whole);
    if (const auto other = byOtherMethod(whole))
        return *other;
    if (isNonFasting(whole))
        return {{}, nonFastingWhy()};
    const QString key = withoutUnits(whole);
    for (const QString &added : addedHeadings()) {
        if (key == headingKey(added))
            return {{}, QStringLiteral("結果の列: 読まずにそのまま残します")};
    }
    const auto &names = headingNames();
    if (const auto it = names.find(key); it != names.end())
        return {*it, {}};
    if (namesComputedItem(key))
        return {{}, computedWhy()};
    if (key == u"年齢" || key.startsWith(u"年齢("))
        return {
            {},
            QStringLiteral("受診日の年齢は年度末年齢と1歳違うことがあります: 年度末年齢か生年月日と受診日を使います")};
    return {};
}

} // namespace

bool isItemCode(QStringView text)
{
    return text.size() == 17 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
           });
}

ColumnPlan planColumns(const QStringList &headings)
{
    ColumnPlan plan;
    for (qsizetype column = 0; column < headings.size(); ++column) {
        const Found found = fromHeading(headings[column]);
        if (found.role)
            plan.items[std::size_t(found.role->item)] << ItemColumn{column, found.role->reading};
        else if (!found.why.isEmpty())
            plan.unused << UnusedColumn{column, found.why, found.kindOf};
    }
    return plan;
}

QString choiceItemCode(Item item)
{
    for (const CodeRole &known : kChoiceCodes) {
        if (known.item == item)
            return QLatin1String(known.code);
    }
    return {};
}

QString itemName(Item item)
{
    if (const auto entry = entryOf(item))
        return entryName(*entry);
    switch (item) {
    case Item::Sex: return wordText(Word::Sex);
    case Item::BloodPressureDrugs: return drugHeading(Criterion::BloodPressure);
    case Item::LipidDrugs: return drugHeading(Criterion::Lipids);
    case Item::GlucoseDrugs: return drugHeading(Criterion::Glucose);
    case Item::Smoking: return wordText(Word::Smoking);
    case Item::AgeBand: return QStringLiteral("年齢区分");
    case Item::FiscalYearEndAge: return QStringLiteral("年度末年齢");
    case Item::BirthDate: return QStringLiteral("生年月日");
    case Item::ExamDate: return QStringLiteral("受診日");
    default: break; // the measured items, named above
    }
    return {};
}

QStringList headingsOf(Item item)
{
    const auto entry = entryOf(item);
    if (entry && measured(*entry).need == Need::Computed)
        return {};
    QStringList headings{itemName(item)};
    if (entry) {
        for (const char *name : measured(*entry).deskNames) {
            if (name)
                headings << QString::fromUtf8(name);
        }
    }
    for (const DeskName &desk : kDeskNames) {
        if (desk.item == item)
            headings << QString::fromUtf16(desk.name);
    }
    return headings;
}

QStringList examineeIdHeadings()
{
    return {QStringLiteral("受診者ID"), QStringLiteral("受診者番号"), QStringLiteral("受診券番号"),
            QStringLiteral("番号"),     QStringLiteral("ID"),         QStringLiteral("氏名"),
            QStringLiteral("カナ氏名")};
}

QStringList missingItems(const ColumnPlan &plan)
{
    QStringList missing;
    if (plan.of(Item::Sex).isEmpty())
        missing << itemName(Item::Sex);
    QStringList glucose;
    bool glucoseGiven = false;
    for (const MeasuredItem &measuredItem : kMeasuredItems) {
        const Item item = itemOf(measuredItem.entry);
        if (measuredItem.need == Need::Required && plan.of(item).isEmpty())
            missing << itemName(item);
        if (measuredItem.need == Need::OneOfGlucose) {
            glucose << itemName(item);
            glucoseGiven = glucoseGiven || !plan.of(item).isEmpty();
        }
    }
    for (const Item item : {Item::BloodPressureDrugs, Item::LipidDrugs, Item::GlucoseDrugs, Item::Smoking}) {
        if (plan.of(item).isEmpty())
            missing << itemName(item);
    }
    if (!glucoseGiven)
        missing << glucose.join(QStringLiteral("か"));
    const bool dates = !plan.of(Item::BirthDate).isEmpty() && !plan.of(Item::ExamDate).isEmpty();
    if (plan.of(Item::AgeBand).isEmpty() && plan.of(Item::FiscalYearEndAge).isEmpty() && !dates)
        missing << QStringLiteral("年齢区分 (年齢区分、年度末年齢、または生年月日と受診日)");
    return missing;
}

qsizetype examineeIdColumn(const QStringList &headings)
{
    for (const QString &name : examineeIdHeadings()) {
        const QString wanted = headingKey(name);
        for (qsizetype i = 0; i < headings.size(); ++i) {
            if (headingKey(headings[i]) == wanted)
                return i;
        }
    }
    return -1;
}

QStringList unrecognisedHeadings(const QStringList &headings)
{
    QStringList keptKeys;
    for (const QString &id : examineeIdHeadings())
        keptKeys << headingKey(id);
    QStringList unrecognised;
    for (const QString &heading : headings) {
        const Found found = fromHeading(heading);
        if (!found.role && found.why.isEmpty() && !heading.trimmed().isEmpty()
            && !keptKeys.contains(headingKey(heading)))
            unrecognised << heading;
    }
    return unrecognised;
}

bool canBeHeadingLine(const QStringList &cells)
{
    const ColumnPlan plan = planColumns(cells);
    if (plan.of(Item::Sex).isEmpty())
        return false;
    return std::any_of(kMeasuredItems.begin(), kMeasuredItems.end(),
                       [&plan](const MeasuredItem &item) { return !plan.of(itemOf(item.entry)).isEmpty(); });
}
