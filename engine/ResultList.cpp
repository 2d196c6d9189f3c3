#include "ResultList.h"

#include <limits>
#include <stdexcept>

namespace Engine {

namespace {

constexpr std::size_t ReleaseBytes = std::size_t{4} << 20;

std::uint32_t Narrow(std::size_t value)
{
    // Entries keep 32-bit offsets to stay small; texts are bounded well below this.
    if (value > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("a list entry lies beyond 4 GiB of text");
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::uint32_t ResultList::TextIndex(const SharedText& text)
{
    // Appends come in long runs from one text, so the last one is the usual hit.
    for (std::size_t k = texts_.size(); k-- > 0;)
        if (texts_[k] == text)
            return static_cast<std::uint32_t>(k);
    texts_.push_back(text);
    return Narrow(texts_.size() - 1);
}

std::u16string& ResultList::OwnText()
{
    if (!own_) {
        own_ = std::make_shared<std::u16string>();
        texts_.push_back(own_);
        ownIndex_ = Narrow(texts_.size() - 1);
    }
    return *own_;
}

void ResultList::AddItem(std::u16string_view item)
{
    std::u16string& own = OwnText();
    const std::uint32_t begin = Narrow(own.size());
    own.append(item);
    entries_.push_back({ownIndex_, begin, Narrow(item.size())});
    if (observer_)
        observer_->Appended(entries_.size() - 1);
}

void ResultList::AddItem(const SharedText& text, std::size_t begin, std::size_t length)
{
    if (begin > text->size() || length > text->size() - begin)
        throw std::out_of_range("a list entry must lie inside its text");
    const std::uint32_t index =
        (!texts_.empty() && texts_.back() == text) ? Narrow(texts_.size() - 1) : TextIndex(text);
    entries_.push_back({index, Narrow(begin), Narrow(length)});
    if (observer_)
        observer_->Appended(entries_.size() - 1);
}

void ResultList::AddItem(const ResultList& from, std::size_t pos)
{
    const Entry& entry = from.entries_.at(pos);
    AddItem(from.texts_[entry.text], entry.begin, entry.length);
}

void ResultList::Clear()
{
    entries_.clear();
    // Keep room for the next run, unless it is large enough to matter.
    if (entries_.capacity() * sizeof(Entry) >= ReleaseBytes)
        entries_.shrink_to_fit();
    texts_.clear();
    own_.reset();
    selected_.reset();
    if (observer_)
        observer_->Cleared();
}

std::u16string_view ResultList::List(std::size_t pos) const
{
    const Entry& entry = entries_.at(pos);
    return std::u16string_view(*texts_[entry.text]).substr(entry.begin, entry.length);
}

ResultList::Stretch ResultList::At(std::size_t pos) const
{
    const Entry& entry = entries_.at(pos);
    return {texts_[entry.text].get(), entry.begin, entry.length};
}

void ResultList::SetList(std::size_t pos, std::u16string_view item)
{
    Entry& entry = entries_.at(pos);
    std::u16string& own = OwnText();
    const std::uint32_t begin = Narrow(own.size());
    own.append(item);
    entry = {ownIndex_, begin, Narrow(item.size())};
    if (observer_)
        observer_->Written(pos);
}

void ResultList::Exchange(std::size_t i, std::size_t j)
{
    Exchange(i, std::span<const std::size_t>(&j, 1));
}

void ResultList::Exchange(std::size_t i, std::span<const std::size_t> js)
{
    Entry* const entries = entries_.data();
    const std::size_t count = entries_.size();
    // Check the whole batch first so that a bad position changes nothing.
    if (i >= count)
        throw std::out_of_range("exchange outside the list");
    for (const std::size_t j : js)
        if (j >= count)
            throw std::out_of_range("exchange outside the list");
    // Entry i passes through every exchange of the batch: keep it in hand.
    Entry held = entries[i];
    for (const std::size_t j : js)
        if (j != i)
            std::swap(held, entries[j]);
    entries[i] = held;
    if (observer_ && !js.empty())
        observer_->Exchanged(i, js);
}

void ResultList::Selected(std::size_t pos)
{
    if (pos >= entries_.size())
        throw std::out_of_range("mark outside the list");
    selected_ = pos;
    if (observer_)
        observer_->Marked(pos);
}

void ResultList::Refresh()
{
    if (observer_)
        observer_->Refreshed();
}

}  // namespace Engine
