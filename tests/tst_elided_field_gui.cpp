#include "app/window/eliding_field.h"
#include "window_fixture.h"

// A value longer than its field is drawn cut short with "…" once the field
// loses the focus, and whole again while it is edited; the text itself is
// never changed.
class TestElidedField : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void elidedOnlyWithoutFocus_data();
    void elidedOnlyWithoutFocus();

private:
    WindowFixture w;
};

void TestElidedField::elidedOnlyWithoutFocus_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("elided");
    QTest::newRow("a weight that fits") << QByteArray("Text10") << QStringLiteral("63.8") << false;
    QTest::newRow("a six-character weight") << QByteArray("Text10") << QStringLiteral("63.872") << true;
    QTest::newRow("a long height") << QByteArray("Text9") << QStringLiteral("170.25001") << true;
    QTest::newRow("a long HbA1c") << QByteArray("Text5") << QStringLiteral("5.60000001") << true;
}

void TestElidedField::elidedOnlyWithoutFocus()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, value);
    QFETCH(bool, elided);
    auto *edit = qobject_cast<ElidingField *>(w.field(field.constData()));
    QVERIFY(edit);
    w.type(field.constData(), value);
    QCOMPARE(edit->drawnText(), value); // whole while edited

    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), value);
    const QString drawn = edit->drawnText();
    QCOMPARE(drawn.endsWith(u'…'), elided);
    // What shows is the number's beginning, never its end.
    QVERIFY2(value.startsWith(drawn.chopped(elided ? 1 : 0)), qPrintable(drawn));

    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(edit->drawnText(), value);
}

QTEST_MAIN(TestElidedField)
#include "tst_elided_field_gui.moc"
