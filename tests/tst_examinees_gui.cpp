#include "window_fixture.h"

// Whole examinees entered as a user does: values typed with Enter between
// them, choices clicked, then both judgement buttons.
class TestExaminees : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void judged_data();
    void judged();
    void judgementMarksValuesAndTouchesNothingElse();

private:
    WindowFixture w;
};

void TestExaminees::judged_data()
{
    QTest::addColumn<QString>("choices"); // options clicked before typing
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("class40");
    QTest::addColumn<QString>("guidance40");
    QTest::addColumn<QString>("guidance65");

    const QString meets = "１ 基準該当", pre = "２ 予備群該当", notMet = "３ 非該当";
    const QString intensive = "１ 積極的支援", motivational = "２ 動機付け支援",
                  information = "３ なし(情報提供レベル)", none = "３ なし";
    // values: height weight waist systolic diastolic triglycerides HDL glucose HbA1c
    QTest::newRow("waist, pressure and lipids")
        << "" << QStringList{"170", "70", "90", "140", "90", "160", "50", "95", "5.4"} << meets << intensive
        << motivational;
    QTest::newRow("waist, glucose below the syndrome limit")
        << "" << QStringList{"170", "60", "86", "120", "70", "100", "60", "105", ""} << notMet << motivational
        << motivational;
    QTest::newRow("same with a smoker") << "Option2"
                                        << QStringList{"170", "60", "86", "120", "70", "100", "60", "105", ""} << notMet
                                        << intensive << motivational;
    QTest::newRow("smoker without another risk")
        << "Option2" << QStringList{"170", "60", "86", "120", "70", "100", "60", "", "5.2"} << notMet << information
        << information;
    QTest::newRow("female, BMI only, three risks")
        << "Option6" << QStringList{"160", "70", "85", "135", "80", "155", "45", "100", ""} << notMet << intensive
        << motivational;
    QTest::newRow("female, BMI only, one risk")
        << "Option6" << QStringList{"160", "70", "85", "135", "80", "100", "45", "90", ""} << notMet << motivational
        << motivational;
    QTest::newRow("BMI only, no risk") << "" << QStringList{"160", "70", "80", "110", "70", "100", "45", "90", "5.0"}
                                       << notMet << information << information;
    QTest::newRow("pressure drugs, normal values")
        << "Option10" << QStringList{"170", "70", "90", "120", "70", "100", "60", "90", "5.0"} << pre << none << none;
    QTest::newRow("glucose at the syndrome limit only")
        << "" << QStringList{"170", "70", "90", "120", "70", "100", "60", "115", ""} << pre << motivational
        << motivational;
    QTest::newRow("neither waist nor BMI, all high")
        << "Option8" << QStringList{"170", "60", "80", "160", "100", "300", "30", "130", "7.0"} << notMet << none
        << none;
    const QString step2 = "Step2を入力してください";
    QTest::newRow("HDL missing") << "" << QStringList{"170", "70", "90", "140", "90", "160", "", "95", "5.4"} << step2
                                 << step2 << step2;
}

void TestExaminees::judged()
{
    QFETCH(QString, choices);
    QFETCH(QStringList, values);
    QFETCH(QString, class40);
    QFETCH(QString, guidance40);
    QFETCH(QString, guidance65);

    w.enter(choices, values);
    QCOMPARE(w.field("Text5")->text(), values.last());

    w.click("Command1");
    QCOMPARE(w.label("Label37")->text(), class40);
    QCOMPARE(w.label("Label15")->text(), guidance40);
    w.click("Command1");
    QCOMPARE(w.label("Label15")->text(), guidance40);

    w.click("Command2");
    QCOMPARE(w.label("Label37")->text(), class40); // the class is the same for both ages
    QCOMPARE(w.label("Label15")->text(), guidance65);
}

void TestExaminees::judgementMarksValuesAndTouchesNothingElse()
{
    const std::pair<const char *, const char *> values[] = {
        {"Text9", "160"}, {"Text10", "70"},  {"Text12", "85"}, {"Text1", "140"}, {"Text2", "84.9"},
        {"Text6", "150"}, {"Text7", "39.9"}, {"Text4", "110"}, {"Text5", "5.6"},
    };
    for (const auto &[name, text] : values)
        w.type(name, QString::fromLatin1(text));
    QWidget *focused = QApplication::focusWidget();
    QStringList indicatorsBefore;
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        indicatorsBefore << w.indicator(Indicator(i));

    for (const char *button : {"Command1", "Command2"}) {
        qobject_cast<QAbstractButton *>(w.control(button))->click();
        const std::pair<const char *, QColor> expected[] = {
            {"Text1", Qt::red}, {"Text2", Qt::black}, {"Text6", Qt::red},  {"Text7", Qt::blue},  {"Text4", Qt::magenta},
            {"Text5", Qt::red}, {"Label30", Qt::red}, {"Text12", Qt::red}, {"Text9", Qt::black}, {"Text10", Qt::black},
        };
        for (const auto &[name, colour] : expected)
            QCOMPARE(textColour(w.control(name)), colour);
        QCOMPARE(QApplication::focusWidget(), focused);
        for (const auto &[name, text] : values)
            QCOMPARE(w.field(name)->text(), QString::fromLatin1(text));
        for (std::size_t i = 0; i < kIndicatorCount; ++i)
            QCOMPARE(w.indicator(Indicator(i)), indicatorsBefore[qsizetype(i)]);
    }
    // The waist limit follows the sex: 85 is no longer marked for a woman.
    w.click("Option6");
    qobject_cast<QAbstractButton *>(w.control("Command1"))->click();
    QCOMPARE(textColour(w.control("Text12")), QColor(Qt::black));
}

QTEST_MAIN(TestExaminees)
#include "tst_examinees_gui.moc"
