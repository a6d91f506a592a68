#pragma once

#include <QWidget>

class QTimer;
class QtFormControls;
class FormControls;
class FormScrollArea;

// The checkup window: built from the design table, with its controls wired
// to the checkup handlers. One window serves one examinee at a time.
//
// The design's frames and controls stand in the form's content. Where the
// screen holds the whole form the window shows it at its fixed design size;
// where it does not, the window is as large as the screen allows and shows
// the content through a scroll area (form_scroll_area.h).
class Form3 final : public QWidget {
public:
    explicit Form3(QWidget *parent = nullptr);

    // The window as the handlers see it (tests and benchmarks use it too).
    FormControls &controls();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // First tick after start-up: the caret goes to the height field, once.
    void TmrDelay_Timer();

    // The fixed design size where the screen holds it; else as much of it as
    // the screen holds, with the scroll area.
    void sizeForScreen(QSize design);

    FormScrollArea *m_scrollArea = nullptr;
    QtFormControls *m_controls = nullptr;
    QTimer *m_tmrDelay = nullptr;
};
