#include "Engine.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Engine {

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

double ReadKeyLength(std::u16string_view text)
{
    // Gather the number's characters with the blanks left out, then let
    // from_chars do the decimal conversion: it is exact and ignores the locale.
    std::string number;
    bool negative = false;
    bool signSeen = false;
    bool pointSeen = false;
    bool digitSeen = false;
    for (const char16_t c : text) {
        if (IsBlank(c))
            continue;
        if (!signSeen && !pointSeen && !digitSeen && (c == u'+' || c == u'-')) {
            signSeen = true;
            negative = c == u'-';
        } else if (IsDigit(c)) {
            digitSeen = true;
            number.push_back(static_cast<char>(c));
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    if (!digitSeen)
        return 0.0;

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: overflow only when a digit
        // other than 0 stands before the point.
        const std::string whole = number.substr(0, number.find('.'));
        value = whole.find_first_not_of('0') != std::string::npos
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}

std::u16string PrepareData(std::u16string_view text)
{
    std::u16string prepared;
    prepared.reserve(text.size() + 1);
    for (const char16_t c : text)
        if (c != u' ')
            prepared.push_back(c);
    // The end-marker test looks at the text as typed, before its spaces go.
    if (text.empty() || text.back() != u'!')
        prepared.push_back(u'!');
    return prepared;
}

}  // namespace Engine
