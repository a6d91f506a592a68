#include "app/record_copy.h"

#include "state/design_names.h"
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

RecordCopy::RecordCopy(QWidget &window) : QObject(&window)
{
    m_copyRow = new QAction(QStringLiteral("結果をコピー"), this);
    m_copyRow->setObjectName(QStringLiteral("copyJudgedRecord"));
    m_copyRow->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m_copyRow->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_copyRow);
    connect(m_copyRow, &QAction::triggered, this, [this] { copy(false); });

    m_copyWithHeadings = new QAction(QStringLiteral("見出し付きでコピー"), this);
    m_copyWithHeadings->setObjectName(QStringLiteral("copyJudgedRecordWithHeadings"));
    connect(m_copyWithHeadings, &QAction::triggered, this, [this] { copy(true); });

    m_menu = new QMenu(&window);
    m_menu->setObjectName(QStringLiteral("judgedRecordMenu"));
    m_menu->addAction(m_copyRow);
    m_menu->addAction(m_copyWithHeadings);
    for (const Readout label : kResultLabels) {
        auto *result = window.findChild<QLabel *>(QLatin1String(designName(label)));
        Q_ASSERT_X(result, "RecordCopy", designName(label));
        result->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(result, &QWidget::customContextMenuRequested, m_menu,
                [this, result](const QPoint &at) { m_menu->popup(result->mapToGlobal(at)); });
    }
    keep({});
}

void RecordCopy::keep(const QStringList &row)
{
    m_row = row;
    m_copyRow->setEnabled(!m_row.isEmpty());
    m_copyWithHeadings->setEnabled(!m_row.isEmpty());
}

void RecordCopy::copy(bool withHeadings) const
{
    if (m_row.isEmpty())
        return;
    QString text = tabSeparatedLine(m_row);
    if (withHeadings)
        text = tabSeparatedLine(judgedRecordHeadings()) + u'\n' + text;
    QGuiApplication::clipboard()->setText(text);
}
