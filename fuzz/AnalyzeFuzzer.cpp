// Differential fuzz target: every input runs through the engine on recording
// controls and through the step-by-step reference, and any difference in the
// visible operations, the lists, their selections or the texts aborts.
// Sanitizers catch the crashes, leaks and undefined behaviour; libFuzzer's
// -timeout catches a run that does not end.
//
// The literal reference only takes data of a few dozen codes in the time a
// fuzz case may cost, so the data is cut to that for it. Data longer than the
// cut also goes, whole, through the engine and the quick reference, which the
// literal one vouches for on every small case.

#include "FuzzInput.h"
#include "QuickReference.h"

#include <RecordingControls.h>
#include <Reference.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

using Testing::OpLog;
using Testing::Printable;
using Testing::RecordingControls;
using Testing::ReferenceControls;

namespace {

// The reference compares every pair of candidates and rescans the repeats for
// each equal pair, so its work grows with the fourth power of the number of
// codes. Cutting the data text to this many codes keeps a case in
// milliseconds; a whole key length of 1 still leaves 32 units.
constexpr double MaxCodes = 32;

const char* Title = nullptr;  // the texts of the input that failed, for the report

[[noreturn]] void Fail(const Fuzz::Inputs& in, const std::string& what)
{
    std::fprintf(stderr, "\n=== engine and reference differ%s%s\ndata text: \"%s\"\nkey text:  \"%s\"\n%s\n",
                 Title ? " in " : "", Title ? Title : "", Printable(in.data).c_str(),
                 Printable(in.keyLength).c_str(), what.c_str());
    std::abort();
}

std::string FirstDifference(const OpLog& engine, const OpLog& reference)
{
    std::size_t k = 0;
    while (k < engine.size() && k < reference.size() && engine[k] == reference[k])
        ++k;
    auto line = [](const OpLog& log, std::size_t at) {
        return at < log.size() ? log[at] : std::string("(log ends)");
    };
    return "operation " + std::to_string(k) + " of " + std::to_string(engine.size()) + " (engine) / " +
           std::to_string(reference.size()) + " (reference):\n  engine:    " + line(engine, k) +
           "\n  reference: " + line(reference, k);
}

void CompareList(const Fuzz::Inputs& in, const char* name, const Engine::ResultList& engine,
                 const Testing::ReferenceList& reference)
{
    const auto entries = RecordingControls::Entries(engine);
    if (entries != reference.entries)
        Fail(in, std::string(name) + ": " + std::to_string(entries.size()) + " entries vs " +
                     std::to_string(reference.entries.size()) + " in the reference");
    if (engine.SelectedIndex() != reference.selected)
        Fail(in, std::string(name) + ": selection differs");
}

// Everything a person could see after the runs so far.
void CompareControls(const Fuzz::Inputs& in, const RecordingControls& engine, const ReferenceControls& reference)
{
    if (engine.log != *reference.log)
        Fail(in, FirstDifference(engine.log, *reference.log));
    CompareList(in, "Patterns", engine.Patterns, reference.Patterns);
    CompareList(in, "RpPatterns", engine.RpPatterns, reference.RpPatterns);
    CompareList(in, "Use", engine.Use, reference.Use);
    CompareList(in, "KWDS", engine.KWDS, reference.KWDS);
    if (engine.Excep.text != reference.Excep)
        Fail(in, "Excep: \"" + Printable(engine.Excep.text) + "\" vs \"" + Printable(reference.Excep) + "\"");
    if (engine.RKeys.text != reference.RKeys)
        Fail(in, "RKeys: \"" + Printable(engine.RKeys.text) + "\" vs \"" + Printable(reference.RKeys) + "\"");
    if (engine.Data.text != reference.Data || engine.KWL.text != reference.KWL)
        Fail(in, "an input box was written");
    if (!engine.MirrorsMatch())
        Fail(in, "a view following the notifications would show other entries than the lists hold");
}

Fuzz::Outcome OutcomeOf(const RecordingControls& c)
{
    return {RecordingControls::Entries(c.Patterns), RecordingControls::Entries(c.RpPatterns),
            RecordingControls::Entries(c.Use),      RecordingControls::Entries(c.KWDS),
            c.Patterns.SelectedIndex(),             c.RpPatterns.SelectedIndex(),
            c.Excep.text,                           c.RKeys.text};
}

Fuzz::Outcome OutcomeOf(const ReferenceControls& c)
{
    return {c.Patterns.entries, c.RpPatterns.entries, c.Use.entries, c.KWDS.entries,
            c.Patterns.selected, c.RpPatterns.selected, c.Excep, c.RKeys};
}

std::string Describe(const Fuzz::Outcome& a, const Fuzz::Outcome& b)
{
    std::string what;
    auto list = [&](const char* name, const auto& x, const auto& y) {
        if (x != y)
            what += std::string(" ") + name;
    };
    list("Patterns", a.Patterns, b.Patterns);
    list("RpPatterns", a.RpPatterns, b.RpPatterns);
    list("Use", a.Use, b.Use);
    list("KWDS", a.KWDS, b.KWDS);
    list("Patterns-selection", a.PatternsSelected, b.PatternsSelected);
    list("RpPatterns-selection", a.RpPatternsSelected, b.RpPatternsSelected);
    list("Excep", a.Excep, b.Excep);
    list("RKeys", a.RKeys, b.RKeys);
    return "differs in:" + what;
}

// The whole data, beyond what the literal reference takes.
void CheckLong(const Fuzz::Inputs& in)
{
    // Without a log: an ordering of thousands of repeats logs millions of
    // exchanges, and the small cases already follow every operation.
    RecordingControls engine(false);
    engine.Run(in.data, in.keyLength);
    const Fuzz::Outcome quick = Fuzz::QuickAnalyze(in.data, in.keyLength);
    Title = "a long run, against the quick reference";
    if (OutcomeOf(engine) != quick)
        Fail(in, "the engine " + Describe(OutcomeOf(engine), quick));
    Title = nullptr;
}

void Check(const Fuzz::Inputs& in)
{
    RecordingControls engine;
    ReferenceControls reference;
    OpLog referenceLog;
    reference.log = &referenceLog;

    // First run, on fresh controls.
    engine.Run(in.data, in.keyLength);
    reference.Data = in.data;
    reference.KWL = in.keyLength;
    Testing::ReferenceAnalyze(reference);
    Title = "the first run";
    CompareControls(in, engine, reference);
    const Fuzz::Outcome quick = Fuzz::QuickAnalyze(in.data, in.keyLength);
    if (quick != OutcomeOf(reference))
        Fail(in, "the quick reference (a fault of the fuzz target, not of the engine) " +
                     Describe(quick, OutcomeOf(reference)));

    // The same texts again on the filled controls: nothing of the first run
    // may leak into the second. The reference would only repeat itself, so
    // its first log stands for the second.
    engine.log.clear();
    engine.Run(in.data, in.keyLength);
    Title = "a second run on the same controls";
    CompareControls(in, engine, reference);

    // An empty data text: both texts emptied, every list kept as it was.
    engine.log.clear();
    referenceLog.clear();
    engine.Run(u"", in.keyLength);
    reference.Data.clear();
    Testing::ReferenceAnalyze(reference);
    Title = "a run with empty data after it";
    const Fuzz::Inputs empty{u"", in.keyLength};
    CompareControls(empty, engine, reference);
    Title = nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const Fuzz::Inputs whole = Fuzz::Decode(bytes, size);
    Fuzz::Inputs cut = whole;
    const double K = Engine::ReadKeyLength(whole.keyLength);
    if (K > 0.5 && std::isfinite(K) && static_cast<double>(cut.data.size()) > MaxCodes * K)
        cut.data.resize(static_cast<std::size_t>(MaxCodes * K));
    Check(cut);
    if (cut.data.size() < whole.data.size())
        CheckLong(whole);
    return 0;
}
