#pragma once

#include <QLineEdit>

// An entry field that never shows part of its number while it lacks the
// focus: a value wider than the field ("63.872" in the weight field) is drawn
// cut short with "…" at its end, as the displays are (eliding_label.h),
// instead of scrolled so that its first digits are hidden and it reads as
// another number ("3.872"). While the field has the focus it is an ordinary
// line edit and shows the whole text to edit. Only the drawing changes:
// text(), the caret and what a screen reader reads keep the whole value.
class ElidingField final : public QLineEdit {
    Q_OBJECT
public:
    explicit ElidingField(QWidget *parent = nullptr);

    // The text as drawn: the whole text while edited or where it fits, else
    // its elided form.
    QString drawnText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where QLineEdit sets its text: the contents less the text margins and
    // the line edit's own small inset at either side.
    QRect textRect() const;
};
