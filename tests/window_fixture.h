#pragma once

// Shared helpers for the tests that drive the real window with real events.

#include "app/form3.h"
#include "state/form_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

class WindowFixture {
public:
    static constexpr int kActivationWaitMs = 30000;

    // A fresh window, shown and active, with the start-up focus move done.
    void open()
    {
        window = std::make_unique<Form3>();
        window->show();
        window->activateWindow();
        // Generous waits: under Wine on a busy machine a window can take
        // seconds to become active; each wait ends as soon as it holds.
        QVERIFY(QTest::qWaitForWindowActive(window.get(), kActivationWaitMs));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), control("Text9"), kActivationWaitMs);
    }

    void close() { window.reset(); }

    QWidget *control(const char *name) const
    {
        auto *found = window->findChild<QWidget *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *field(const char *name) const { return qobject_cast<QLineEdit *>(control(name)); }
    QLabel *label(const char *name) const { return qobject_cast<QLabel *>(control(name)); }
    QRadioButton *option(const char *name) const { return qobject_cast<QRadioButton *>(control(name)); }

    // Clicks into the field, selects what it holds and types over it.
    void type(const char *name, const QString &text)
    {
        QLineEdit *edit = field(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    // Clicks the options named (separated by spaces), then types the values
    // from the height field on, each followed by Enter, which moves along the
    // fields' chain: height weight waist systolic diastolic triglycerides HDL
    // glucose HbA1c.
    void enter(const QString &choices, const QStringList &values)
    {
        for (const QString &name : choices.split(u' ', Qt::SkipEmptyParts))
            click(name.toLatin1().constData());
        click("Text9");
        for (const QString &value : values) {
            QTest::keyClicks(QApplication::focusWidget(), value);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    }

    void click(const char *name)
    {
        QWidget *target = control(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    QString indicator(Indicator which) const { return window->controls().indicators().text(which); }
    double value(Indicator which) const { return window->controls().indicators().value(which); }

    std::unique_ptr<Form3> window;
};

inline QColor textColour(QWidget *widget)
{
    return widget->palette().color(qobject_cast<QLabel *>(widget) ? QPalette::WindowText : QPalette::Text);
}
