#pragma once

#include <QLabel>

// A display label that never shows part of its text: where the text is wider
// than the label, it is drawn cut short with "…" at its end, so that a number
// too long for its box ("224913.5") cannot read as another number ("4913.5")
// as a label cut at its edge would. Only the drawing is shortened: text()
// and the accessible name keep the whole text. Text that fits is drawn by
// QLabel itself, pixel for pixel as on any other label.
class ElidingLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(const QString &text, QWidget *parent = nullptr);

    // The text as drawn: the whole text where it fits, else its elided form.
    QString drawnText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Where QLabel sets plain text: the contents less the margin and, on a
    // framed label without an indent of its own, half an "x" from each
    // aligned edge.
    QRect textRect() const;
};
