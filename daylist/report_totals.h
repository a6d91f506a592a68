#pragma once

#include "national/reported_codes.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The month's report as running totals: every row a run judges (or cannot)
// is added once, and the report is written from the totals alone, so that
// what it holds does not grow with the rows. One object per run, fed by
// each of its inputs in turn.

// The age bands of the report, five years each by the age at the end of the
// fiscal year: 40～44歳 … 70～74歳; an age unknown or outside them has a
// slot of its own, counted in 計 only.
inline constexpr int kFirstReportAge = 40;
inline constexpr int kReportBandYears = 5;
inline constexpr int kReportBands = 7;
inline constexpr int kOutsideBands = kReportBands; // the slot of an age unknown or outside
int reportBandOf(std::optional<int> yearEndAge);
QString reportBandName(int band); // "40～44歳"

// The codes of the two results (1 to 3, 4 where a prompt stands), and a
// reported code other than these or none (報告なし).
inline constexpr int kResultCodes = 4;
inline constexpr int kNoReportedCode = kResultCodes; // the index of 報告なし
enum class Drug { BloodPressure, Lipids, Glucose };
inline constexpr int kDrugs = 3;

// The counts of one sex in one age band.
struct ResultCounts {
    qint64 examinees = 0;
    std::array<qint64, kResultCodes> classes{}; // by code - 1
    std::array<qint64, kResultCodes> levels{};
    std::array<qint64, kDrugs> drugs{};
    std::array<qint64, kResultCodes + 1> reportedClasses{}; // by code - 1, then 報告なし
    std::array<qint64, kResultCodes + 1> reportedLevels{};

    ResultCounts &operator+=(const ResultCounts &other);
};

// How a national file's codes stood against the judgement, for its
// institution's row.
struct InstitutionTotals {
    QString name;
    qint64 files = 0;
    qint64 agreeing = 0;
    qint64 differingUnexplained = 0;
    qint64 differingExplained = 0;
    qint64 notComparable = 0; // 判定できず
    qint64 notReported = 0;
    qint64 filesNotJudged = 0;
};

// A row to look at: a file (or a day's list's line) not judged, or whose
// reported codes differ without the rules explaining it.
struct RowToLookAt {
    QString place;
    QString card; // 被保険者証等番号; none for a day's list
    QString reason;
};
inline constexpr qsizetype kRowsToLookAtKept = 100;

// One judged row's results, as its record writes them.
struct CountedResults {
    bool female = false;
    int classCode = kResultCodes; // 1 to 4
    int levelCode = kResultCodes;
    std::array<bool, kDrugs> drugs{};
};

// What the report takes of a national file: its institution and how its
// reported codes stood.
struct ReportedFile {
    QString institution;
    QString institutionName;
    ReportedCodes reported;
    CodeComparison comparison;
    bool explainedByRules = false;
};

// One row of an input, as the report counts it.
struct ReportRow {
    QString place; // the file's name, or 行 N of a day's list
    QString card;
    std::optional<int> yearEndAge;
    std::optional<QDate> examDate;
    std::optional<CountedResults> judged; // none: not judged, and `reason` why
    QString reason;
    std::optional<ReportedFile> national; // none: a day's list's row
    // A national file whose examinee and date came in a file before (sent
    // again): the file is counted, its examinee not a second time.
    bool repeated = false;
};

class ReportTotals {
public:
    void addInput(const QString &input) { m_inputs << input; }
    // The day's list whose rows come next: where the run has several
    // inputs, its rows to look at are named by it too.
    void startList(const QString &input) { m_list = m_inputs.size() > 1 ? input : QString(); }
    void add(const ReportRow &row);

    const QStringList &inputs() const { return m_inputs; }
    qint64 listRows() const { return m_listRows; }
    qint64 nationalFiles() const { return m_nationalFiles; }
    qint64 notJudged() const { return m_notJudged; }
    std::optional<QDate> firstExamDate() const { return m_firstExam; }
    std::optional<QDate> lastExamDate() const { return m_lastExam; }
    // By sex (0 male, 1 female) and band, the last slot being kOutsideBands.
    const ResultCounts &counts(bool female, int band) const { return m_counts[female][band]; }
    const QMap<QString, InstitutionTotals> &institutions() const { return m_institutions; }
    const QList<RowToLookAt> &rowsToLookAt() const { return m_toLookAt; }
    qint64 rowsToLookAtLeft() const { return m_toLookAtLeft; }

private:
    void countJudged(const ReportRow &row);
    void countInstitution(const ReportRow &row);
    void lookAt(const ReportRow &row, const QString &reason);

    QStringList m_inputs;
    QString m_list;
    qint64 m_listRows = 0;
    qint64 m_nationalFiles = 0;
    qint64 m_notJudged = 0;
    std::optional<QDate> m_firstExam;
    std::optional<QDate> m_lastExam;
    std::array<std::array<ResultCounts, kReportBands + 1>, 2> m_counts{};
    QMap<QString, InstitutionTotals> m_institutions; // by 健診機関番号
    QList<RowToLookAt> m_toLookAt;
    qint64 m_toLookAtLeft = 0;
};
