#pragma once

#include <Controls.h>

class PaintPacer;
class QLineEdit;

// A QLineEdit as the analysis sees a text box. Both hold UTF-16, so the text
// passes through unchanged, whatever its characters.
class LineEditTextBox : public Engine::TextBox {
public:
    LineEditTextBox(QLineEdit& edit, PaintPacer& pacer) : edit_(edit), pacer_(pacer) {}

    std::u16string Text() const override;
    // Shows the text from its start.
    void SetText(std::u16string_view text) override;
    // Paints the box at once, unless the window painted within this frame.
    void Refresh() override;

private:
    QLineEdit& edit_;
    PaintPacer& pacer_;
};
