#pragma once

#include <QLineEdit>

// A one-line input box whose KeyPress handler is the Enter trigger: a key
// whose character code is 13 (Return, or the keypad's Enter) emits
// enterPressed() before the box sees the key, and the box then handles the
// key unchanged. Every other key only edits the text.
class InputBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    // Connected directly: returns when the run it starts has ended.
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
