#include "app/results/record_copy.h"

#include "app/results/judged_results.h"
#include "words/notices.h"
#include "words/record_row.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

RecordCopy::RecordCopy(QWidget &window, const JudgedResults &results) : QObject(&window), m_results(results)
{
    setObjectName(QStringLiteral("recordCopy"));

    // The shortcut is always on, so that it can say why it copied nothing;
    // a disabled action would swallow the key without a word.
    auto *shortcut = new QAction(this);
    shortcut->setObjectName(QStringLiteral("copyJudgedRecordShortcut"));
    shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    shortcut->setShortcutContext(Qt::WindowShortcut);
    window.addAction(shortcut);
    connect(shortcut, &QAction::triggered, this, [this] { copy(false); });

    // The menu item shows the same key; its own shortcut only acts while the
    // open menu has the focus, so the two never compete.
    m_copyRow = new QAction(QStringLiteral("結果をコピー"), this);
    m_copyRow->setObjectName(QStringLiteral("copyJudgedRecord"));
    m_copyRow->setShortcut(shortcut->shortcut());
    m_copyRow->setShortcutContext(Qt::WidgetShortcut);
    connect(m_copyRow, &QAction::triggered, this, [this] { copy(false); });

    m_copyWithHeadings = new QAction(QStringLiteral("見出し付きでコピー"), this);
    m_copyWithHeadings->setObjectName(QStringLiteral("copyJudgedRecordWithHeadings"));
    connect(m_copyWithHeadings, &QAction::triggered, this, [this] { copy(true); });

    connect(&results, &JudgedResults::changed, this, &RecordCopy::offerWhatIsJudged);
    offerWhatIsJudged();
}

// The menu items stand disabled while there is nothing to copy.
void RecordCopy::offerWhatIsJudged()
{
    m_copyRow->setEnabled(m_results.hasJudgement());
    m_copyWithHeadings->setEnabled(m_results.hasJudgement());
}

// Only the row of results that are still current may be copied: one that
// no longer belongs to the entries on screen would put the wrong values in
// the sheet.
void RecordCopy::copy(bool withHeadings)
{
    if (!m_results.hasJudgement()) {
        refuse(nothingToCopyNotice(), staleRowRemovedNotice(false));
        return;
    }
    if (m_results.isOutdated()) {
        refuse(outdatedResultsNotice(), staleRowRemovedNotice(true));
        return;
    }
    QString text = tabSeparatedLine(m_results.record());
    if (withHeadings)
        text = tabSeparatedLine(judgedRecordHeadings()) + text;
    QGuiApplication::clipboard()->setText(text);
    m_copied = text;
    emit notice(copiedNotice());
}

void RecordCopy::refuse(const QString &why, const QString &whyAndRemoved)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (m_copied.isEmpty() || clipboard->text() != m_copied) {
        emit notice(why);
        return;
    }
    clipboard->clear();
    m_copied.clear();
    emit notice(whyAndRemoved);
}
