#include "app/results/results_menu.h"

#include "app/results/explanation_popup.h"
#include "app/results/judged_results.h"
#include "app/results/record_copy.h"
#include "app/window/find_control.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr Readout kResultLabels[] = {Readout::Label37, Readout::Label15};

} // namespace

ResultsMenu::ResultsMenu(QWidget &window, const JudgedResults &results, const RecordCopy &copy, ExplanationPopup &note)
    : QObject(&window), m_window(window)
{
    m_resultsMenu = new QMenu(&window);
    m_resultsMenu->setObjectName(QStringLiteral("judgedRecordMenu"));
    for (QAction *item : copy.menuItems())
        addItem(item);
    // The menu item shows F1; its own shortcut acts only while the open
    // menu has the focus, so it never competes with the window's F1.
    auto *explain = new QAction(QStringLiteral("結果の理由"), this);
    explain->setObjectName(QStringLiteral("explainResultsItem"));
    explain->setShortcut(QKeySequence(Qt::Key_F1));
    explain->setShortcutContext(Qt::WidgetShortcut);
    connect(explain, &QAction::triggered, &note, &ExplanationPopup::showExplanations);
    explain->setEnabled(results.hasJudgement());
    connect(&results, &JudgedResults::changed, explain,
            [explain, &results] { explain->setEnabled(results.hasJudgement()); });
    addItem(explain);

    for (const Readout label : kResultLabels) {
        QLabel *result = findControl<QLabel>(window, label);
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, m_resultsMenu,
                [this, result](const QPoint &at) { m_resultsMenu->popup(result->mapToGlobal(at)); });
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QLineEdit *field = findControl<QLineEdit>(window, Field(i));
        m_fields << field;
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, field](const QPoint &at) { openForField(*field, at); });
    }

    // The keyboard's menu keys open the menu of the control that has the
    // focus: a field's own, or the results' at the results.
    auto *openMenu = new QAction(this);
    openMenu->setObjectName(QStringLiteral("openJudgedRecordMenu"));
    openMenu->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    openMenu->setShortcutContext(Qt::WindowShortcut);
    window.addAction(openMenu);
    connect(openMenu, &QAction::triggered, this, &ResultsMenu::openFromKeyboard);
}

void ResultsMenu::addItem(QAction *item)
{
    m_items << item;
    m_resultsMenu->addAction(item);
}

// The field's editing items (undo, cut, copy, paste, …) first, as in any
// text field, then the results'.
void ResultsMenu::openForField(QLineEdit &field, const QPoint &at)
{
    QMenu *menu = field.createStandardContextMenu();
    menu->setObjectName(QStringLiteral("fieldMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addActions(m_items);
    menu->popup(field.mapToGlobal(at));
}

// At the lower left corner of the first result label, where a right click
// on it would open the menu.
void ResultsMenu::openAtResults() const
{
    const QLabel *result = findControl<QLabel>(m_window, kResultLabels[0]);
    m_resultsMenu->popup(result->mapToGlobal(result->rect().bottomLeft()));
}

void ResultsMenu::openFromKeyboard()
{
    for (QLineEdit *field : m_fields) {
        if (field->hasFocus()) {
            openForField(*field, field->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft());
            return;
        }
    }
    openAtResults();
}
