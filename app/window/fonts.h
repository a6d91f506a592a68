#pragma once

#include <QFont>

// The checkup form's font, "ＭＳ Ｐゴシック", at the given point size. Where
// the machine lacks it (every Linux desktop), a Japanese proportional gothic
// stands in so that no caption shows as empty boxes.
QFont designFont(double pointSize);
