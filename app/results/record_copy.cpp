#include "app/results/record_copy.h"

#include "app/results/judged_results.h"
#include "app/window/find_control.h"
#include "words/notices.h"
#include "words/record_row.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace {

// The result labels, whose context menu offers the record.
constexpr Readout kResultLabels[] = {Readout::Label37, Readout::Label15};

} // namespace

RecordCopy::RecordCopy(QWidget &window, const JudgedResults &results)
    : QObject(&window), m_results(results), m_window(window)
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

    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("judgedRecordMenu"));
    m_menu->addAction(m_copyRow);
    m_menu->addAction(m_copyWithHeadings);
    for (const Readout label : kResultLabels) {
        QLabel *result = findControl<QLabel>(window, label);
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, m_menu,
                [this, result](const QPoint &at) { m_menu->popup(result->mapToGlobal(at)); });
    }

    // The keyboard's menu keys open the record menu from any control, a
    // field included, whose own editing menu they would otherwise open.
    auto *openMenu = new QAction(this);
    openMenu->setObjectName(QStringLiteral("openJudgedRecordMenu"));
    openMenu->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    openMenu->setShortcutContext(Qt::WindowShortcut);
    window.addAction(openMenu);
    connect(openMenu, &QAction::triggered, this, &RecordCopy::openMenuAtResults);

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
        refuse(nothingToCopyNotice());
        return;
    }
    if (m_results.isOutdated()) {
        refuse(outdatedResultsNotice());
        return;
    }
    QString text = tabSeparatedLine(m_results.record());
    if (withHeadings)
        text = tabSeparatedLine(judgedRecordHeadings()) + text;
    QGuiApplication::clipboard()->setText(text);
    m_copied = text;
    emit notice(copiedNotice());
}

void RecordCopy::refuse(const QString &why)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (m_copied.isEmpty() || clipboard->text() != m_copied) {
        emit notice(why);
        return;
    }
    clipboard->clear();
    m_copied.clear();
    emit notice(why + u' ' + staleRowRemovedNotice());
}

// At the lower left corner of the first result label, where a right click
// on it would open the menu.
void RecordCopy::openMenuAtResults() const
{
    const QLabel *result = findControl<QLabel>(m_window, kResultLabels[0]);
    m_menu->popup(result->mapToGlobal(result->rect().bottomLeft()));
}
