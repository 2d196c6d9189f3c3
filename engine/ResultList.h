#pragma once

#include "BulkAllocator.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Engine {

// A shared, immutable text that list entries may point into. Sharing lets a
// list of millions of stretches of one data text cost bytes per entry.
using SharedText = std::shared_ptr<const std::u16string>;

// What a view needs to follow a ResultList. Every call comes after the list
// has changed. The defaults ignore the event, so a view overrides only what
// it draws.
class ResultListObserver {
public:
    virtual ~ResultListObserver() = default;
    // The entry at `pos` was appended (it is now the last entry).
    virtual void Appended(std::size_t pos) { (void)pos; }
    // The entry at `pos` was replaced; nothing else moved.
    virtual void Written(std::size_t pos) { (void)pos; }
    // The exchanges (i, js[0]), (i, js[1]), … were made in that order; each
    // one wrote entry i, then entry j, then asked for a repaint.
    virtual void Exchanged(std::size_t i, std::span<const std::size_t> js) { (void)i, (void)js; }
    virtual void Cleared() {}
    // The entry at `pos` became the selected one and should be scrolled into view.
    virtual void Marked(std::size_t pos) { (void)pos; }
    // A repaint was asked for.
    virtual void Refreshed() {}
};

// An ordered list of 16-bit strings: duplicates kept, never sorted by itself,
// at most one entry selected. Positions count from 0. Every operation is O(1)
// (an exchange batch is O(1) per exchange); the list holds as many entries as
// memory allows.
class ResultList {
public:
    // An entry as stored: a stretch of one of the list's texts.
    struct Stretch {
        const std::u16string* text;
        std::size_t begin;
        std::size_t length;
    };

    // Appends a copy of `item`.
    void AddItem(std::u16string_view item);
    // Appends the stretch [begin, begin + length) of `text` without copying it.
    void AddItem(const SharedText& text, std::size_t begin, std::size_t length);
    // Appends the entry at `pos` of `from` without copying its characters.
    void AddItem(const ResultList& from, std::size_t pos);

    // Removes every entry; nothing stays selected.
    void Clear();

    std::size_t ListCount() const { return entries_.size(); }

    // The entry at `pos` (< ListCount()). The view stays valid until the list
    // next changes.
    std::u16string_view List(std::size_t pos) const;
    Stretch At(std::size_t pos) const;

    // Replaces the entry at `pos` with a copy of `item`.
    void SetList(std::size_t pos, std::u16string_view item);

    // Exchanges entries i and j as the orderings do: entry j's string is
    // written at i, then the former string of i at j, then a repaint.
    void Exchange(std::size_t i, std::size_t j);
    // The exchanges (i, js[0]), (i, js[1]), … in that order, reported to the
    // view as one batch so that millions of them stay cheap to follow.
    void Exchange(std::size_t i, std::span<const std::size_t> js);

    // Marks the entry at `pos`: it becomes the one selected entry.
    void Selected(std::size_t pos);
    std::optional<std::size_t> SelectedIndex() const { return selected_; }

    // Asks the view to repaint now.
    void Refresh();

    // Room for `count` entries in all, so that a long run of appends does not
    // reallocate; invisible to a view.
    void Reserve(std::size_t count) { entries_.reserve(count); }

    // At most one observer; nullptr detaches. The list does not own it.
    void SetObserver(ResultListObserver* observer) { observer_ = observer; }

private:
    struct Entry {
        std::uint32_t text;  // index into texts_
        std::uint32_t begin;
        std::uint32_t length;
    };

    std::uint32_t TextIndex(const SharedText& text);
    std::u16string& OwnText();

    std::vector<SharedText> texts_;
    std::shared_ptr<std::u16string> own_;  // copies made by this list; also in texts_
    std::uint32_t ownIndex_ = 0;
    std::vector<Entry, BulkAllocator<Entry>> entries_;
    std::optional<std::size_t> selected_;
    ResultListObserver* observer_ = nullptr;
};

}  // namespace Engine
