#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

namespace belltide {

// The order in which lists show classes, specials, grades and titles: letter
// case ignored and numbers compared as numbers, so "2nd" comes before "10th".
bool ComesBefore(const QString& a, const QString& b);

// Grades as a school counts them: pre-kindergarten, kindergarten, then 1st,
// 2nd ... by number; grades it cannot place come last, in display order.
bool GradeComesBefore(const QString& a, const QString& b);

// The positions of `texts` in display order; equal texts keep their order.
std::vector<std::size_t> DisplayOrder(const QStringList& texts);

// Each text once (letter case ignored), in display order.
QStringList DistinctSorted(const QStringList& texts);

// Reorders `items` as the texts sort, carrying each item along with its text.
template <typename T> void SortAlong(std::vector<T>& items, QStringList& texts)
{
    const std::vector<std::size_t> order = DisplayOrder(texts);
    std::vector<T> sortedItems;
    QStringList sortedTexts;
    for (std::size_t i : order) {
        sortedItems.push_back(items[i]);
        sortedTexts.push_back(texts[qsizetype(i)]);
    }
    items = std::move(sortedItems);
    texts = std::move(sortedTexts);
}

} // namespace belltide
