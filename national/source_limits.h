#pragma once

#include <QtGlobal>

// What an input may hold before it is refused. An archive is read from a
// stranger's disk or mail: these keep a crafted one from taking the desk's
// memory or time.

// More entries than this refuse the whole archive (or folder) unread.
inline constexpr qsizetype maxSourceEntries = 1'000'000;
// A checkup file is about 8 KB; no file of the input is read past this many
// bytes, counted as they are unpacked.
inline constexpr qsizetype maxFileBytes = 4 * 1024 * 1024;
// Deflate packs text about five to one; an entry that unpacks to more than
// this many times its packed size is a bomb, not a document.
inline constexpr qsizetype maxPackingRatio = 100;
