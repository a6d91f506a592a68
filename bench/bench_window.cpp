// What one keystroke, one paste and one judgement cost in the checkup window,
// each beside the same action on a bare Qt widget (the floor) as the next row
// of the same table. See README.md for how to run and read it.
#include "app/form3.h"
#include "app/window/form_layout.h"
#include "state/form_controls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <climits>
#include <iterator>

class BenchWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void typing_data();
    void typing();
    void paste_data();
    void paste();
    void judgement_data();
    void judgement();

private:
    Form3 m_form;
    QWidget m_bare; // the window's size, holding a field and a button placed as Text1 and Command1
    QLineEdit *m_text1 = m_form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QPushButton *m_command1 = m_form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QLineEdit *m_bareEdit = new QLineEdit(&m_bare);
    QPushButton *m_bareButton = new QPushButton(QStringLiteral("Button"), &m_bare);
};

namespace {

// Makes the widget's window the active one and gives the widget the focus,
// the state a user has it in.
void activate(QWidget *widget)
{
    widget->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget->window()));
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

// Every other character may stay: digits at even places; at odd places one
// the field removes (letters, full-width digits, kana, punctuation, a minus
// sign that is not first).
std::pair<QString, QString> dirtyAndClean(qsizetype length)
{
    static constexpr char16_t kRemoved[] = {u'a', u'１', u',', u' ', u'-', u'x', u'あ', u'+', u'０', u'e'};
    QString dirty, clean;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar digit(char16_t(u'0' + (i / 2 + 1) % 10));
        dirty.append(i % 2 == 0 ? digit : QChar(kRemoved[(i / 2) % std::size(kRemoved)]));
        if (i % 2 == 0)
            clean.append(digit);
    }
    return {dirty, clean};
}

} // namespace

void BenchWindow::initTestCase()
{
    m_bare.setFixedSize(m_form.size());
    m_bareEdit->setMaxLength(INT_MAX); // as the window's fields
    m_bareEdit->setGeometry(QRect(m_text1->mapTo(&m_form, QPoint()), m_text1->size()));
    m_bareButton->setGeometry(QRect(m_command1->mapTo(&m_form, QPoint()), m_command1->size()));
    for (QWidget *window : {static_cast<QWidget *>(&m_form), &m_bare}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    QTest::qWait(2 * Layout::kStartupFocusDelayMs); // past the window's start-up focus move
}

// "+ repaint" rows also paint what the action changed, as the event loop
// would right after it.
void BenchWindow::typing_data()
{
    QTest::addColumn<QLineEdit *>("field");
    QTest::addColumn<bool>("repaint");
    // Results judged before typing: of another value, so that they stay out
    // of date as the user types on; or of "12" itself, so that every
    // keystroke takes them out of date and back (the worst case).
    QTest::addColumn<QString>("judgedAt");
    QTest::newRow("kalvemo") << m_text1 << false << QString();
    QTest::newRow("bare QLineEdit") << m_bareEdit << false << QString();
    QTest::newRow("kalvemo + repaint") << m_text1 << true << QString();
    QTest::newRow("bare QLineEdit + repaint") << m_bareEdit << true << QString();
    QTest::newRow("kalvemo, results out of date") << m_text1 << false << QStringLiteral("1");
    QTest::newRow("kalvemo, results out of date and back") << m_text1 << false << QStringLiteral("12");
}

// A digit typed at the end of "12", and erased again with Backspace.
void BenchWindow::typing()
{
    QFETCH(QLineEdit *, field);
    QFETCH(bool, repaint);
    QFETCH(QString, judgedAt);
    if (!judgedAt.isEmpty()) {
        field->setText(judgedAt);
        m_command1->click(); // the other entries empty: prompts, and marks on them
    }
    field->setText(QStringLiteral("12"));
    activate(field);
    QBENCHMARK
    {
        QTest::keyClick(field, Qt::Key_5);
        QTest::keyClick(field, Qt::Key_Backspace);
        if (repaint)
            QCoreApplication::processEvents();
    }
    QCOMPARE(field->text(), QStringLiteral("12"));
}

void BenchWindow::paste_data()
{
    QTest::addColumn<QLineEdit *>("field");
    QTest::addColumn<int>("length");
    for (int length : {1'000, 10'000, 100'000, 1'000'000}) {
        QTest::addRow("kalvemo %d", length) << m_text1 << length;
        QTest::addRow("bare QLineEdit %d", length) << m_bareEdit << length;
    }
}

// A user's paste into Text1: select all, insert; the field's change
// handling, cleaning included, runs inside the insert. The bare field gets
// the same text inserted and then the clean text set, what Qt itself needs
// to show the same.
void BenchWindow::paste()
{
    QFETCH(QLineEdit *, field);
    QFETCH(int, length);
    const auto [dirty, clean] = dirtyAndClean(length);
    activate(field);
    QBENCHMARK
    {
        field->selectAll();
        field->insert(dirty);
        if (field == m_bareEdit)
            field->setText(clean);
    }
    QCOMPARE(field->text(), clean);
    field->clear();
}

void BenchWindow::judgement_data()
{
    QTest::addColumn<QPushButton *>("button");
    QTest::newRow("kalvemo") << m_command1;
    QTest::newRow("bare QPushButton") << m_bareButton;
}

// A click on Command1 with a complete examinee entered; the bare button has
// nothing connected. A button repaints itself while it is pressed, and the
// results it shows stay the same from one click to the next, so there is no
// row with the repaint: it is in these.
void BenchWindow::judgement()
{
    QFETCH(QPushButton *, button);
    const std::pair<Field, const char *> examinee[] = {
        {Field::Text9, "170"}, {Field::Text10, "75"}, {Field::Text12, "92"},
        {Field::Text1, "138"}, {Field::Text2, "82"},  {Field::Text6, "160"},
        {Field::Text7, "38"},  {Field::Text4, "104"}, {Field::Text5, "6.1"},
    };
    for (const auto &[field, text] : examinee)
        m_form.controls().setText(field, QString::fromLatin1(text));
    activate(button);
    QBENCHMARK { QTest::mouseClick(button, Qt::LeftButton); }
    if (button == m_command1)
        QVERIFY(!m_form.controls().caption(Readout::Label37).isEmpty());
}

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
