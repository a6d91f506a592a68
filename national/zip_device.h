#pragma once

#include <QIODevice>

#include <zip.h>

// A libzip source that reads a Qt device: a file opened by Qt (whose name
// Qt passes to the system in its own way on each system) or a buffer.
// The device must outlive the archive opened on it.
zip_source_t *zipSourceOn(QIODevice &device, zip_error_t *error);
