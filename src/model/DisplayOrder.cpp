#include "DisplayOrder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace belltide {

namespace {

const QCollator& Collator()
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return collator;
}

} // namespace

bool ComesBefore(const QString& a, const QString& b)
{
    return Collator().compare(a, b) < 0;
}

std::vector<std::size_t> DisplayOrder(const QStringList& texts)
{
    std::vector<std::size_t> order(std::size_t(texts.size()));
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(),
        [&](std::size_t a, std::size_t b) { return ComesBefore(texts[qsizetype(a)], texts[qsizetype(b)]); });
    return order;
}

QStringList DistinctSorted(const QStringList& texts)
{
    QStringList distinct;
    for (const QString& text : texts) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(),
            [&](const QString& known) { return known.compare(text, Qt::CaseInsensitive) == 0; });
        if (!seen)
            distinct.push_back(text);
    }
    std::stable_sort(distinct.begin(), distinct.end(), ComesBefore);
    return distinct;
}

} // namespace belltide
