#include "Reference.h"

#include <cmath>

namespace Testing {

namespace {

class Run {
public:
    explicit Run(ReferenceControls& c) : c_(c) {}

    void Log(const std::string& line)
    {
        if (c_.log)
            c_.log->push_back(line);
    }

    // Val: blanks skipped anywhere, one sign, digits and one point.
    static double Val(const std::u16string& text)
    {
        double value = 0, scale = 0;
        int sign = 1;
        bool started = false, any = false;
        std::string digits;
        for (char16_t ch : text) {
            if (ch == u' ' || ch == u'\t' || ch == u'\n')
                continue;
            if (!started && (ch == u'+' || ch == u'-')) {
                sign = ch == u'-' ? -1 : 1;
                started = true;
            } else if (ch >= u'0' && ch <= u'9') {
                digits.push_back(static_cast<char>(ch));
                started = any = true;
            } else if (ch == u'.' && scale == 0) {
                digits.push_back('.');
                scale = 1;
                started = true;
            } else {
                break;
            }
        }
        if (!any)
            return 0;
        value = std::strtod(digits.c_str(), nullptr);
        return sign * value;
    }

    static long Round(double x) { return static_cast<long>(std::nearbyint(x)); }

    // Mid(text, start, length) with 1-based start, clamped to the text.
    static std::u16string Mid(const std::u16string& text, double start, double length)
    {
        const long from = Round(start), count = Round(length);
        if (from < 1 || from > static_cast<long>(text.size()) || count <= 0)
            return u"";
        return text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count));
    }

    // InStr(1, text, pattern): 1-based position of the first occurrence, 0 if none.
    static long InStr(const std::u16string& text, const std::u16string& pattern)
    {
        if (pattern.empty())
            return 1;
        for (std::size_t p = 0; p + pattern.size() <= text.size(); ++p)
            if (text.compare(p, pattern.size(), pattern) == 0)
                return static_cast<long>(p) + 1;
        return 0;
    }

    void Clear(const char* name, ReferenceList& list)
    {
        list.entries.clear();
        list.selected.reset();
        Log(std::string(name) + ".Clear");
    }
    void AddItem(const char* name, ReferenceList& list, const std::u16string& item)
    {
        list.entries.push_back(item);
        Log(std::string(name) + ".AddItem " + Printable(item));
    }
    void Write(const char* name, ReferenceList& list, std::size_t pos, const std::u16string& item)
    {
        list.entries.at(pos) = item;
        Log(std::string(name) + ".List " + std::to_string(pos) + " = " + Printable(item));
    }
    void Mark(const char* name, ReferenceList& list, std::size_t pos)
    {
        list.selected = pos;
        Log(std::string(name) + ".Selected " + std::to_string(pos));
    }
    void Refresh(const char* name) { Log(std::string(name) + ".Refresh"); }
    void Exchange(const char* name, ReferenceList& list, std::size_t i, std::size_t j)
    {
        const std::u16string former = list.entries[i];
        Write(name, list, i, list.entries[j]);
        Write(name, list, j, former);
        Refresh(name);
    }

    void Analyze()
    {
        Log("Data.Text read");
        const std::u16string dataText = c_.Data;
        Log("KWL.Text read");
        const double K = Val(c_.KWL);
        std::u16string exceptions, returnKeys;

        if (!dataText.empty()) {
            std::u16string marked = dataText;
            if (marked.back() != u'!')
                marked += u'!';
            std::u16string D;
            for (std::size_t k = 1; k <= marked.size(); ++k)
                if (marked[k - 1] != u' ')
                    D += marked[k - 1];
            Refresh("Data");
            const double L = static_cast<double>(D.size());

            Clear("Patterns", c_.Patterns);
            if (K > 0.5)
                for (double s = 1; s <= L; s += K)
                    for (double l = K; l <= L - s; l += K)
                        AddItem("Patterns", c_.Patterns, Mid(D, s, l));
            Refresh("Patterns");

            Clear("RpPatterns", c_.RpPatterns);
            auto& P = c_.Patterns.entries;
            auto& R = c_.RpPatterns.entries;
            for (std::size_t i = 0; i < P.size(); ++i) {
                Mark("Patterns", c_.Patterns, i);
                for (std::size_t j = 0; j < P.size(); ++j) {
                    if (i != j && P[i] == P[j]) {
                        bool found = false;
                        for (std::size_t k = 0; k < R.size(); ++k)
                            if (R[k] == P[j])
                                found = true;
                        if (!found) {
                            AddItem("RpPatterns", c_.RpPatterns, P[i]);
                            Refresh("RpPatterns");
                            Mark("RpPatterns", c_.RpPatterns, R.size() - 1);
                        }
                    }
                }
            }

            if (R.size() > 1)
                for (std::size_t i = 0; i < R.size(); ++i) {
                    Mark("RpPatterns", c_.RpPatterns, i);
                    for (std::size_t j = 0; j < R.size(); ++j)
                        if (R[i].size() < R[j].size())
                            Exchange("RpPatterns", c_.RpPatterns, i, j);
                }

            std::u16string work = D;
            Clear("Use", c_.Use);
            for (std::size_t i = 0; i < R.size(); ++i) {
                Mark("RpPatterns", c_.RpPatterns, i);
                bool masked = false;
                const std::u16string pattern = R[i];
                const bool allStars = pattern.find_first_not_of(u'*') == std::u16string::npos;
                for (long at = InStr(work, pattern); at > 0; at = InStr(work, pattern)) {
                    work.replace(static_cast<std::size_t>(at - 1), pattern.size(), pattern.size(), u'*');
                    masked = true;
                    if (allStars)
                        break;  // asterisks over asterisks: it would be found forever
                }
                if (masked) {
                    AddItem("Use", c_.Use, pattern);
                    returnKeys += pattern;
                }
            }
            exceptions = work;

            Clear("KWDS", c_.KWDS);
            for (double s = 1; s <= static_cast<double>(returnKeys.size()); s += K)
                AddItem("KWDS", c_.KWDS, Mid(returnKeys, s, K));
            auto& W = c_.KWDS.entries;
            for (std::size_t i = 0; i < W.size(); ++i)
                for (std::size_t j = 0; j < W.size(); ++j)
                    if (InStr(D, W[i]) < InStr(D, W[j]))
                        Exchange("KWDS", c_.KWDS, i, j);
        }

        c_.Excep = exceptions;
        Log("Excep.Text = " + Printable(exceptions));
        c_.RKeys = returnKeys;
        Log("RKeys.Text = " + Printable(returnKeys));
    }

private:
    ReferenceControls& c_;
};

}  // namespace

void ReferenceAnalyze(ReferenceControls& controls)
{
    Run(controls).Analyze();
}

OpLog ReferenceLog(std::u16string_view data, std::u16string_view keyLength)
{
    OpLog log;
    ReferenceControls reference;
    reference.Data = data;
    reference.KWL = keyLength;
    reference.log = &log;
    ReferenceAnalyze(reference);
    return log;
}

}  // namespace Testing
