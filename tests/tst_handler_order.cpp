#include "recording_form.h"

#include "form/event_routes.h"

#include <QTest>

// The order in which the handlers write, without a window: what a change of
// a field, a click on an option, a write of a guidance risk and Reset write,
// each nested write where it happens. The smoking risk in particular must be
// re-evaluated inside the write of the blood-value risk, before the handler
// writes the value flag and the count.
class TestHandlerOrder : public QObject {
    Q_OBJECT
private slots:
    void writeOrder_data();
    void writeOrder();
};

namespace {

// One step as a user or the program takes it: "Text1=140" types a field's
// text, "Option2" selects a button, "Label4=1" writes an indicator,
// "Command3" presses Reset.
void run(RecordingForm &form, const QString &step)
{
    if (step == u"Command3")
        return Routes::commandRouteOf(Command::Command3)->click(form);
    const qsizetype eq = step.indexOf(u'=');
    const QString name = step.left(eq);
    for (const Recording::FieldRow &row : Recording::kFields) {
        if (name == QLatin1String(row.name))
            return form.setText(row.field, step.mid(eq + 1));
    }
    for (const Recording::IndicatorRow &row : Recording::kIndicators) {
        if (name == QLatin1String(row.name))
            return form.indicators().write(row.indicator, step.mid(eq + 1).toInt());
    }
    for (const Recording::OptionRow &row : Recording::kOptions) {
        if (name == QLatin1String(row.name))
            return form.select(row.option);
    }
    qFatal("unknown step %s", qPrintable(step));
}

QStringList steps(const QString &list) { return list.split(u';', Qt::SkipEmptyParts); }

} // namespace

void TestHandlerOrder::writeOrder_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("writes"); // the action itself first

    const auto row = [](const char *name, const QString &before, const QString &action, const QString &writes) {
        QTest::newRow(name) << steps(before) << action << steps(writes);
    };

    // Blood values: the pair's guidance risk, its value flag, its count.
    row("systolic", "", "Text1=130", "Text1=130;Label4=1;Label40=1;Label47=1");
    row("diastolic", "", "Text2=85", "Text2=85;Label4=1;Label40=1;Label47=1");
    row("triglycerides", "", "Text6=150", "Text6=150;Label10=1;Label39=1;Label46=1");
    row("HDL", "", "Text7=39", "Text7=39;Label10=1;Label39=1;Label46=1");
    row("fasting glucose at the guidance limit", "", "Text4=100", "Text4=100;Label7=1;Label38=0;Label45=0");
    row("HbA1c at the syndrome limit", "", "Text5=6.0", "Text5=6.0;Label7=1;Label38=1;Label45=1");
    row("count takes the drug flag as it stands", "Option10", "Text1=140", "Text1=140;Label4=1;Label40=1;Label47=2");

    // A smoker's risk follows inside the write of the blood-value risk.
    row("smoker, systolic", "Option2", "Text1=140", "Text1=140;Label4=1;Label13=1;Label40=1;Label47=1");
    row("smoker, HbA1c", "Option2", "Text5=5.6", "Text5=5.6;Label7=1;Label13=1;Label38=0;Label45=0");
    row("smoker, HDL", "Option2", "Text7=35", "Text7=35;Label10=1;Label13=1;Label39=1;Label46=1");
    row("smoker, systolic back to normal", "Option2;Text1=140", "Text1=120",
        "Text1=120;Label4=0;Label13=0;Label40=0;Label47=0");

    // Body values: the BMI display, then the class from it.
    row("height", "Text10=64", "Text9=160", "Text9=160;Label30=25.0;Label29=2");
    row("weight", "Text9=160", "Text10=64", "Text10=64;Label30=25.0;Label29=2");
    row("height emptied empties the BMI", "Text9=160;Text10=64", "Text9=", "Text9=;Label30=;Label29=0");
    row("waist", "", "Text12=85", "Text12=85;Label29=1");

    // A bad character: the row again on the clean text, then caret and focus
    // (taking the focus turns the field's text black).
    row("letter in systolic", "", "Text1=1x40",
        "Text1=1x40;Label4=0;Label40=0;Label47=0;Text1=140;Label4=1;Label40=1;Label47=1;"
        "caret Text1;focus Text1;colour Text1 black");

    // Options.
    row("Option1 non-smoker", "Text1=140;Option2", "Option1", "select Option1;Label13=0");
    row("Option2 smoker without risk", "", "Option2", "select Option2;Label13=0");
    row("Option2 smoker with blood pressure", "Text1=140", "Option2", "select Option2;Label13=1");
    row("Option2 smoker with glucose guidance risk only", "Text4=105", "Option2", "select Option2;Label13=1");
    row("Option2 smoker with lipids", "Text7=35", "Option2", "select Option2;Label13=1");
    row("Option3 no glucose drugs", "Text4=120;Option4", "Option3", "select Option3;Label42=0;Label45=1");
    row("Option4 glucose drugs", "Text4=120", "Option4", "select Option4;Label42=1;Label45=2");
    row("Option5 male", "Option6;Text12=88", "Option5", "select Option5;Label29=1");
    row("Option6 female", "Text12=88", "Option6", "select Option6;Label29=0");
    row("Option7 no lipid drugs", "Option8", "Option7", "select Option7;Label43=0;Label46=0");
    row("Option8 lipid drugs", "Text6=150", "Option8", "select Option8;Label43=1;Label46=2");
    row("Option9 no pressure drugs", "Text2=90;Option10", "Option9", "select Option9;Label44=0;Label47=1");
    row("Option10 pressure drugs", "", "Option10", "select Option10;Label44=1;Label47=1");

    // Guidance risks written directly.
    row("Label4 with a smoker", "Option2", "Label4=1", "Label4=1;Label13=1");
    row("Label7 with a smoker", "Option2;Label7=1", "Label7=0", "Label7=0;Label13=0");
    row("Label10 with a non-smoker", "", "Label10=1", "Label10=1");

    // Reset: fields, displays, start options, colours, focus; each change
    // and click runs its handler before Reset goes on.
    row("Reset of a fresh window", "", "Command3",
        "Text1=;Text2=;Text4=;Text5=;Text6=;Text7=;Text9=;Text10=;Text12=;"
        "Label30=;Label37=;Label15=;"
        "select Option1;select Option5;select Option9;select Option7;select Option3;"
        "colour Text1 black;colour Text2 black;colour Text6 black;colour Text7 black;"
        "colour Text4 black;colour Text5 black;colour Label30 black;colour Text12 black;"
        "focus Option5");
    row("Reset after a smoker with pressure drugs", "Option6;Option10;Option2;Text1=140;Text9=160;Text10=64",
        "Command3",
        "Text1=;Label4=0;Label13=0;Label40=0;Label47=1;Text2=;Text4=;Text5=;Text6=;Text7=;"
        "Text9=;Label30=;Label29=0;Text10=;Label30=;Label29=0;Text12=;"
        "Label30=;Label37=;Label15=;"
        "select Option1;Label13=0;select Option5;Label29=0;select Option9;Label44=0;Label47=0;"
        "select Option7;select Option3;"
        "colour Text1 black;colour Text2 black;colour Text6 black;colour Text7 black;"
        "colour Text4 black;colour Text5 black;colour Label30 black;colour Text12 black;"
        "focus Option5");
}

void TestHandlerOrder::writeOrder()
{
    QFETCH(QStringList, before);
    QFETCH(QString, action);
    QFETCH(QStringList, writes);
    RecordingForm form;
    for (const QString &step : before)
        run(form, step);
    form.writes.clear();
    run(form, action);
    QCOMPARE(form.writes, writes);
}

QTEST_APPLESS_MAIN(TestHandlerOrder)
#include "tst_handler_order.moc"
