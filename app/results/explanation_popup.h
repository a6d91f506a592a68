#pragma once

#include <QLabel>

class JudgedResults;

// F1 anywhere in the window shows why the results are what they are: the
// explanations of both result labels (their tooltips), each under the caption
// beside its label, and the keys of the buttons, in a note by the results.
// Before a judgement it says in one short line that there is nothing to
// explain yet. The note never takes the focus, so the field being filled in
// keeps it (and keeps its judged colour); Esc, any other key, or a click
// anywhere closes it. Esc is spent on closing it; a click goes on to what it
// was meant for, even where it lands on the note.
class ExplanationPopup final : public QLabel {
    Q_OBJECT
public:
    ExplanationPopup(QWidget &window, const JudgedResults &results);

    void showExplanations();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString explanations() const;
    void place();
    int widestLine() const;

    QWidget &m_window;
    const JudgedResults &m_results;
};
