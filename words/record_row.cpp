#include "words/record_row.h"

#include "words/attention.h"
#include "words/desk_names.h"

#include <array>

namespace {

// The codes of the national data standard for the two results: 4 where a
// prompt stands, since nothing could be judged.
constexpr int kNotJudgedCode = 4;

int dataCode(ClassRule rule)
{
    switch (rule) {
    case ClassRule::WaistAndTwoOrMore: return 1;
    case ClassRule::WaistAndOneCriterion: return 2;
    case ClassRule::WaistAndNoCriterion:
    case ClassRule::WaistBelowLimit: return 3;
    }
    return kNotJudgedCode;
}

int dataCode(GuidanceRule rule)
{
    switch (rule) {
    case GuidanceRule::Intensive: return 1;
    case GuidanceRule::BelowIntensive:
    case GuidanceRule::OlderBandInPlaceOfIntensive: return 2;
    case GuidanceRule::NoRisk:
    case GuidanceRule::NeitherWaistNorBmi:
    case GuidanceRule::DrugTreatment: return 3;
    }
    return kNotJudgedCode;
}

// "1" to "4", written on every row.
QString codeText(int code)
{
    static const std::array<QString, kNotJudgedCode> texts = {QStringLiteral("1"), QStringLiteral("2"),
                                                              QStringLiteral("3"), QStringLiteral("4")};
    return texts[std::size_t(code - 1)];
}

} // namespace

QString resultHeading(ResultColumn column)
{
    switch (column) {
    case ResultColumn::SyndromeClass: return wordText(Word::SyndromeClass);
    case ResultColumn::GuidanceLevel: return wordText(Word::GuidanceLevel);
    case ResultColumn::ClassCode: return wordText(Word::SyndromeClass) + QStringLiteral("判定コード");
    case ResultColumn::LevelCode: return wordText(Word::GuidanceLevel) + QStringLiteral("コード");
    case ResultColumn::Check: return QStringLiteral("確認");
    }
    return {};
}

QStringList judgedRecordHeadings()
{
    QStringList headings{QStringLiteral("年齢区分"), wordText(Word::Sex)};
    for (const Entry entry : kAllEntries)
        headings << entryName(entry);
    for (const Criterion criterion : kCriteriaInDeskOrder)
        headings << criterionName(criterion) + u' ' + wordText(Word::DrugTreatment);
    headings << wordText(Word::Smoking);
    Q_ASSERT(headings.size() == kFirstResultColumn);
    for (const ResultColumn column : kAllResultColumns)
        headings << resultHeading(column);
    return headings;
}

QStringList judgedRecordRow(const Judgement &judged)
{
    const ChoiceSnapshot &choices = judged.choices;
    QStringList row{ageBandName(judged.band), sexName(judged.entries.female)};
    for (const Entry entry : kAllEntries)
        row << shownText(entryText(judged.entries, entry));
    row << choiceName(choices.bloodPressureDrugs) << choiceName(choices.lipidDrugs) << choiceName(choices.glucoseDrugs)
        << choiceName(choices.smoker);
    Q_ASSERT(row.size() == kFirstResultColumn);
    for (const QString &cell : judgedResultCells(judged))
        row << cell;
    return row;
}

ResultCells judgedResultCells(const Judgement &judged)
{
    QStringList toCheck;
    for (const ValueToCheck &doubt : judged.findings.toCheck)
        toCheck << valueToCheckSummary(judged.entries, doubt);
    ResultCells cells;
    cells[ResultColumn::SyndromeClass] = judged.syndromeClassCaption();
    cells[ResultColumn::GuidanceLevel] = judged.guidanceCaption();
    cells[ResultColumn::ClassCode] =
        codeText(judged.classPrompt() ? kNotJudgedCode : dataCode(judged.decision.classRule));
    cells[ResultColumn::LevelCode] =
        codeText(judged.guidancePrompt() ? kNotJudgedCode : dataCode(judged.decision.guidanceRule));
    cells[ResultColumn::Check] = toCheck.join(QStringLiteral("、"));
    return cells;
}

QString tabSeparatedLine(const QStringList &columns) { return columns.join(u'\t') + QStringLiteral("\r\n"); }

QStringList addedHeadings()
{
    static const QStringList headings = [] {
        QStringList added;
        for (const ResultColumn column : kAllResultColumns)
            added << resultHeading(column);
        return added << QStringLiteral("判定した年齢区分") << wordText(Word::NotEntered)
                     << wordText(Word::SyndromeClass) + QStringLiteral("の説明")
                     << wordText(Word::GuidanceLevel) + QStringLiteral("の説明");
    }();
    return headings;
}
