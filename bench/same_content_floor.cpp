#include "same_content_floor.h"

#include "app/fonts.h"
#include "app/form_layout.h"
#include "app/palette.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <qdrawutil.h>

#include <map>
#include <string_view>

namespace {

using Layout::ControlDesign;
using Layout::Kind;

Qt::Alignment horizontal(Layout::Align align)
{
    switch (align) {
    case Layout::Align::Left: return Qt::AlignLeft;
    case Layout::Align::Centre: return Qt::AlignHCenter;
    case Layout::Align::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QRect pixelRect(const ControlDesign &d, QPoint origin)
{
    return QRect(origin.x() + Layout::pixels(d.left), origin.y() + Layout::pixels(d.top), Layout::pixels(d.width),
                 Layout::pixels(d.height));
}

// Every control's place in window coordinates, calling `visit` in design
// order (containers before what they hold, the lower sibling first).
template <typename Visit> void forEachPlaced(Visit &&visit)
{
    std::map<std::string_view, QPoint> origins{{Layout::kWindowName, QPoint()}};
    for (const ControlDesign &d : Layout::form3Design()) {
        const QRect rect = pixelRect(d, origins.at(d.container));
        if (d.kind == Kind::Frame)
            origins.emplace(d.name, rect.topLeft());
        visit(d, rect);
    }
}

void paintFrame(QPainter &painter, const ControlDesign &d, const QRect &rect)
{
    // A flat grey frame whose line runs half a caption line below its top,
    // the caption drawn over the line.
    painter.fillRect(rect, toColor(kWindowBackground));
    const int lineY = rect.top() + painter.fontMetrics().height() / 2;
    painter.setPen(Qt::gray);
    painter.drawRect(QRect(QPoint(rect.left(), lineY), rect.bottomRight()).adjusted(0, 0, -1, -1));
    if (*d.caption == '\0')
        return;
    painter.setPen(Qt::black);
    painter.setBackground(toColor(kWindowBackground));
    painter.setBackgroundMode(Qt::OpaqueMode); // the line stops behind the caption
    painter.drawText(QPoint(rect.left() + 10, rect.top() + painter.fontMetrics().ascent()),
                     QString::fromUtf8(d.caption));
    painter.setBackgroundMode(Qt::TransparentMode);
}

void paintCaption(QPainter &painter, const ControlDesign &d, const QRect &rect, const QPalette &palette)
{
    if (d.border)
        qDrawShadePanel(&painter, rect, palette, true, 1);
    const Qt::Alignment vertical = d.kind == Kind::CaptionBox ? Qt::AlignVCenter : Qt::AlignTop;
    painter.drawText(rect, int(horizontal(d.align) | vertical), QString::fromUtf8(d.caption));
}

} // namespace

SameContentFloor::SameContentFloor() : m_family(QFontInfo(designFont(Layout::kWindowFontPt)).family())
{
    setFixedSize(Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, toColor(kWindowBackground));
    setPalette(grey);
    setAutoFillBackground(true);

    forEachPlaced([this](const ControlDesign &d, const QRect &rect) {
        QWidget *control = nullptr;
        if (d.kind == Kind::TextBox) {
            auto *field = new QLineEdit(this);
            field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, toColor(kEntryBackground));
            field->setPalette(palette);
            control = field;
        } else if (d.kind == Kind::OptionButton) {
            // All buttons share one parent here, so the groups are not kept
            // apart by frames: each keeps its own start state instead.
            auto *option = new QRadioButton(this);
            option->setAutoExclusive(false);
            option->setChecked(std::string_view(d.caption) == "1");
            control = option;
        } else if (d.kind == Kind::CommandButton) {
            auto *button = new QPushButton(QString::fromUtf8(d.caption), this);
            if (d.background) {
                QPalette palette = button->palette();
                palette.setColor(QPalette::Button, toColor(*d.background));
                button->setPalette(palette);
            }
            control = button;
        }
        if (control) {
            control->setFont(fontOf(d.fontPt));
            control->setGeometry(rect);
        }
    });
}

QFont SameContentFloor::fontOf(double pointSize) const
{
    QFont font(m_family);
    font.setPointSizeF(pointSize);
    return font;
}

void SameContentFloor::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    forEachPlaced([&](const ControlDesign &d, const QRect &rect) {
        if (d.kind != Kind::Frame && d.kind != Kind::Label && d.kind != Kind::CaptionBox)
            return;
        painter.setFont(fontOf(d.fontPt));
        if (d.kind == Kind::Frame)
            paintFrame(painter, d, rect);
        else
            paintCaption(painter, d, rect, palette());
    });
}
