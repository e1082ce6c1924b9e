#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

#include <memory>
#include <numeric>
#include <vector>

namespace belltide {

// Display order of list texts and grades: letter case ignored and numbers
// compared as numbers, so "2nd" comes before "10th".
bool ComesBefore(const QString& a, const QString& b);

// The positions of `texts` in display order; equal texts keep their order.
std::vector<std::size_t> DisplayOrder(const QStringList& texts);

// Each text once (letter case ignored), in display order.
QStringList DistinctSorted(const QStringList& texts);

// The model object a list row stands for.
inline constexpr int kRowObjectRole = Qt::UserRole + 1;

template <typename T>
std::shared_ptr<T> RowObject(const QListWidgetItem* item)
{
    if (!item)
        return nullptr;
    return item->data(kRowObjectRole).value<std::shared_ptr<T>>();
}

// Selects the first row standing for `object`; leaves the selection alone when
// there is none.
template <typename T>
void SelectRow(QListWidget* list, const std::shared_ptr<T>& object)
{
    for (int row = 0; row < list->count(); ++row) {
        if (RowObject<T>(list->item(row)) == object) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
}

template <typename T>
QListWidgetItem* MakeRow(const QString& text, const std::shared_ptr<T>& object)
{
    auto* item = new QListWidgetItem(text);
    item->setData(kRowObjectRole, QVariant::fromValue(object));
    return item;
}

// Reorders `items` as the texts sort, carrying each item along with its text.
template <typename T>
void SortAlong(std::vector<T>& items, QStringList& texts)
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
