#pragma once

#include <QObject>

class CommandButton;
class JudgedResults;
class QLabel;
class QWidget;

// Draws the judged results on the window whenever they change: the result
// labels black while current and grey once out of date, their explanations
// as tooltips and after their captions in their accessible descriptions, and
// the button of the band judged held down while the results are current.
class ResultsView final : public QObject {
public:
    ResultsView(QWidget &window, const JudgedResults &results);

private:
    void draw();

    const JudgedResults &m_results;
    QLabel *m_labels[2] = {};             // Label37, Label15
    CommandButton *m_bandButtons[2] = {}; // in AgeBand order
};
