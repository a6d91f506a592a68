#include "examinee/columns.h"

#include "words/desk_names.h"
#include "words/record_row.h"

#include <QHash>

namespace {

// A heading as compared: compatibility forms folded (full-width letters,
// digits and parentheses become ASCII), no blanks, ASCII in lower case.
QString headingKey(QStringView heading)
{
    QString key = heading.toString().normalized(QString::NormalizationForm_KC);
    key.removeIf([](QChar c) { return c.isSpace(); });
    return key.toLower();
}

struct Role {
    Item item;
    Reading reading = Reading::Only;
};

void add(QHash<QString, Role> &names, Item item, std::initializer_list<QString> headings)
{
    for (const QString &heading : headings)
        names.insert(headingKey(heading), {item});
}

QString drugHeading(Criterion criterion) { return criterionName(criterion) + u' ' + wordText(Word::DrugTreatment); }

// The window's own headings, then the names desks use.
QHash<QString, Role> makeHeadingNames()
{
    QHash<QString, Role> names;
    add(names, Item::AgeBand, {QStringLiteral("年齢区分")});
    add(names, Item::Sex, {wordText(Word::Sex)});
    add(names, Item::Height, {entryName(Entry::Height)});
    add(names, Item::Weight, {entryName(Entry::Weight)});
    add(names, Item::Waist,
        {entryName(Entry::Waist), QStringLiteral("腹囲(実測)"), QStringLiteral("腹囲(自己測定)"),
         QStringLiteral("腹囲(自己申告)"), QStringLiteral("ウエスト"), QStringLiteral("ウエスト周囲径")});
    add(names, Item::Systolic,
        {entryName(Entry::Systolic), QStringLiteral("収縮期血圧"), QStringLiteral("血圧(収縮期)")});
    add(names, Item::Diastolic,
        {entryName(Entry::Diastolic), QStringLiteral("拡張期血圧"), QStringLiteral("血圧(拡張期)")});
    add(names, Item::Triglycerides,
        {entryName(Entry::Triglycerides), QStringLiteral("中性脂肪(空腹時)"), QStringLiteral("空腹時中性脂肪"),
         QStringLiteral("トリグリセライド"), QStringLiteral("TG")});
    add(names, Item::Hdl,
        {entryName(Entry::Hdl), QStringLiteral("HDLコレステロール"), QStringLiteral("HDL-C"), QStringLiteral("HDL")});
    add(names, Item::FastingGlucose,
        {entryName(Entry::FastingGlucose), QStringLiteral("空腹時血糖値"), QStringLiteral("血糖(空腹時)")});
    add(names, Item::Hba1c, {entryName(Entry::Hba1c), QStringLiteral("HbA1c(NGSP)"), QStringLiteral("HbA1c(NGSP値)")});
    add(names, Item::BloodPressureDrugs,
        {drugHeading(Criterion::BloodPressure), QStringLiteral("服薬1(血圧)"), QStringLiteral("服薬(血圧)"),
         QStringLiteral("血圧服薬"), QStringLiteral("血圧の服薬")});
    add(names, Item::GlucoseDrugs,
        {drugHeading(Criterion::Glucose), QStringLiteral("服薬2(血糖)"), QStringLiteral("服薬(血糖)"),
         QStringLiteral("血糖服薬"), QStringLiteral("血糖の服薬")});
    add(names, Item::LipidDrugs,
        {drugHeading(Criterion::Lipids), QStringLiteral("服薬3(脂質)"), QStringLiteral("服薬(脂質)"),
         QStringLiteral("脂質服薬"), QStringLiteral("脂質の服薬")});
    add(names, Item::Smoking, {wordText(Word::Smoking)});
    add(names, Item::FiscalYearEndAge, {QStringLiteral("年度末年齢")});
    add(names, Item::BirthDate, {QStringLiteral("生年月日")});
    add(names, Item::ExamDate,
        {QStringLiteral("受診日"), QStringLiteral("健診日"), QStringLiteral("受診年月日"), QStringLiteral("健診年月日"),
         QStringLiteral("健診実施日")});
    return names;
}

const QHash<QString, Role> &headingNames()
{
    static const QHash<QString, Role> names = makeHeadingNames();
    return names;
}

// The national data standard's item codes: 17 characters, the first five
// naming the item; the laboratory items continue with 0000 for a fasting
// sample and 1299 for a non-fasting one, then the method.
// clang-format off
struct CodeRole { const char *code; Item item; Reading reading; };
constexpr CodeRole kExactCodes[] = {
    {"9N001000000000001", Item::Height,             Reading::Only},
    {"9N006000000000001", Item::Weight,             Reading::Only},
    {"9N016160100000001", Item::Waist,              Reading::Only}, // measured
    {"9N016160200000001", Item::Waist,              Reading::Only}, // self-measured
    {"9N016160300000001", Item::Waist,              Reading::Only}, // self-reported
    {"9A755000000000001", Item::Systolic,           Reading::Only}, // その他
    {"9A751000000000001", Item::Systolic,           Reading::First},
    {"9A752000000000001", Item::Systolic,           Reading::Second},
    {"9A765000000000001", Item::Diastolic,          Reading::Only},
    {"9A761000000000001", Item::Diastolic,          Reading::First},
    {"9A762000000000001", Item::Diastolic,          Reading::Second},
    {"9N701000000000011", Item::BloodPressureDrugs, Reading::Only},
    {"9N706000000000011", Item::GlucoseDrugs,       Reading::Only},
    {"9N711000000000011", Item::LipidDrugs,         Reading::Only},
    {"9N736000000000011", Item::Smoking,            Reading::Only},
};
struct LabCode { const char *prefix; Item item; };
constexpr LabCode kLabCodes[] = {
    {"3F015", Item::Triglycerides},
    {"3F070", Item::Hdl},
    {"3D010", Item::FastingGlucose},
};
// clang-format on

// The BMI has a code too, but is always computed.
constexpr const char *kBmiCode = "9N011000000000001";

constexpr qsizetype kCodeLength = 17;

bool looksLikeItemCode(const QString &key)
{
    if (key.size() != kCodeLength)
        return false;
    for (const QChar c : key) {
        if (!c.isDigit() && !(c >= u'a' && c <= u'z'))
            return false;
    }
    return true;
}

QString bmiWhy() { return QStringLiteral("BMI は身長と体重から計算します"); }
QString nonFastingWhy() { return QStringLiteral("随時 (空腹時でない) の値は使いません"); }
QString jdsWhy() { return QStringLiteral("HbA1c (JDS) は使いません: HbA1c (NGSP) の列が要ります"); }

// What a column holds, or why it is not read (an empty why and no item: a
// column the judgement does not know, copied as it is).
struct Found {
    std::optional<Role> role;
    QString why;
    std::optional<Item> kindOf = std::nullopt;
};

Found fromCode(const QString &key)
{
    const QString code = key.toUpper();
    for (const CodeRole &known : kExactCodes) {
        if (code == QLatin1String(known.code))
            return {Role{known.item, known.reading}, {}};
    }
    if (code.startsWith(u"3D046"))
        return {Role{Item::Hba1c}, {}};
    if (code.startsWith(u"3D045"))
        return {{}, jdsWhy(), Item::Hba1c};
    if (code == QLatin1String(kBmiCode))
        return {{}, bmiWhy()};
    for (const LabCode &lab : kLabCodes) {
        if (!code.startsWith(QLatin1String(lab.prefix)))
            continue;
        const QStringView sample = QStringView(code).mid(5, 4);
        if (sample == u"0000")
            return {Role{lab.item}, {}};
        if (sample == u"1299")
            return {{}, nonFastingWhy(), lab.item};
    }
    return {};
}

Found fromHeading(QStringView heading)
{
    const QString key = headingKey(heading);
    if (looksLikeItemCode(key))
        return fromCode(key);
    if (key.contains(u"jds"))
        return {{}, jdsWhy()};
    if (key.contains(u"随時"))
        return {{}, nonFastingWhy()};
    for (const QString &added : addedHeadings()) {
        if (key == headingKey(added))
            return {{}, QStringLiteral("結果の列: 読まずにそのまま残します")};
    }
    if (key == u"bmi" || key.startsWith(u"bmi("))
        return {{}, bmiWhy()};
    if (key == u"年齢" || key.startsWith(u"年齢("))
        return {
            {},
            QStringLiteral("受診日の年齢は年度末年齢と1歳違うことがあります: 年度末年齢か生年月日と受診日を使います")};
    const auto &names = headingNames();
    if (const auto it = names.find(key); it != names.end())
        return {*it, {}};
    // A unit in parentheses at the end: "身長(cm)", "中性脂肪（mg/dL）".
    if (key.endsWith(u')')) {
        const qsizetype open = key.lastIndexOf(u'(');
        if (open > 0) {
            if (const auto it = names.find(key.left(open)); it != names.end())
                return {*it, {}};
        }
    }
    return {};
}

} // namespace

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

QString itemName(Item item)
{
    switch (item) {
    case Item::Sex: return wordText(Word::Sex);
    case Item::Height: return entryName(Entry::Height);
    case Item::Weight: return entryName(Entry::Weight);
    case Item::Waist: return entryName(Entry::Waist);
    case Item::Systolic: return entryName(Entry::Systolic);
    case Item::Diastolic: return entryName(Entry::Diastolic);
    case Item::Triglycerides: return entryName(Entry::Triglycerides);
    case Item::Hdl: return entryName(Entry::Hdl);
    case Item::FastingGlucose: return entryName(Entry::FastingGlucose);
    case Item::Hba1c: return entryName(Entry::Hba1c);
    case Item::BloodPressureDrugs: return drugHeading(Criterion::BloodPressure);
    case Item::LipidDrugs: return drugHeading(Criterion::Lipids);
    case Item::GlucoseDrugs: return drugHeading(Criterion::Glucose);
    case Item::Smoking: return wordText(Word::Smoking);
    case Item::AgeBand: return QStringLiteral("年齢区分");
    case Item::FiscalYearEndAge: return QStringLiteral("年度末年齢");
    case Item::BirthDate: return QStringLiteral("生年月日");
    case Item::ExamDate: return QStringLiteral("受診日");
    }
    return {};
}

QString missingItem(const ColumnPlan &plan)
{
    for (const Item item :
         {Item::Sex, Item::Height, Item::Weight, Item::Waist, Item::Systolic, Item::Diastolic, Item::Triglycerides,
          Item::Hdl, Item::BloodPressureDrugs, Item::LipidDrugs, Item::GlucoseDrugs, Item::Smoking}) {
        if (plan.of(item).isEmpty())
            return itemName(item);
    }
    if (plan.of(Item::FastingGlucose).isEmpty() && plan.of(Item::Hba1c).isEmpty())
        return itemName(Item::FastingGlucose) + QStringLiteral("か") + itemName(Item::Hba1c);
    const bool dates = !plan.of(Item::BirthDate).isEmpty() && !plan.of(Item::ExamDate).isEmpty();
    if (plan.of(Item::AgeBand).isEmpty() && plan.of(Item::FiscalYearEndAge).isEmpty() && !dates)
        return QStringLiteral("年齢区分 (年齢区分、年度末年齢、または生年月日と受診日)");
    return {};
}
