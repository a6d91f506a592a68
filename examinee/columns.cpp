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

// The units desks write after a heading, as normalisedHeading() leaves them.
bool isUnit(QStringView text)
{
    static constexpr std::array<QStringView, 9> kUnits = {
        u"cm", u"kg", u"mmhg", u"mg/dl", u"%", u"kg/m2", u"kg/m^2", u"歳", u"才",
    };
    return std::find(kUnits.begin(), kUnits.end(), text) != kUnits.end();
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
// the national questionnaire's, the laboratory's and the spreadsheets' usual
// ones. A unit in brackets is dropped before they are compared, so none is
// written here. Not a bare 血糖 (it may be a non-fasting value) nor 喫煙歴 (a
// past smoker answers あり; the rules count current smoking).
// clang-format off
struct DeskName { Item item; const char16_t *name; };
constexpr DeskName kDeskNames[] = {
    {Item::AgeBand, u"年齢階層"},
    {Item::Sex, u"男女"},
    {Item::Waist, u"腹囲(実測)"}, {Item::Waist, u"腹囲(自己測定)"}, {Item::Waist, u"腹囲(自己申告)"},
    {Item::Waist, u"ウエスト"}, {Item::Waist, u"ウエスト周囲径"},
    {Item::Systolic, u"収縮期血圧"}, {Item::Systolic, u"収縮期"}, {Item::Systolic, u"血圧(収縮期)"},
    {Item::Systolic, u"血圧(最高)"}, {Item::Systolic, u"血圧 上"}, {Item::Systolic, u"血圧(上)"},
    {Item::Diastolic, u"拡張期血圧"}, {Item::Diastolic, u"拡張期"}, {Item::Diastolic, u"血圧(拡張期)"},
    {Item::Diastolic, u"血圧(最低)"}, {Item::Diastolic, u"血圧 下"}, {Item::Diastolic, u"血圧(下)"},
    {Item::Triglycerides, u"中性脂肪(空腹時)"}, {Item::Triglycerides, u"空腹時中性脂肪"},
    {Item::Triglycerides, u"中性脂肪(TG)"}, {Item::Triglycerides, u"トリグリセライド"},
    {Item::Triglycerides, u"トリグリセリド"}, {Item::Triglycerides, u"TG"},
    {Item::Hdl, u"HDLコレステロール"}, {Item::Hdl, u"HDL-コレステロール"}, {Item::Hdl, u"HDL-C"},
    {Item::Hdl, u"HDL"},
    {Item::FastingGlucose, u"空腹時血糖値"}, {Item::FastingGlucose, u"血糖(空腹時)"},
    {Item::FastingGlucose, u"空腹時血糖(FPG)"}, {Item::FastingGlucose, u"FPG"},
    {Item::Hba1c, u"HbA1c(NGSP)"}, {Item::Hba1c, u"HbA1c(NGSP値)"}, {Item::Hba1c, u"ヘモグロビンA1c"},
    {Item::Hba1c, u"ヘモグロビンA1c(NGSP)"},
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
    if (whole.contains(u"jds"))
        return {{}, jdsWhy()};
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
    if (key == u"bmi" || key.startsWith(u"bmi("))
        return {{}, bmiWhy()};
    if (key == u"年齢" || key.startsWith(u"年齢("))
        return {
            {},
            QStringLiteral("受診日の年齢は年度末年齢と1歳違うことがあります: 年度末年齢か生年月日と受診日を使います")};
    return {};
}

constexpr Item kMeasuredItems[] = {Item::Height,   Item::Weight,         Item::Waist,
                                   Item::Systolic, Item::Diastolic,      Item::Triglycerides,
                                   Item::Hdl,      Item::FastingGlucose, Item::Hba1c};

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

QStringList headingsOf(Item item)
{
    QStringList headings{itemName(item)};
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
    for (const Item item :
         {Item::Sex, Item::Height, Item::Weight, Item::Waist, Item::Systolic, Item::Diastolic, Item::Triglycerides,
          Item::Hdl, Item::BloodPressureDrugs, Item::LipidDrugs, Item::GlucoseDrugs, Item::Smoking}) {
        if (plan.of(item).isEmpty())
            missing << itemName(item);
    }
    if (plan.of(Item::FastingGlucose).isEmpty() && plan.of(Item::Hba1c).isEmpty())
        missing << itemName(Item::FastingGlucose) + QStringLiteral("か") + itemName(Item::Hba1c);
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
    return std::any_of(std::begin(kMeasuredItems), std::end(kMeasuredItems),
                       [&plan](Item item) { return !plan.of(item).isEmpty(); });
}
