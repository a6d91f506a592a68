#pragma once

#include "app/window/form_layout.h"

class QWidget;

// Builds the controls of the design table as children of `window`, each with
// its design name as objectName, placed in twips converted to pixels.
void buildControls(QWidget &window, std::span<const Layout::ControlDesign> design);

// Chains the tab order through the controls that take the focus, in the
// order of the design table.
void applyTabOrder(QWidget &window, std::span<const Layout::ControlDesign> design);
