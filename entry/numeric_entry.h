#pragma once

#include "state/form_controls.h"

#include <QString>
#include <QStringView>

#include <optional>

// Whether a character may stay in a numeric field: digits, ".", control
// characters, and "-" only as the field's first character. Compared by UTF-16
// code unit, so full-width digits and each half of a surrogate pair go.
// Asked of every character of a field on every change, so written here,
// where the loops that ask it can take it in.
constexpr bool mayStayInNumericField(char16_t codeUnit, bool isFirstKept)
{
    if (codeUnit < u' ')
        return true; // control characters can only be pasted; they stay
    if (codeUnit == u'-')
        return isFirstKept;
    return codeUnit == u'.' || (codeUnit >= u'0' && codeUnit <= u'9');
}

// The text that the field ends with once every character that may not stay
// has been removed, left to right. A "-" stays only where no kept character
// stands before it ("a-5" gives "-5", "\t-5" gives "\t5", "--5" gives "-5").
QString cleanedNumericText(QStringView text);

// Whether every character of the text may stay (the text is its own clean
// text); checked without building a copy, as on every keystroke.
bool isCleanNumericText(QStringView text);

// The sanitiser that ends each numeric field's change handling. When the text
// holds characters that may not stay, the clean text is assigned once (its own
// change handling then evaluates the clean text and finds nothing to remove),
// the caret goes to the end and the field takes the focus.
void CleanNumericText(FormControls &form, Field field);

// The field that Enter moves on to (the Field enum is in the order of the
// chain), or none for the last field, which keeps the line edit's own
// handling of Enter and so has no key handler.
constexpr std::optional<Field> nextInEnterChain(Field field)
{
    const auto next = std::size_t(field) + 1;
    if (next == kFieldCount)
        return std::nullopt;
    return Field(next);
}

// Key handling of the numeric fields: Enter (code 13) is swallowed by setting
// the code to 0 and moves the focus to the next field of the chain.
void Text9_KeyPress(FormControls &form, char16_t &keyAscii);
void Text10_KeyPress(FormControls &form, char16_t &keyAscii);
void Text12_KeyPress(FormControls &form, char16_t &keyAscii);
void Text1_KeyPress(FormControls &form, char16_t &keyAscii);
void Text2_KeyPress(FormControls &form, char16_t &keyAscii);
void Text6_KeyPress(FormControls &form, char16_t &keyAscii);
void Text7_KeyPress(FormControls &form, char16_t &keyAscii);
void Text4_KeyPress(FormControls &form, char16_t &keyAscii);

// A field that takes the focus shows its text in black again, undoing a
// judgement's marking on the value the user is about to edit. The weight,
// which a judgement never marks, has no such handling.
void Text9_GotFocus(FormControls &form);
void Text12_GotFocus(FormControls &form);
void Text1_GotFocus(FormControls &form);
void Text2_GotFocus(FormControls &form);
void Text6_GotFocus(FormControls &form);
void Text7_GotFocus(FormControls &form);
void Text4_GotFocus(FormControls &form);
void Text5_GotFocus(FormControls &form);
