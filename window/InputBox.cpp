#include "InputBox.h"

#include <QKeyEvent>

namespace {

// Return and the keypad's Enter carry character code 13 on every platform,
// even where the event arrives without its text.
bool IsCarriageReturn(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.text() == QStringLiteral("\r");
}

}  // namespace

void InputBox::keyPressEvent(QKeyEvent* event)
{
    if (IsCarriageReturn(*event))
        emit enterPressed();
    QLineEdit::keyPressEvent(event);
}
