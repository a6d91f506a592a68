#include "app/window/form_builder.h"

#include "app/window/command_button.h"
#include "app/window/eliding_field.h"
#include "app/window/eliding_label.h"
#include "app/window/fonts.h"
#include "app/window/frame_box.h"
#include "app/window/palette.h"
#include "state/design_names.h"

#include <QLabel>
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

Qt::Alignment horizontal(Align align)
{
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

QWidget *makeFrame(const ControlDesign &d, QWidget *parent)
{
    return new FrameBox(QString::fromUtf8(d.caption), parent);
}

// Caption labels, displays and the flat caption boxes over the drug columns
// ("なし", "あり"): plain text on the grey. A caption box centres its text
// vertically in its small box; a label sets it at the top, as its size leaves
// room for the text of its own font. Labels are transparent: the frame's grey
// shows through, painted once by the frame instead of again by every label.
QWidget *makeLabel(const ControlDesign &d, QWidget *parent)
{
    // A bordered label shows a value or a result: drawn elided, never cut,
    // where it is too long for its box.
    const QString caption = QString::fromUtf8(d.caption);
    QLabel *label = d.border ? new ElidingLabel(caption, parent) : new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    const Qt::Alignment vertical = d.kind == Kind::CaptionBox ? Qt::AlignVCenter : Qt::AlignTop;
    label->setAlignment(horizontal(d.align) | vertical);
    if (d.border) {
        // Sunken, so the border keeps its grey when a judgement colours the text.
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

// A number too long for its field is drawn elided while the field lacks the
// focus, never scrolled so that it reads as another number.
QWidget *makeTextBox(const ControlDesign &, QWidget *parent)
{
    auto *field = new ElidingField(parent);
    field->setMaxLength(std::numeric_limits<int>::max()); // no limit on what may be typed or pasted
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Numbers are typed half-width even while a Japanese input method is on.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    return field;
}

// Within an option group only the selected button is a Tab stop, so Tab
// and Shift+Tab always land on the choice that stands, never on the other
// button where Space would silently change it. The other button still takes
// the focus from the mouse and from the arrow keys, which select it.
void keepTabStopOnSelection(QRadioButton *option)
{
    const auto follow = [option](bool selected) {
        option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
    };
    follow(option->isChecked());
    QObject::connect(option, &QAbstractButton::toggled, option, follow);
}

bool isStartChoiceNamed(const char *name)
{
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (QByteArrayView(designName(Option(i))) == name)
            return isStartChoice(Option(i));
    }
    return false;
}

QWidget *makeOptionButton(const ControlDesign &d, QWidget *parent)
{
    auto *option = new QRadioButton(parent);
    option->setChecked(isStartChoiceNamed(d.name));
    keepTabStopOnSelection(option);
    // Transparent: the grey of its frame shows around the indicator.
    return option;
}

QWidget *makeCommandButton(const ControlDesign &d, QWidget *parent)
{
    auto *button = new CommandButton(QString::fromUtf8(d.caption), parent);
    button->setAutoFillBackground(true);
    // Windows' native style draws every button in the system's colour and
    // ignores the palette; Fusion draws the design's green, pink and grey.
    if (button->style()->name() != QLatin1String("fusion")) {
        QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        fusion->setParent(button);
        button->setStyle(fusion);
    }
    return button;
}

QWidget *makeControl(const ControlDesign &d, QWidget *parent)
{
    switch (d.kind) {
    case Kind::Frame: return makeFrame(d, parent);
    case Kind::Label: return makeLabel(d, parent);
    case Kind::CaptionBox: return makeLabel(d, parent);
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
    font.setStretch(std::max(Layout::kLeastCaptionStretchPercent, room * 100 / advance));
    label->setFont(font);
}

// Every control carries the whole palette of the form itself, not only the
// window, so that none of its colours is left to the desktop theme (a dark or
// high-contrast theme sets the application's palette) or to how Qt hands a
// palette down from container to control.
void colour(QWidget *control, const ControlDesign &d)
{
    QPalette palette = designPalette();
    if (d.kind == Kind::TextBox)
        palette.setColor(QPalette::Base, toColor(kEntryBackground));
    if (d.background)
        palette.setColor(QPalette::Button, toColor(*d.background));
    control->setPalette(palette);
}

} // namespace

void buildControls(QWidget &window, std::span<const ControlDesign> design)
{
    for (const ControlDesign &d : design) {
        QWidget *control = makeControl(d, containerOf(window, d));
        control->setObjectName(QLatin1String(d.name));
        colour(control, d);
        control->setFont(designFont(d.fontPt));
        control->setGeometry(Layout::pixels(d.left), Layout::pixels(d.top), Layout::pixels(d.width),
                             Layout::pixels(d.height));
        if (auto *label = qobject_cast<QLabel *>(control))
            condenseToFit(label);
    }
}

void applyTabOrder(QWidget &window, std::span<const ControlDesign> design)
{
    QWidget *previous = nullptr;
    for (const ControlDesign &d : design) {
        if (!Layout::takesTabStops(d.kind))
            continue;
        auto *control = window.findChild<QWidget *>(QLatin1String(d.name));
        Q_ASSERT_X(control, "applyTabOrder", d.name);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
