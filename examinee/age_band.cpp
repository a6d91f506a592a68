#include "examinee/age_band.h"

#include "words/desk_names.h"

#include <QRegularExpression>

#include <array>

namespace {

constexpr int kFirstAge = 40, kLastYoungerAge = 64, kLastAge = 74;

// The first day of each era; its year 1 (元年) is the year of that day.
struct Era {
    const char *name;
    char16_t letter;
    QDate first;
};
// clang-format off
const std::array<Era, 5> kEras = {{
    {"明治", u'm', QDate(1868, 1, 25)},
    {"大正", u't', QDate(1912, 7, 30)},
    {"昭和", u's', QDate(1926, 12, 25)},
    {"平成", u'h', QDate(1989, 1, 8)},
    {"令和", u'r', QDate(2019, 5, 1)},
}};
// clang-format on

std::optional<QDate> eraDate(const QString &era, int yearOfEra, int month, int day)
{
    for (std::size_t i = 0; i < kEras.size(); ++i) {
        const Era &e = kEras[i];
        if (era != QString::fromUtf8(e.name) && era != QChar(e.letter))
            continue;
        const QDate date(e.first.year() + yearOfEra - 1, month, day);
        const bool inEra = date.isValid() && date >= e.first && (i + 1 == kEras.size() || date < kEras[i + 1].first);
        return inEra ? std::optional(date) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

QString normalised(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_KC).trimmed().toLower();
}

AgeProblem problem(Item item, const QString &cell, const QString &reason) { return {item, cell, reason}; }

// The date part of a date as a spreadsheet may write it, with a time of
// midnight after it: "1960/05/01 0:00", "1960-05-01 00:00:00",
// "1960-05-01T00:00:00". Any other time is not a date of birth or of an
// examination, and stays to be refused.
QString withoutMidnight(const QString &text)
{
    static const QRegularExpression midnight(QStringLiteral(R"(^(.+?)(?:\s+|t)0?0:00(?::00(?:\.0+)?)?$)"));
    const auto m = midnight.match(text);
    return m.hasMatch() ? m.captured(1) : text;
}

} // namespace

std::optional<int> yearsOf(QStringView text)
{
    static const QRegularExpression years(QStringLiteral(R"(^(\d{1,3})(?:\.0+)?\s*[歳才]?$)"));
    const auto m = years.match(normalised(text));
    return m.hasMatch() ? std::optional(m.captured(1).toInt()) : std::nullopt;
}

std::optional<QDate> dateOf(QStringView text)
{
    const QString t = withoutMidnight(normalised(text));
    static const QRegularExpression western(QStringLiteral(R"(^(\d{4})[/.\-年](\d{1,2})[/.\-月](\d{1,2})日?$)"));
    static const QRegularExpression compact(QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})$)"));
    static const QRegularExpression era(
        QStringLiteral(R"(^(明治|大正|昭和|平成|令和|[mtshr])\s*(元|\d{1,2})[/.\-年](\d{1,2})[/.\-月](\d{1,2})日?$)"));
    if (const auto m = western.match(t); m.hasMatch())
        return validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const auto m = compact.match(t); m.hasMatch())
        return validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const auto m = era.match(t); m.hasMatch()) {
        const int year = m.captured(2) == u"元" ? 1 : m.captured(2).toInt();
        if (year < 1)
            return std::nullopt;
        return eraDate(m.captured(1), year, m.captured(3).toInt(), m.captured(4).toInt());
    }
    return std::nullopt;
}

int ageOn(QDate birth, QDate day)
{
    const bool birthdayToCome =
        day.month() < birth.month() || (day.month() == birth.month() && day.day() < birth.day());
    return day.year() - birth.year() - (birthdayToCome ? 1 : 0);
}

int fiscalYearEndAge(QDate birth, QDate examination)
{
    // The fiscal year ends on 31 March; the age reached by the end of that
    // day is the age on the next day, 1 April.
    const int endYear = examination.month() >= 4 ? examination.year() + 1 : examination.year();
    return ageOn(birth, QDate(endYear, 4, 1));
}

std::optional<AgeBand> bandForAges(int fiscalYearEndAge, std::optional<int> ageOnExamination)
{
    if (fiscalYearEndAge >= kFirstAge && fiscalYearEndAge <= kLastYoungerAge)
        return AgeBand::From40To64;
    if (fiscalYearEndAge > kLastYoungerAge && fiscalYearEndAge <= kLastAge)
        return AgeBand::From65To74;
    if (fiscalYearEndAge == kLastAge + 1 && ageOnExamination && *ageOnExamination <= kLastAge)
        return AgeBand::From65To74;
    return std::nullopt;
}

std::optional<AgeBand> bandNamed(QStringView text)
{
    // The band as the window's record writes it, the usual cell, is taken
    // as it stands.
    for (const AgeBand band : {AgeBand::From40To64, AgeBand::From65To74}) {
        if (text == ageBandName(band))
            return band;
    }
    QString t = normalised(text);
    t.replace(u'〜', u'~').replace(u'-', u'~').replace(u'−', u'~');
    t.remove(u' ');
    if (t == u"1" || t == u"40歳~64歳" || t == u"40~64歳" || t == u"40~64")
        return AgeBand::From40To64;
    if (t == u"2" || t == u"65歳~74歳" || t == u"65~74歳" || t == u"65~74")
        return AgeBand::From65To74;
    return std::nullopt;
}

namespace {

// What a row says of the age: the age at the end of the fiscal year, and the
// age on the day of the examination where the dates tell it; with the item
// and the cell they come from, for a problem to point at.
struct RowAges {
    std::optional<int> yearEnd;
    std::optional<int> onExamination;
    Item source = Item::FiscalYearEndAge;
    QString cell;
};

// The ages from the fiscal-year-end age and from the dates of birth and of
// the examination, whichever the row fills; where it fills both, they must
// agree.
std::variant<RowAges, AgeProblem> agesOfRow(const AgeCells &cells)
{
    constexpr Item ageItem = Item::FiscalYearEndAge, birthItem = Item::BirthDate, examItem = Item::ExamDate;
    RowAges ages{std::nullopt, std::nullopt, ageItem, cells.fiscalYearEndAge};
    if (!cells.fiscalYearEndAge.trimmed().isEmpty()) {
        ages.yearEnd = yearsOf(cells.fiscalYearEndAge);
        if (!ages.yearEnd)
            return problem(ageItem, ages.cell, quoted(ages.cell) + QStringLiteral(" は年齢として読めません"));
    }
    if (cells.birthDate.trimmed().isEmpty() || cells.examDate.trimmed().isEmpty())
        return ages;
    const auto birth = dateOf(cells.birthDate);
    if (!birth)
        return problem(birthItem, cells.birthDate, quoted(cells.birthDate) + QStringLiteral(" は日付として読めません"));
    const auto exam = dateOf(cells.examDate);
    if (!exam)
        return problem(examItem, cells.examDate, quoted(cells.examDate) + QStringLiteral(" は日付として読めません"));
    if (*exam < *birth)
        return problem(examItem, cells.examDate, QStringLiteral("受診日が生年月日より前です"));
    const int fromDates = fiscalYearEndAge(*birth, *exam);
    if (ages.yearEnd && *ages.yearEnd != fromDates)
        return problem(ageItem, ages.cell,
                       QStringLiteral("年度末年齢 %1 歳と生年月日・受診日からの %2 歳が食い違います")
                           .arg(*ages.yearEnd)
                           .arg(fromDates));
    return RowAges{fromDates, ageOn(*birth, *exam), birthItem, cells.birthDate};
}

// The band for a row's fiscal-year-end age, or why the age is outside the
// programme (or, at 75, cannot say without the dates).
std::variant<AgeBand, AgeProblem> bandOfAges(const RowAges &ages)
{
    const int yearEnd = *ages.yearEnd;
    if (const auto band = bandForAges(yearEnd, ages.onExamination))
        return *band;
    if (ages.onExamination && *ages.onExamination > kLastAge)
        return problem(ages.source, ages.cell,
                       QStringLiteral("受診日に %1 歳: 特定健診の対象 (40～74 歳) の外です").arg(*ages.onExamination));
    const bool needsDates = yearEnd == kLastAge + 1 && !ages.onExamination;
    return problem(ages.source, ages.cell,
                   needsDates ? QStringLiteral("年度末年齢 75 歳: 受診日に 74 歳かどうかは生年月日と受診日で分かります")
                              : QStringLiteral("年度末年齢 %1 歳は特定健診の対象 (40～74 歳) の外です").arg(yearEnd));
}

} // namespace

std::variant<AgeBand, AgeProblem> bandOfRow(const AgeCells &cells)
{
    constexpr Item bandItem = Item::AgeBand;
    std::optional<AgeBand> named;
    if (!cells.band.trimmed().isEmpty()) {
        named = bandNamed(cells.band);
        if (!named)
            return problem(bandItem, cells.band, quoted(cells.band) + QStringLiteral(" は年齢区分として読めません"));
    }

    const auto ages = agesOfRow(cells);
    if (const auto *wrong = std::get_if<AgeProblem>(&ages))
        return *wrong;
    const RowAges &told = std::get<RowAges>(ages);
    if (!told.yearEnd) {
        if (named)
            return *named;
        return problem(bandItem, {},
                       QStringLiteral("年齢区分が分かりません (年齢区分、年度末年齢、生年月日と受診日が空です)"));
    }

    const auto fromAge = bandOfAges(told);
    const AgeBand *band = std::get_if<AgeBand>(&fromAge);
    if (band && named && *named != *band)
        return problem(bandItem, cells.band,
                       quoted(cells.band) + QStringLiteral(" と年度末年齢 %1 歳が食い違います").arg(*told.yearEnd));
    return fromAge;
}
