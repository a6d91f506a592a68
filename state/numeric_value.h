#pragma once

#include <QStringView>

// The one conversion from a field's text or a label's caption to a number.
//
// Reads the leading number of the text, so that whatever a field holds has a
// value and no entry is ever refused: blanks, tabs and line feeds are skipped
// wherever they stand (also between digits), then an optional sign, digits,
// at most one decimal point and an optional exponent written with "E" or "D"
// (either case, optional sign).
// Reading stops at the first character that cannot continue the number, so
// "12.5.3" reads 12.5 and "1,5" reads 1: "." is the decimal separator in every
// locale and a comma is no separator at all. A text without a leading number
// ("", "-", ".", "Label4") reads 0.
//
// It never fails. A number too large for a double reads as an infinity of its
// sign (so "1e400" compares above every threshold, as the written value does);
// one too small to represent reads as a zero of its sign.
double NumericValue(QStringView text);
