#pragma once

#include <QWidget>

// The checkup window's content shown with the fewest objects any Qt program
// needs for it: one widget paints every caption and frame line at its place
// with its font size, read from the window's own design table, and only the
// 22 controls a user works (9 fields, 10 option buttons, 3 buttons) are
// widgets. It handles no event of its own; it exists to be timed.
class SameContentFloor final : public QWidget {
public:
    SameContentFloor();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The family the design's font resolves to on this machine, asked once;
    // every size is then a plain font of that family.
    QFont fontOf(double pointSize) const;

    QString m_family;
};
