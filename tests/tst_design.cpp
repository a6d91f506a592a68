#include "form_design.h"

#include "app/form3.h"
#include "app/window/form_layout.h"
#include "state/form_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The built window against the design written out by hand: every control in
// its frame, at its place and size, with its text aligned as designed, and
// the indicators holding their own names before anything is entered. Nothing
// here changes the window, so one window serves every row.
class TestDesign : public QObject {
    Q_OBJECT
private slots:
    void indicatorsStartHoldingTheirNames_data();
    void indicatorsStartHoldingTheirNames();
    void geometry_data();
    void geometry();
    void everyControlIsInTheDesign();
    void noControlHidesAnother();
    void textAlignment_data();
    void textAlignment();

private:
    QWidget *control(const QString &name) const
    {
        auto *found = window.findChild<QWidget *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    Form3 window;
};

void TestDesign::indicatorsStartHoldingTheirNames_data()
{
    QTest::addColumn<Indicator>("indicator");
    QTest::addColumn<QString>("name");
    const std::pair<Indicator, const char *> rows[] = {
        {Indicator::Label4, "Label4"},   {Indicator::Label40, "Label40"}, {Indicator::Label44, "Label44"},
        {Indicator::Label47, "Label47"}, {Indicator::Label10, "Label10"}, {Indicator::Label39, "Label39"},
        {Indicator::Label43, "Label43"}, {Indicator::Label46, "Label46"}, {Indicator::Label7, "Label7"},
        {Indicator::Label38, "Label38"}, {Indicator::Label42, "Label42"}, {Indicator::Label45, "Label45"},
        {Indicator::Label29, "Label29"}, {Indicator::Label13, "Label13"},
    };
    for (const auto &[indicator, name] : rows)
        QTest::newRow(name) << indicator << QString::fromLatin1(name);
}

void TestDesign::indicatorsStartHoldingTheirNames()
{
    QFETCH(Indicator, indicator);
    QFETCH(QString, name);
    QCOMPARE(window.controls().indicators().text(indicator), name);
    QCOMPARE(window.controls().indicators().value(indicator), 0.0);
    // No indicator is a visible widget.
    QVERIFY(!window.findChild<QWidget *>(name));
}

void TestDesign::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    for (const Design::Control &c : Design::kControls)
        QTest::newRow(c.name) << c.name << c.container << c.twips;
}

void TestDesign::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    const QWidget *built = control(name);
    // The window's client area is the form's content, inside its scroll area.
    const QString parent = container == QLatin1String("Form3") ? QStringLiteral("FormContent") : container;
    QCOMPARE(built->parentWidget()->objectName(), parent);
    QCOMPARE(built->geometry(), Design::px(twips));
}

void TestDesign::everyControlIsInTheDesign()
{
    QCOMPARE(window.objectName(), QStringLiteral("Form3"));
    QCOMPARE(window.size(), QSize(Design::px(Design::kClientTwips.width()), Design::px(Design::kClientTwips.height())));
    QStringList designed;
    for (const Design::Control &c : Design::kControls)
        designed << QString::fromLatin1(c.name);
    // Besides them, the form's content that holds them and the focus mark (a
    // window that fits its screen has no scroll area).
    designed << QStringLiteral("FormContent") << QStringLiteral("FocusMark");
    QStringList built;
    // Controls of the form; a pop-up (the result labels' menu) is a window of
    // its own.
    for (const QWidget *child : window.findChildren<QWidget *>()) {
        if (!child->isWindow() && !child->objectName().isEmpty()
            && !child->objectName().startsWith(QLatin1String("qt_")))
            built << child->objectName();
    }
    designed.sort();
    built.sort();
    QCOMPARE(built, designed);
}

// A control drawn over another that is not its frame, in the window's
// coordinates: a field laid out where another control already is shows as a
// new pair here. Frames are covered without harm where they are empty, so
// only what a frame holds counts as hidden. The pairs the design has are its
// own: the sex buttons reach a pixel into their captions, HbA1c's wide
// caption a pixel under its field, and Step3 over the smoking frame's edge.
void TestDesign::noControlHidesAnother()
{
    const std::span<const Layout::ControlDesign> design = Layout::form3Design();
    const QWidget *content = control(QStringLiteral("FormContent"));
    const auto place = [&](const QWidget *widget) { return QRect(widget->mapTo(content, QPoint()), widget->size()); };
    QStringList covered;
    for (std::size_t below = 0; below < design.size(); ++below) {
        const QWidget *hidden = control(QString::fromUtf8(design[below].name));
        for (std::size_t above = below + 1; above < design.size() && design[below].kind != Layout::Kind::Frame;
             ++above) {
            const QWidget *over = control(QString::fromUtf8(design[above].name));
            if (!over->isAncestorOf(hidden) && place(over).intersects(place(hidden)))
                covered << over->objectName() + QStringLiteral(" over ") + hidden->objectName();
        }
    }
    QCOMPARE(covered.join(QStringLiteral(", ")),
             QStringLiteral("Option5 over Label26, Option6 over Label27, Text5 over Label6, Frame8 over Label23, "
                            "Frame8 over Label16, Frame8 over Option1, Frame8 over Label17, Frame8 over Option2"));
}

void TestDesign::textAlignment_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("alignment");
    const std::pair<Design::Text, Qt::Alignment> horizontal[] = {{Design::Text::Left, Qt::AlignLeft},
                                                                 {Design::Text::Centre, Qt::AlignHCenter},
                                                                 {Design::Text::Right, Qt::AlignRight}};
    for (const Design::Control &c : Design::kControls) {
        for (const auto &[text, alignment] : horizontal) {
            if (c.text == text)
                QTest::newRow(c.name) << c.name << int(alignment);
        }
    }
}

// Numbers stand right-aligned in the fields and the BMI display, so that
// their digits line up; the results stand centred in their boxes; captions
// start at the left.
void TestDesign::textAlignment()
{
    QFETCH(QString, name);
    QFETCH(int, alignment);
    QWidget *built = control(name);
    Qt::Alignment shown;
    if (auto *label = qobject_cast<QLabel *>(built))
        shown = label->alignment();
    else if (auto *edit = qobject_cast<QLineEdit *>(built))
        shown = edit->alignment();
    else
        QFAIL("no text control");
    QCOMPARE(int(shown & Qt::AlignHorizontal_Mask), alignment);
}

QTEST_MAIN(TestDesign)
#include "tst_design.moc"
