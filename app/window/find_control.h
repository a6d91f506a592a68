#pragma once

#include "state/design_names.h"

#include <QWidget>

// The control of the window with the design name of `key` (a Field, Readout,
// Option or Command): every part of the window finds its controls this way.
template <typename T = QWidget, typename Key> T *findControl(QWidget &window, Key key)
{
    T *control = window.findChild<T *>(QLatin1String(designName(key)));
    Q_ASSERT_X(control, "findControl", designName(key));
    return control;
}
