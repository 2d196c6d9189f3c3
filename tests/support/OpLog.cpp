#include "OpLog.h"

#include <cstdio>

namespace Testing {

std::string Printable(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u'\\') {
            out += "\\\\";
        } else if (c >= 0x20 && c < 0x7f) {
            out.push_back(static_cast<char>(c));
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            out += code;
        }
    }
    return out;
}

}  // namespace Testing
