#pragma once

class QWidget;

// A window of fixed size offers no maximise button: its title bar has the
// system menu, minimise and close, on Linux and on Windows alike.
void offerNoMaximise(QWidget &window);
