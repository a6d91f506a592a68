#include "app/form_builder.h"

#include "app/fonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <limits>

namespace {

using Layout::Align;
using Layout::ControlDesign;
using Layout::Kind;

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

void paintBackground(QWidget *widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, toColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget *makeFrame(const ControlDesign &d, QWidget *parent)
{
    auto *frame = new QGroupBox(QString::fromUtf8(d.caption), parent);
    // A flat grey frame whose caption sits in its top border, as on the
    // paper form; the style's own group box would tint the inside.
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox#%1 { background-color: %2; border: 1px solid gray; margin-top: 0.5em; }"
        "QGroupBox#%1::title { subcontrol-origin: margin; left: 8px; padding: 0 2px; }")
                             .arg(QLatin1String(d.name), toColor(Layout::kWindowBackground).name()));
    paintBackground(frame, QPalette::Window, Layout::kWindowBackground);
    return frame;
}

QWidget *makeLabel(const ControlDesign &d, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(d.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(horizontal(d.align) | Qt::AlignTop);
    if (d.border) {
        // Sunken, so the border keeps its grey when a judgement colours the text.
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    paintBackground(label, QPalette::Window, Layout::kWindowBackground);
    return label;
}

QWidget *makeCaptionBox(const ControlDesign &d, QWidget *parent)
{
    auto *box = new QLabel(QString::fromUtf8(d.caption), parent);
    box->setTextFormat(Qt::PlainText);
    box->setAlignment(horizontal(d.align) | Qt::AlignVCenter);
    paintBackground(box, QPalette::Window, Layout::kWindowBackground);
    return box;
}

QWidget *makeTextBox(const ControlDesign &, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setMaxLength(std::numeric_limits<int>::max()); // no limit on what may be typed or pasted
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Numbers are typed half-width even while a Japanese input method is on.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, toColor(Layout::kEntryBackground));
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
    return field;
}

QWidget *makeOptionButton(const ControlDesign &d, QWidget *parent)
{
    auto *option = new QRadioButton(parent);
    option->setChecked(QByteArrayView(d.caption) == "1");
    // Transparent: the grey of its frame shows around the indicator.
    return option;
}

QWidget *makeCommandButton(const ControlDesign &d, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(d.caption), parent);
    button->setAutoDefault(false);
    if (d.background) {
        paintBackground(button, QPalette::Button, *d.background);
        // Windows' native style draws every button in the system's colour and
        // ignores the palette; Fusion draws the design's green and pink.
        QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(button);
        button->setStyle(style);
    }
    return button;
}

QWidget *makeControl(const ControlDesign &d, QWidget *parent)
{
    switch (d.kind) {
    case Kind::Frame: return makeFrame(d, parent);
    case Kind::Label: return makeLabel(d, parent);
    case Kind::CaptionBox: return makeCaptionBox(d, parent);
    case Kind::TextBox: return makeTextBox(d, parent);
    case Kind::OptionButton: return makeOptionButton(d, parent);
    case Kind::CommandButton: return makeCommandButton(d, parent);
    }
    return nullptr;
}

QWidget *containerOf(QWidget &window, const ControlDesign &d)
{
    if (QByteArrayView(d.container) == Layout::kWindowName)
        return &window;
    auto *container = window.findChild<QWidget *>(QLatin1String(d.container));
    Q_ASSERT_X(container, "buildControls", d.container);
    return container;
}

// The stand-in fonts set Latin letters wider than the checkup form's own
// font, so a few captions ("HbA1c(NGSP)") would lose their last letters to
// the box or to the field beside them. Such a caption is drawn condensed just
// enough to fit; its box and point size stay as designed.
void condenseToFit(QLabel *label)
{
    const int advance = QFontMetrics(label->font()).horizontalAdvance(label->text());
    const int room = label->contentsRect().width();
    if (advance <= room || advance == 0)
        return;
    QFont font = label->font();
    font.setStretch(std::max(50, room * 100 / advance));
    label->setFont(font);
}

} // namespace

void buildControls(QWidget &window, std::span<const ControlDesign> design)
{
    for (const ControlDesign &d : design) {
        QWidget *control = makeControl(d, containerOf(window, d));
        control->setObjectName(QLatin1String(d.name));
        control->setFont(designFont(d.fontPt));
        control->setGeometry(Layout::pixels(d.left), Layout::pixels(d.top), Layout::pixels(d.width),
                             Layout::pixels(d.height));
        if (auto *label = qobject_cast<QLabel *>(control))
            condenseToFit(label);
    }
}

void applyTabOrder(QWidget &window, std::span<const char *const> order)
{
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *control = window.findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT_X(control, "applyTabOrder", name);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
