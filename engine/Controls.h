#pragma once

#include "ResultList.h"

#include <string>
#include <string_view>

namespace Engine {

// A one-line text box as the analysis sees it.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::u16string Text() const = 0;
    virtual void SetText(std::u16string_view text) = 0;
    // Repaints the box at once, in the middle of a run.
    virtual void Refresh() = 0;
};

// The eight controls of the window that a run uses, and nothing else of it.
struct Controls {
    TextBox& Data;
    TextBox& KWL;
    ResultList& Patterns;
    ResultList& RpPatterns;
    ResultList& Use;
    ResultList& KWDS;
    TextBox& Excep;
    TextBox& RKeys;
};

}  // namespace Engine
