#include "app/window/accessibility.h"

#include "state/design_names.h"
#include "state/measured_items.h"
#include "words/words.h"

#include <QAccessible>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstddef>

namespace {

// An option button and the captions on screen that name it, read in this
// order: it has no caption of its own, and the words above or beside it
// ("男性", "薬剤治療" + "あり", "喫煙" + "なし") are its name. The
// description is what a sighted user gathers from the row: what it is about.
// A field is named by its caption label and described by its step and the
// criterion its value is judged by.
struct Naming {
    const char *control;
    std::array<const char *, 2> captions;
    const char *step;  // "Step1", "Step2" or none
    const char *about; // a word of the desk, or none
};

using W = Word;

constexpr std::array<const char *, 3> kStepNames = {nullptr, "Step1", "Step2"};

constexpr Naming namingOf(Field field)
{
    const MeasuredItem &item = measured(entryOf(field));
    return {designName(field),
            {captionLabelName(field), nullptr},
            kStepNames[std::size_t(item.step)],
            item.criterion ? word(wordOf(*item.criterion)) : nullptr};
}

// clang-format off
constexpr auto kOptionNamings = std::to_array<Naming>({
    {designName(Option::Option5),  {"Label26", nullptr}, nullptr, word(W::Sex)},
    {designName(Option::Option6),  {"Label27", nullptr}, nullptr, word(W::Sex)},
    {designName(Option::Option9),  {"Label14", "Text8"},  nullptr, word(W::BloodPressure)},
    {designName(Option::Option10), {"Label14", "Text11"}, nullptr, word(W::BloodPressure)},
    {designName(Option::Option7),  {"Label14", "Text8"},  nullptr, word(W::Lipids)},
    {designName(Option::Option8),  {"Label14", "Text11"}, nullptr, word(W::Lipids)},
    {designName(Option::Option3),  {"Label14", "Text8"},  nullptr, word(W::Glucose)},
    {designName(Option::Option4),  {"Label14", "Text11"}, nullptr, word(W::Glucose)},
    {designName(Option::Option1),  {"Label23", "Label16"}, nullptr, word(W::Smoking)},
    {designName(Option::Option2),  {"Label23", "Label17"}, nullptr, word(W::Smoking)},
});

// Option groups: the frame is announced as the group when the focus enters,
// by what the group is about, and for the drug columns "薬剤治療" after it.
struct GroupNaming {
    const char *frame;
    Word about;
    bool drugTreatment;
};
constexpr std::array<GroupNaming, 5> kGroups = {{
    {"Frame3", W::Sex,           false},
    {"Frame7", W::BloodPressure, true},
    {"Frame6", W::Lipids,        true},
    {"Frame5", W::Glucose,       true},
    {"Frame4", W::Smoking,       false},
}};
// clang-format on

// The BMI display and the result labels are named by the text they show, so
// a screen reader reads the value itself, and described by the caption beside
// them. While empty they are named by that caption: left unnamed, the reader
// would fall back on the title of their frame ("Step1", "Step3").
struct ReadoutNaming {
    Readout display;
    const char *caption; // the words of the caption label beside it
};
constexpr std::array<ReadoutNaming, kReadoutCount> kResults = {{
    {Readout::Label30, measured(Entry::Bmi).word},
    {Readout::Label37, word(W::SyndromeClass)},
    {Readout::Label15, word(W::GuidanceLevel)},
}};
// clang-format on

template <typename T = QWidget> T *named(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

QString captionText(QWidget &window, const char *name)
{
    auto *label = named<QLabel>(window, name);
    return label ? label->text() : QString();
}

void name(QWidget &window, const Naming &naming)
{
    QWidget *control = named(window, naming.control);
    QStringList words;
    for (const char *caption : naming.captions) {
        if (caption)
            words << captionText(window, caption);
    }
    control->setAccessibleName(words.join(u' '));
    QStringList description;
    for (const char *part : {naming.step, naming.about}) {
        if (part)
            description << QString::fromUtf8(part);
    }
    control->setAccessibleDescription(description.join(u' '));
    // A caption label that stands for one field points the reader to it.
    if (naming.captions[1] == nullptr) {
        if (auto *caption = named<QLabel>(window, naming.captions[0]))
            caption->setBuddy(control);
    }
}

} // namespace

void describeForAssistiveTechnology(QWidget &window)
{
    for (std::size_t field = 0; field < kFieldCount; ++field)
        name(window, namingOf(Field(field)));
    for (const Naming &naming : kOptionNamings)
        name(window, naming);
    for (const GroupNaming &group : kGroups) {
        QString name = QString::fromUtf8(word(group.about));
        if (group.drugTreatment)
            name += u' ' + QString::fromUtf8(word(W::DrugTreatment));
        named(window, group.frame)->setAccessibleName(name);
    }
    for (const auto &[result, caption] : kResults) {
        auto *display = named<QLabel>(window, designName(result));
        display->setAccessibleDescription(QString::fromUtf8(caption));
        nameDisplayByWhatItShows(*display);
    }
}

void nameDisplayByWhatItShows(QLabel &display)
{
    for (const auto &[result, caption] : kResults) {
        if (display.objectName() == QLatin1String(designName(result))) {
            const QString shown = display.text();
            display.setAccessibleName(shown.isEmpty() ? QString::fromUtf8(caption) : shown);
        }
    }
}

void describeResult(QWidget &result, const QString &explanation)
{
    for (const auto &[display, caption] : kResults) {
        if (result.objectName() != QLatin1String(designName(display)))
            continue;
        QString description = QString::fromUtf8(caption);
        if (!explanation.isEmpty())
            description += u'\n' + explanation;
        result.setAccessibleDescription(description);
        QAccessibleEvent changed(&result, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
