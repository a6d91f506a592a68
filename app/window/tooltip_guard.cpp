#include "app/window/tooltip_guard.h"

#include "app/window/note_placement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The window system hands every click on the note to the window beneath.
// Set once the note is on the screen: Qt's X11 window of a tooltip is made
// anew when it is first shown and keeps the flag without its effect, so the
// flag is cleared and set again, which applies it to the window that shows.
void letClicksThrough(QWidget &tip)
{
    QWindow *handle = tip.windowHandle();
    if (!handle || !tip.isVisible())
        return;
    handle->setFlag(Qt::WindowTransparentForInput, false);
    handle->setFlag(Qt::WindowTransparentForInput, true);
}

} // namespace

TooltipGuard::TooltipGuard(QWidget &window) : QObject(&window), m_window(window) { qApp->installEventFilter(this); }

bool TooltipGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Move)
        return false;
    auto *tip = qobject_cast<QWidget *>(watched);
    if (!tip || !tip->isWindow() || tip->windowType() != Qt::ToolTip)
        return false;
    // Not on Windows, where a window shown before it let clicks through would
    // be made a layered window that may not show at all; there Qt's tooltip
    // keeps its own way, moved off the buttons below.
    if (event->type() == QEvent::Show && QGuiApplication::platformName() != QLatin1String("windows"))
        QTimer::singleShot(0, tip, [tip] { letClicksThrough(*tip); });
    // Qt's own tooltips only: the explanations of F1 place themselves.
    if (tip->inherits("QTipLabel") && m_window.isVisible() && tip->screen()) {
        const QList<QRect> buttons = buttonsToKeepClear(m_window);
        const QPoint at = placeNote(tip->size(), tip->pos(), buttons, tip->screen()->availableGeometry());
        if (at != tip->pos())
            tip->move(at); // a Move of its own, which finds the place already clear
    }
    return false;
}
