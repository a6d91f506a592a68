#pragma once

class QLabel;

// How a result label shows that it no longer belongs to the values on
// screen: its text grey (kOutdatedResult, readable on the window's grey) and
// struck through, a second sign that does not rest on colour; black and
// plain again once it is current.
void setOutdatedLook(QLabel &result, bool outdated);
