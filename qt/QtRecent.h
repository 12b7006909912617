#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace zev {

// The last few answers of a dear computation, kept in turn: the parts of a
// form ask the same few questions (a font, a palette) over and over.
template <typename Entry, std::size_t Size = 8>
class QtRecent {
public:
    template <typename Match>
    const Entry* find(Match match) const
    {
        for (const auto& e : entries_)
            if (e && match(*e))
                return &*e;
        return nullptr;
    }
    void add(Entry entry)
    {
        entries_[next_] = std::move(entry);
        next_ = (next_ + 1) % Size;
    }

private:
    std::array<std::optional<Entry>, Size> entries_;
    std::size_t next_ = 0;
};

} // namespace zev
