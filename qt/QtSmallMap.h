#pragma once

#include <utility>
#include <vector>

namespace zev {

// A map of a few entries (a control's parts, its events) kept in a vector
// and searched in order: QHash's first allocation alone is larger than what
// a control keeps, and a form holds hundreds of controls. As with QHash, an
// insertion may move the values: a reference lasts until the next one.
template <typename Key, typename Value>
class QtSmallMap {
public:
    Value* find(const Key& key)
    {
        for (auto& entry : entries_)
            if (entry.first == key)
                return &entry.second;
        return nullptr;
    }
    const Value* find(const Key& key) const { return const_cast<QtSmallMap*>(this)->find(key); }
    bool contains(const Key& key) const { return find(key) != nullptr; }
    Value value(const Key& key) const
    {
        const Value* found = find(key);
        return found ? *found : Value();
    }
    // The value of key, made (default) when there is none.
    Value& operator[](const Key& key)
    {
        if (Value* found = find(key))
            return *found;
        if (entries_.empty())
            entries_.reserve(4);
        entries_.emplace_back(key, Value());
        return entries_.back().second;
    }
    void insert(const Key& key, Value value) { (*this)[key] = std::move(value); }

private:
    std::vector<std::pair<Key, Value>> entries_;
};

} // namespace zev
