#pragma once

#include <QIODevice>

// The most entries a zip archive's end records claim, read before libzip
// reads its directory: libzip holds a few hundred bytes for each entry it
// lists, so an archive claiming millions is refused before it is listed.
// Every end record found in the archive's last 64 KiB counts (a comment can
// hold one that libzip does not take), and for a zip64 archive its own end
// record. 0 when there is none: libzip then says what is wrong.
quint64 claimedEntries(QIODevice &device);
