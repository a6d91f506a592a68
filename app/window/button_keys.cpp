#include "app/window/button_keys.h"

#include "app/window/command_button.h"
#include "app/window/find_control.h"
#include "state/design_names.h"

#include <QAction>
#include <QKeySequence>
#include <QStringList>

namespace {

struct ButtonKey {
    Command command;
    QKeyCombination key;
};
constexpr ButtonKey kButtonKeys[] = {
    {Command::Command1, Qt::ALT | Qt::Key_4},
    {Command::Command2, Qt::ALT | Qt::Key_6},
    {Command::Command3, Qt::ALT | Qt::Key_R},
};

QString keyName(QKeyCombination key) { return QKeySequence(key).toString(QKeySequence::NativeText); }

} // namespace

void giveButtonsKeys(QWidget &window)
{
    for (const auto &[command, key] : kButtonKeys) {
        auto *button = findControl<CommandButton>(window, command);
        auto *press = new QAction(button);
        press->setObjectName(QLatin1String(designName(command)) + QStringLiteral("Key"));
        press->setShortcut(QKeySequence(key));
        press->setShortcutContext(Qt::WindowShortcut);
        window.addAction(press);
        // click(), not the button's own shortcut, which would take the focus
        // from the field being filled in.
        QObject::connect(press, &QAction::triggered, button, &QAbstractButton::click);
        button->setKeyName(keyName(key));
    }
}

QString buttonKeysLine(QWidget &window)
{
    QStringList keys;
    for (const auto &[command, key] : kButtonKeys)
        keys << findControl<QAbstractButton>(window, command)->text() + u' ' + keyName(key);
    return QStringLiteral("キー: ") + keys.join(QStringLiteral("、"));
}
