#include "entry/numeric_entry.h"

namespace {

constexpr char16_t kEnter = 13;

void moveOnFromEnter(FormControls &form, Field field, char16_t &keyAscii)
{
    if (keyAscii != kEnter)
        return;
    keyAscii = 0;
    if (const auto next = nextInEnterChain(field))
        form.setFocus(*next);
}

} // namespace

bool isCleanNumericText(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!mayStayInNumericField(text[i].unicode(), i == 0))
            return false;
    }
    return true;
}

QString cleanedNumericText(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (mayStayInNumericField(c.unicode(), kept.isEmpty()))
            kept.append(c);
    }
    return kept;
}

void CleanNumericText(FormControls &form, Field field)
{
    const QString &text = form.text(field);
    if (isCleanNumericText(text))
        return; // nothing to remove: caret and focus stay where they are
    // The clean text is made before the write, which replaces `text`.
    form.setText(field, cleanedNumericText(text));
    form.putCaretAtEnd(field);
    form.setFocus(field);
}

void Text9_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text9, keyAscii); }
void Text10_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text10, keyAscii); }
void Text12_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text12, keyAscii); }
void Text1_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text1, keyAscii); }
void Text2_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text2, keyAscii); }
void Text6_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text6, keyAscii); }
void Text7_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text7, keyAscii); }
void Text4_KeyPress(FormControls &form, char16_t &keyAscii) { moveOnFromEnter(form, Field::Text4, keyAscii); }

void Text9_GotFocus(FormControls &form) { form.setTextColour(Field::Text9, kBlack); }
void Text12_GotFocus(FormControls &form) { form.setTextColour(Field::Text12, kBlack); }
void Text1_GotFocus(FormControls &form) { form.setTextColour(Field::Text1, kBlack); }
void Text2_GotFocus(FormControls &form) { form.setTextColour(Field::Text2, kBlack); }
void Text6_GotFocus(FormControls &form) { form.setTextColour(Field::Text6, kBlack); }
void Text7_GotFocus(FormControls &form) { form.setTextColour(Field::Text7, kBlack); }
void Text4_GotFocus(FormControls &form) { form.setTextColour(Field::Text4, kBlack); }
void Text5_GotFocus(FormControls &form) { form.setTextColour(Field::Text5, kBlack); }
