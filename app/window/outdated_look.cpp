#include "app/window/outdated_look.h"

#include "app/window/palette.h"
#include "state/colours.h"

#include <QLabel>

void setOutdatedLook(QLabel &result, bool outdated)
{
    setColourRole(result, QPalette::WindowText, outdated ? kOutdatedResult : kBlack);
    QFont font = result.font();
    font.setStrikeOut(outdated);
    result.setFont(font);
}
