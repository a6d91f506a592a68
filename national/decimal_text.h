#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

// Numbers as a laboratory writes them ("150", "5.6", "5.60"), held as their
// text and compared and stepped digit by digit: a double cannot hold every
// digit a file may write, and a bound must be settled exactly.

// The order of two unsigned decimals ("5.60" equals "5.6", "040" equals
// "40"). Both must be digits with at most one point between digits.
std::strong_ordering compareDecimals(QStringView a, QStringView b);

// A number with `decimals` places on the same side as every number the
// bound allows: at least `written` gives the smallest such number not below
// it ("150.2" gives "151" in whole numbers), below `written` the largest
// such number under it ("40" gives "39", "5.6" gives "5.5" in tenths).
// None where that number would not be above zero: a value below such a
// bound is no measurement.
std::optional<QString> numberOnSideOf(QStringView written, bool atLeast, int decimals);

// A number written with an exponent, as HL7's real allows ("5.0E1"), as a
// plain decimal ("50"), the digits after the point kept as written; any
// other text as it is. An exponent too large to be a measurement is left
// as written, for the reading to refuse.
QString plainDecimal(const QString &written);
