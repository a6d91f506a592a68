#include "app/window/focus_mark.h"

#include "app/window/form_layout.h"
#include "app/window/palette.h"

#include <QApplication>
#include <QPainter>

FocusMark::FocusMark(QWidget &content) : QWidget(&content), m_content(content)
{
    setObjectName(QLatin1String(Layout::kFocusMarkName));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusMark::follow(QWidget *focused)
{
    if (!focused || !m_content.isAncestorOf(focused)) {
        hide();
        return;
    }
    const QRect control(focused->mapTo(&m_content, QPoint(0, 0)), focused->size());
    const int ring = Layout::kFocusMarkPx;
    setGeometry(control.adjusted(-ring, -ring, ring, ring));
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent *)
{
    // Four strips along the edges; the control inside is left as it is.
    QPainter painter(this);
    const QColor colour = toColor(kFocusMark);
    const int ring = Layout::kFocusMarkPx;
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, ring, colour);
    painter.fillRect(0, h - ring, w, ring, colour);
    painter.fillRect(0, ring, ring, h - 2 * ring, colour);
    painter.fillRect(w - ring, ring, ring, h - 2 * ring, colour);
}
