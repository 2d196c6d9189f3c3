// Differential fuzz target: every input runs through the engine on recording
// controls and through the step-by-step reference, and any difference in the
// visible operations, the lists, their selections or the texts aborts.
// Sanitizers catch the crashes, leaks and undefined behaviour; libFuzzer's
// -timeout catches a run that does not end.

#include "FuzzInput.h"

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
    Fuzz::Inputs in = Fuzz::Decode(bytes, size);
    const double K = Engine::ReadKeyLength(in.keyLength);
    if (K > 0.5 && std::isfinite(K) && static_cast<double>(in.data.size()) > MaxCodes * K)
        in.data.resize(static_cast<std::size_t>(MaxCodes * K));
    Check(in);
    return 0;
}
