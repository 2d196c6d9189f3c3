#pragma once

#include "OpLog.h"

#include <Engine.h>

#include <array>
#include <string>
#include <vector>

namespace Testing {

// A text box that keeps its text and logs what a run does with it.
class RecordingTextBox : public Engine::TextBox {
public:
    RecordingTextBox(std::string name, OpLog* log) : name_(std::move(name)), log_(log) {}
    std::u16string Text() const override;
    void SetText(std::u16string_view text) override;
    void Refresh() override;

    std::u16string text;

private:
    std::string name_;
    OpLog* log_;
};

// Follows one ResultList like a view does, logs every operation, and keeps a
// copy of the entries rebuilt from the notifications alone. The copy must
// equal the list: that proves a view can follow it.
class RecordingObserver : public Engine::ResultListObserver {
public:
    RecordingObserver(std::string name, const Engine::ResultList& list, OpLog* log)
        : name_(std::move(name)), list_(list), log_(log) {}
    void Appended(std::size_t pos) override;
    void Written(std::size_t pos) override;
    void Exchanged(std::size_t i, std::span<const std::size_t> js) override;
    void Cleared() override;
    void Marked(std::size_t pos) override;
    void Refreshed() override;

    std::vector<std::u16string> mirror;

private:
    void Log(const std::string& line) { if (log_) log_->push_back(name_ + "." + line); }
    std::string name_;
    const Engine::ResultList& list_;
    OpLog* log_;
};

// The eight controls of a run, each logging into one shared log. Without
// logging, nothing observes the lists: the run costs what it costs bare.
class RecordingControls {
public:
    explicit RecordingControls(bool logging = true);
    RecordingControls(const RecordingControls&) = delete;
    RecordingControls& operator=(const RecordingControls&) = delete;
    ~RecordingControls();

    Engine::Controls controls();
    void Run(std::u16string_view data, std::u16string_view keyLength);

    // Each list's entries, in order.
    static std::vector<std::u16string> Entries(const Engine::ResultList& list);
    // Whether every observer's copy equals its list (with logging only).
    bool MirrorsMatch() const;

    OpLog log;
    RecordingTextBox Data, KWL, Excep, RKeys;
    Engine::ResultList Patterns, RpPatterns, Use, KWDS;

private:
    std::array<RecordingObserver, 4> observers_;
};

}  // namespace Testing
