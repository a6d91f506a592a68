#pragma once

#include <QWidget>

class QTimer;
class QtFormControls;
class FormControls;

// The checkup window: built from the design table, with its controls wired
// to the checkup handlers. One window serves one examinee at a time.
class Form3 final : public QWidget {
public:
    explicit Form3(QWidget *parent = nullptr);

    // The window as the handlers see it (tests and benchmarks use it too).
    FormControls &controls();

private:
    // First tick after start-up: the caret goes to the height field, once.
    void TmrDelay_Timer();

    QtFormControls *m_controls = nullptr;
    QTimer *m_tmrDelay = nullptr;
};
