#pragma once

#include <QHash>
#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

namespace belltide {

// A string-keyed map that enumerates in insertion order, so that documents and
// scheduling inputs come out the same on every run. Keys compare without regard
// to letter case, as every string comparison of the program does; an entry keeps
// the spelling of its first key.
template <typename V> class OrderedDict {
public:
    using Entry = std::pair<QString, V>;

    const V* Find(const QString& key) const
    {
        auto it = mIndex.constFind(Fold(key));
        return it == mIndex.constEnd() ? nullptr : &mEntries[*it].second;
    }

    bool Contains(const QString& key) const { return Find(key) != nullptr; }

    void Set(const QString& key, V value)
    {
        const QString folded = Fold(key);
        auto it = mIndex.constFind(folded);
        if (it != mIndex.constEnd()) {
            mEntries[*it].second = std::move(value);
            return;
        }
        mIndex.insert(folded, mEntries.size());
        mEntries.emplace_back(key, std::move(value));
    }

    // Later entries keep their order.
    void Remove(const QString& key)
    {
        auto it = mIndex.constFind(Fold(key));
        if (it == mIndex.constEnd())
            return;
        const std::size_t at = *it;
        mEntries.erase(mEntries.begin() + static_cast<std::ptrdiff_t>(at));
        mIndex.clear();
        for (std::size_t i = 0; i < mEntries.size(); ++i)
            mIndex.insert(Fold(mEntries[i].first), i);
    }

    const std::vector<Entry>& Entries() const { return mEntries; }
    std::size_t Count() const { return mEntries.size(); }
    bool IsEmpty() const { return mEntries.empty(); }

    friend bool operator==(const OrderedDict& a, const OrderedDict& b) { return a.mEntries == b.mEntries; }

private:
    static QString Fold(const QString& key) { return key.toCaseFolded(); }

    std::vector<Entry> mEntries;
    QHash<QString, std::size_t> mIndex;
};

} // namespace belltide
