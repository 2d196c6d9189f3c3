#include "RecordingControls.h"

namespace Testing {

std::u16string RecordingTextBox::Text() const
{
    if (log_)
        log_->push_back(name_ + ".Text read");
    return text;
}

void RecordingTextBox::SetText(std::u16string_view value)
{
    text = value;
    if (log_)
        log_->push_back(name_ + ".Text = " + Printable(value));
}

void RecordingTextBox::Refresh()
{
    if (log_)
        log_->push_back(name_ + ".Refresh");
}

void RecordingObserver::Appended(std::size_t pos)
{
    mirror.emplace_back(list_.List(pos));
    Log("AddItem " + Printable(mirror.back()));
}

void RecordingObserver::Written(std::size_t pos)
{
    mirror.at(pos) = list_.List(pos);
    Log("List " + std::to_string(pos) + " = " + Printable(mirror[pos]));
}

void RecordingObserver::Exchanged(std::size_t i, std::span<const std::size_t> js)
{
    for (const std::size_t j : js) {
        std::u16string former = mirror.at(i);
        mirror.at(i) = mirror.at(j);
        Log("List " + std::to_string(i) + " = " + Printable(mirror[i]));
        mirror[j] = std::move(former);
        Log("List " + std::to_string(j) + " = " + Printable(mirror[j]));
        Log("Refresh");
    }
}

void RecordingObserver::Cleared()
{
    mirror.clear();
    Log("Clear");
}

void RecordingObserver::Marked(std::size_t pos)
{
    Log("Selected " + std::to_string(pos));
}

void RecordingObserver::Refreshed()
{
    Log("Refresh");
}

RecordingControls::RecordingControls(bool logging)
    : Data("Data", logging ? &log : nullptr), KWL("KWL", logging ? &log : nullptr),
      Excep("Excep", logging ? &log : nullptr), RKeys("RKeys", logging ? &log : nullptr),
      observers_{RecordingObserver("Patterns", Patterns, logging ? &log : nullptr),
                 RecordingObserver("RpPatterns", RpPatterns, logging ? &log : nullptr),
                 RecordingObserver("Use", Use, logging ? &log : nullptr),
                 RecordingObserver("KWDS", KWDS, logging ? &log : nullptr)}
{
    // Without a log nothing follows the lists, as in a run with no view.
    if (!logging)
        return;
    Patterns.SetObserver(&observers_[0]);
    RpPatterns.SetObserver(&observers_[1]);
    Use.SetObserver(&observers_[2]);
    KWDS.SetObserver(&observers_[3]);
}

RecordingControls::~RecordingControls()
{
    for (Engine::ResultList* list : {&Patterns, &RpPatterns, &Use, &KWDS})
        list->SetObserver(nullptr);
}

Engine::Controls RecordingControls::controls()
{
    return {Data, KWL, Patterns, RpPatterns, Use, KWDS, Excep, RKeys};
}

void RecordingControls::Run(std::u16string_view data, std::u16string_view keyLength)
{
    Data.text = data;
    KWL.text = keyLength;
    Engine::Analyze(controls());
}

std::vector<std::u16string> RecordingControls::Entries(const Engine::ResultList& list)
{
    std::vector<std::u16string> entries;
    entries.reserve(list.ListCount());
    for (std::size_t k = 0; k < list.ListCount(); ++k)
        entries.emplace_back(list.List(k));
    return entries;
}

bool RecordingControls::MirrorsMatch() const
{
    return observers_[0].mirror == Entries(Patterns) && observers_[1].mirror == Entries(RpPatterns) &&
           observers_[2].mirror == Entries(Use) && observers_[3].mirror == Entries(KWDS);
}

}  // namespace Testing
