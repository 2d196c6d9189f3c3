#include "LineEditTextBox.h"

#include "PaintPacer.h"

#include <QLineEdit>

std::u16string LineEditTextBox::Text() const
{
    const QString text = edit_.text();
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

void LineEditTextBox::SetText(std::u16string_view text)
{
    edit_.setText(QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())));
    edit_.setCursorPosition(0);
}

void LineEditTextBox::Refresh()
{
    pacer_.Request(edit_);
}
