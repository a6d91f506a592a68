#pragma once

#include <QObject>
#include <QStringList>

class JudgedResults;
class QAction;
class QWidget;

// Offers the judged record for the clipboard, ready to paste into a
// spreadsheet or a record system: Ctrl+Shift+C anywhere in the window copies
// the row as one tab-separated line, and the window's context menu
// (results_menu.h) offers the same ("結果をコピー") and the row under its
// headings ("見出し付きでコピー"). Nothing is written anywhere but to the
// clipboard.
//
// Every copy says what it did through notice(). A refused copy also takes
// off the clipboard the row that Kalvemo copied last, if the clipboard still
// holds exactly that row: pasted into the sheet, it would put the previous
// examinee's results in this one's place. Nothing else on the clipboard is
// touched, and Reset leaves a copied row where it is (copy, Reset, paste is
// the desk's order). Until the first
// judgement, and after Reset, there is nothing to copy: the menu items are
// disabled, and the shortcut copies nothing and says so. While the results
// are out of date (the entries changed after the judgement), nothing is
// copied either and the line asks for a new judgement.
class RecordCopy final : public QObject {
    Q_OBJECT
public:
    // Copies the record row of the results' latest judgement.
    RecordCopy(QWidget &window, const JudgedResults &results);

    // The two copies, as items of the context menu.
    QList<QAction *> menuItems() const { return {m_copyRow, m_copyWithHeadings}; }

signals:
    void notice(const QString &message);

private:
    void copy(bool withHeadings);
    void refuse(const QString &why, const QString &whyAndRemoved);
    void offerWhatIsJudged();

    const JudgedResults &m_results;
    QString m_copied; // what the last copy put on the clipboard
    QAction *m_copyRow = nullptr;
    QAction *m_copyWithHeadings = nullptr;
};
