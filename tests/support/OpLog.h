#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Testing {

// The visible operations of a run, one line each ("Patterns.AddItem ab",
// "RpPatterns.List 2 = ab", "KWDS.Refresh", "Excep.Text = a**!"), in the order
// they were made. Reads of list entries and counts are not logged: a view
// cannot see them.
using OpLog = std::vector<std::string>;

// Text as printable ASCII: every other 16-bit unit as \uXXXX, "\" as "\\".
// Exact and reversible, so two logs are equal exactly when the texts are.
std::string Printable(std::u16string_view text);

}  // namespace Testing
