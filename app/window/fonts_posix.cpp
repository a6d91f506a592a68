#include "app/window/fonts_system.h"

// The Debian package depends on fonts-ipafont-gothic: nothing is shipped.
QString shippedFontFile() { return {}; }
