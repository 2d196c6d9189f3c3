#pragma once

// Pins what the window's fixed pixel layout was drawn for, whatever the
// desktop prefers: the Fusion style with its own palette, and Liberation Sans
// at 10 pixels, which fits every caption in its label and a line of text in a
// 19-pixel box. Call once, after creating the QApplication and before
// creating the Window.
void ApplyWindowLook();
