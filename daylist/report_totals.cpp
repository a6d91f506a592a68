#include "daylist/report_totals.h"

#include <algorithm>

namespace {

// A reported code as its index: 1 to 4 as written, anything else 報告なし.
int reportedIndex(const QString &code)
{
    bool isNumber = false;
    const int number = code.trimmed().toInt(&isNumber);
    return isNumber && number >= 1 && number <= kResultCodes ? number - 1 : kNoReportedCode;
}

template <std::size_t N> void addEach(std::array<qint64, N> &to, const std::array<qint64, N> &from)
{
    std::transform(to.begin(), to.end(), from.begin(), to.begin(), std::plus<>());
}

} // namespace

int reportBandOf(std::optional<int> yearEndAge)
{
    if (!yearEndAge || *yearEndAge < kFirstReportAge)
        return kOutsideBands;
    return std::min((*yearEndAge - kFirstReportAge) / kReportBandYears, kOutsideBands);
}

QString reportBandName(int band)
{
    const int first = kFirstReportAge + band * kReportBandYears;
    return QStringLiteral("%1～%2歳").arg(first).arg(first + kReportBandYears - 1);
}

ResultCounts &ResultCounts::operator+=(const ResultCounts &other)
{
    examinees += other.examinees;
    addEach(classes, other.classes);
    addEach(levels, other.levels);
    addEach(drugs, other.drugs);
    addEach(reportedClasses, other.reportedClasses);
    addEach(reportedLevels, other.reportedLevels);
    return *this;
}

void ReportTotals::add(const ReportRow &row)
{
    ++(row.national ? m_nationalFiles : m_listRows);
    if (row.examDate && row.examDate->isValid()) {
        m_firstExam = std::min(m_firstExam.value_or(*row.examDate), *row.examDate);
        m_lastExam = std::max(m_lastExam.value_or(*row.examDate), *row.examDate);
    }
    if (row.judged) {
        if (!row.repeated)
            countJudged(row);
    } else {
        ++m_notJudged;
        lookAt(row, row.reason);
    }
    if (row.national)
        countInstitution(row);
}

void ReportTotals::countJudged(const ReportRow &row)
{
    const CountedResults &judged = *row.judged;
    ResultCounts &counts = m_counts[judged.female][reportBandOf(row.yearEndAge)];
    ++counts.examinees;
    ++counts.classes[judged.classCode - 1];
    ++counts.levels[judged.levelCode - 1];
    for (int i = 0; i < kDrugs; ++i)
        counts.drugs[i] += judged.drugs[i];
    if (row.national) {
        ++counts.reportedClasses[reportedIndex(row.national->reported.syndromeClass)];
        ++counts.reportedLevels[reportedIndex(row.national->reported.guidanceLevel)];
    }
}

void ReportTotals::countInstitution(const ReportRow &row)
{
    const ReportedFile &file = *row.national;
    InstitutionTotals &institution = m_institutions[file.institution];
    if (institution.name.isEmpty())
        institution.name = file.institutionName;
    ++institution.files;
    const CodeComparison &comparison = file.comparison;
    if (!row.judged)
        ++institution.filesNotJudged;
    else if (comparison.differs()) {
        ++(file.explainedByRules ? institution.differingExplained : institution.differingUnexplained);
        if (!file.explainedByRules)
            lookAt(row, comparison.text);
    } else if (comparison.notJudged())
        ++institution.notComparable;
    else if (comparison.syndromeClass == Agreement::Agrees || comparison.guidanceLevel == Agreement::Agrees)
        ++institution.agreeing;
    else
        ++institution.notReported;
}

void ReportTotals::lookAt(const ReportRow &row, const QString &reason)
{
    if (m_toLookAt.size() < kRowsToLookAtKept)
        m_toLookAt.append({m_list.isEmpty() || row.national ? row.place : m_list + QStringLiteral(": ") + row.place,
                           row.card, reason});
    else
        ++m_toLookAtLeft;
}
