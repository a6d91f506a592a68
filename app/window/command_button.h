#pragma once

#include <QPushButton>

// A command button of the form. Enter presses it as Space does (staff who
// move through the fields with Enter press the judgement button the same
// way), once per key press. A judgement button can be drawn held down, to
// show that the results on screen are its band's: pressed in and framed in
// black inside its edge, in its own colour and caption. It stays an ordinary
// push button for the keyboard, the mouse and a screen reader, which hears
// the held state in its description.
class CommandButton final : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString &caption, QWidget *parent);

    void setHeld(bool held);
    bool isHeld() const { return m_held; }
    // The key that presses the button from anywhere in the window, named in
    // its tooltip and its description for a screen reader.
    void setKeyName(const QString &key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    bool m_held = false;
    QString m_key;
};
