#include "entry_texts.h"
#include "judgement/checks.h"
#include "judgement/colours.h"
#include "judgement/plausibility.h"
#include "judgement/result_texts.h"

#include <QTest>

Q_DECLARE_METATYPE(AgeBand)

namespace {

const QString kStep1 = QStringLiteral("Step1を入力してください");
const QString kStep2 = QStringLiteral("Step2を入力してください");
const QString kDecided = QStringLiteral("the decision");

struct EntryField {
    const char *name;
    Entry entry;
};
constexpr EntryField kFields[] = {
    {"height", Entry::Height},
    {"weight", Entry::Weight},
    {"waist", Entry::Waist},
    {"bmi", Entry::Bmi},
    {"systolic", Entry::Systolic},
    {"diastolic", Entry::Diastolic},
    {"triglycerides", Entry::Triglycerides},
    {"hdl", Entry::Hdl},
    {"glucose", Entry::FastingGlucose},
    {"hba1c", Entry::Hba1c},
};

const EntryField &field(const QString &name)
{
    for (const EntryField &f : kFields)
        if (name == QLatin1String(f.name))
            return f;
    qFatal("no entry field %s", qPrintable(name));
}

// A complete, unremarkable examinee, changed by "field=text;field=text".
EntrySnapshot entriesWith(const QString &changes)
{
    EntrySnapshot e = kUnremarkable;
    for (const QString &change : changes.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = change.indexOf(u'=');
        entryText(e, field(change.left(eq)).entry) = change.mid(eq + 1);
    }
    return e;
}

// What the label shows: the prompt the missing entries call for, or the
// decision's result.
QString shownIn(ResultLabel label, const EntrySnapshot &entries, AgeBand band)
{
    const auto prompt = promptFor(missingEntries(entries, EntryValues(entries), band, label));
    return prompt ? captionOf(*prompt) : kDecided;
}

QString colourName(Rgb c)
{
    return c == kRed ? "red" : c == kBlue ? "blue" : c == kMagenta ? "magenta" : c == kBlack ? "black" : "other";
}

} // namespace

class TestChecksColours : public QObject {
    Q_OBJECT
private slots:
    void entryChecks_data();
    void entryChecks();
    void colours_data();
    void colours();
    void valuesToCheck_data();
    void valuesToCheck();
};

void TestChecksColours::entryChecks_data()
{
    QTest::addColumn<AgeBand>("band");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("expectedClass");
    QTest::addColumn<QString>("expectedGuidance");

    const AgeBand young = AgeBand::From40To64, old = AgeBand::From65To74;
    const QString &c = kDecided, &g = kDecided;

    QTest::newRow("complete keeps the decision") << young << "" << c << g;
    QTest::newRow("HbA1c alone is enough") << young << "glucose=" << c << g;
    QTest::newRow("fasting glucose alone is enough") << young << "hba1c=" << c << g;
    QTest::newRow("both glucose values empty") << young << "glucose=;hba1c=" << kStep2 << kStep2;
    QTest::newRow("HDL empty") << young << "hdl=" << kStep2 << kStep2;
    QTest::newRow("triglycerides empty") << young << "triglycerides=" << kStep2 << kStep2;
    QTest::newRow("systolic empty") << young << "systolic=" << kStep2 << kStep2;
    QTest::newRow("diastolic empty") << young << "diastolic=" << kStep2 << kStep2;
    QTest::newRow("blank systolic is an entry") << young << "systolic=  " << c << g;
    QTest::newRow("height empty") << young << "height=" << kStep1 << kStep1;
    QTest::newRow("weight empty") << young << "weight=" << kStep1 << kStep1;
    QTest::newRow("waist empty") << young << "waist=" << kStep1 << kStep1;
    QTest::newRow("BMI display empty") << young << "bmi=" << kStep1 << kStep1;
    QTest::newRow("Step1 beats Step2") << young << "height=;hdl=" << kStep1 << kStep1;
    QTest::newRow("everything empty")
        << young << "height=;weight=;waist=;bmi=;systolic=;diastolic=;triglycerides=;hdl=;glucose=;hba1c=" << kStep1
        << kStep1;
    // The younger band takes a zero body value as entered.
    QTest::newRow("40-64 waist 0") << young << "waist=0" << c << g;
    QTest::newRow("40-64 height 0") << young << "height=0" << c << g;
    QTest::newRow("40-64 weight abc") << young << "weight=abc" << c << g;
    // The older band asks again for a body value that reads as 0.
    QTest::newRow("65-74 complete") << old << "" << c << g;
    QTest::newRow("65-74 waist 0") << old << "waist=0" << kStep1 << kStep1;
    QTest::newRow("65-74 waist blank") << old << "waist= " << kStep1 << kStep1;
    QTest::newRow("65-74 height 0") << old << "height=0" << c << kStep1;
    QTest::newRow("65-74 weight 0.0") << old << "weight=0.0" << c << kStep1;
    QTest::newRow("65-74 height abc") << old << "height=abc" << c << kStep1;
    QTest::newRow("65-74 weight 0 beside missing HDL") << old << "weight=0;hdl=" << kStep2 << kStep1;
    QTest::newRow("65-74 waist 0 beside missing HDL") << old << "waist=0;hdl=" << kStep1 << kStep1;
    QTest::newRow("65-74 HDL empty") << old << "hdl=" << kStep2 << kStep2;
}

void TestChecksColours::entryChecks()
{
    QFETCH(AgeBand, band);
    QFETCH(QString, changes);
    QFETCH(QString, expectedClass);
    QFETCH(QString, expectedGuidance);

    const EntrySnapshot entries = entriesWith(changes);
    QCOMPARE(shownIn(ResultLabel::SyndromeClass, entries, band), expectedClass);
    QCOMPARE(shownIn(ResultLabel::Guidance, entries, band), expectedGuidance);
}

void TestChecksColours::colours_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("expected");

    const struct {
        const char *entry, *text;
        bool female;
        const char *expected;
    } rows[] = {
        {"systolic", "130", false, "red"},
        {"systolic", "129.9", false, "black"},
        {"diastolic", "85", false, "red"},
        {"diastolic", "84.9", false, "black"},
        {"triglycerides", "150", false, "red"},
        {"triglycerides", "149.9", false, "black"},
        {"hdl", "40", false, "black"},
        {"hdl", "39.9", false, "blue"},
        {"hdl", "", false, "blue"},
        {"glucose", "99.9", false, "black"},
        {"glucose", "100", false, "red"},
        {"glucose", "109.9", false, "red"},
        {"glucose", "110", false, "magenta"},
        {"hba1c", "5.59", false, "black"},
        {"hba1c", "5.6", false, "red"},
        {"hba1c", "5.99", false, "red"},
        {"hba1c", "6.0", false, "magenta"},
        {"bmi", "24.9", false, "black"},
        {"bmi", "25.0", false, "red"},
        {"bmi", "", false, "black"},
        {"waist", "85", false, "red"},
        {"waist", "84.9", false, "black"},
        {"waist", "85", true, "black"},
        {"waist", "89.9", true, "black"},
        {"waist", "90", true, "red"},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s%s", r.entry, *r.text ? r.text : "empty", r.female ? " female" : "")
            << r.entry << r.text << r.female << r.expected;
}

void TestChecksColours::colours()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(bool, female);
    QFETCH(QString, expected);

    EntrySnapshot e;
    entryText(e, field(entry).entry) = text;
    e.female = female;
    QCOMPARE(colourName(markColours(e, EntryValues(e))[std::size_t(field(entry).entry)]), expected);
}

// Each plausible range at its edges, and texts that are not one plain
// number; an empty entry is never a value to check.
void TestChecksColours::valuesToCheck_data()
{
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("doubt"); // -1: none

    const int none = -1, out = int(Doubt::OutOfRange), notPlain = int(Doubt::NotPlainNumber),
              notBelow = int(Doubt::NotBelowSystolic);
    const struct {
        const char *entry, *below, *low, *high, *above;
    } edges[] = {
        {"height", "99.9", "100", "220", "220.1"},        {"weight", "19.9", "20", "250", "250.1"},
        {"waist", "39.9", "40", "200", "200.1"},          {"systolic", "59.9", "60", "300", "300.1"},
        {"triglycerides", "9.9", "10", "3000", "3000.1"}, {"hdl", "9.9", "10", "200", "200.1"},
        {"glucose", "29.9", "30", "600", "600.1"},        {"hba1c", "2.9", "3.0", "20.0", "20.1"},
        {"bmi", "9.9", "10.0", "80.0", "80.1"},
    };
    for (const auto &e : edges) {
        QTest::addRow("%s %s", e.entry, e.below) << QStringLiteral("%1=%2").arg(e.entry, e.below) << e.entry << out;
        QTest::addRow("%s %s", e.entry, e.low) << QStringLiteral("%1=%2").arg(e.entry, e.low) << e.entry << none;
        QTest::addRow("%s %s", e.entry, e.high) << QStringLiteral("%1=%2").arg(e.entry, e.high) << e.entry << none;
        QTest::addRow("%s %s", e.entry, e.above) << QStringLiteral("%1=%2").arg(e.entry, e.above) << e.entry << out;
    }
    // The diastolic also stays below a systolic that is filled.
    QTest::newRow("diastolic 29.9") << "diastolic=29.9;systolic=120"
                                    << "diastolic" << out;
    QTest::newRow("diastolic 119.9 below systolic") << "diastolic=119.9;systolic=120"
                                                    << "diastolic" << none;
    QTest::newRow("diastolic at systolic") << "diastolic=120;systolic=120"
                                           << "diastolic" << notBelow;
    QTest::newRow("diastolic 150 without systolic") << "diastolic=150;systolic="
                                                    << "diastolic" << none;
    QTest::newRow("diastolic 200.1 without systolic") << "diastolic=200.1;systolic="
                                                      << "diastolic" << out;
    // Typed slips the cleaning leaves in place.
    QTest::newRow("second point") << "weight=65.5.0"
                                  << "weight" << notPlain;
    QTest::newRow("two points together") << "hba1c=5..6"
                                         << "hba1c" << notPlain;
    QTest::newRow("lone point") << "waist=."
                                << "waist" << notPlain;
    QTest::newRow("lone minus") << "systolic=-"
                                << "systolic" << notPlain;
    QTest::newRow("pasted tab") << "systolic=1\t42"
                                << "systolic" << notPlain;
    QTest::newRow("negative") << "hdl=-50"
                              << "hdl" << out;
    QTest::newRow("empty is no doubt") << "hdl="
                                       << "hdl" << none;
    // The BMI is checked only once both height and weight are filled.
    QTest::newRow("BMI without weight") << "bmi=5.0;weight="
                                        << "bmi" << none;
}

void TestChecksColours::valuesToCheck()
{
    QFETCH(QString, changes);
    QFETCH(QString, entry);
    QFETCH(int, doubt);

    const EntrySnapshot entries = entriesWith(changes);
    const auto checked = ::valueToCheck(entries, field(entry).entry);
    QCOMPARE(checked ? int(checked->doubt) : -1, doubt);
}

QTEST_APPLESS_MAIN(TestChecksColours)
#include "tst_checks_colours.moc"
