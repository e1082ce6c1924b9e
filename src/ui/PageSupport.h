#pragma once

#include "model/Classroom.h"
#include "model/DisplayOrder.h"

#include <QListWidget>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace belltide {

// The model object a list row stands for.
inline constexpr int kRowObjectRole = Qt::UserRole + 1;

template <typename T> std::shared_ptr<T> RowObject(const QListWidgetItem* item)
{
    if (!item)
        return nullptr;
    return item->data(kRowObjectRole).value<std::shared_ptr<T>>();
}

// Selects the first row standing for `object`; leaves the selection alone when
// there is none.
template <typename T> void SelectRow(QListWidget* list, const std::shared_ptr<T>& object)
{
    for (int row = 0; row < list->count(); ++row) {
        if (RowObject<T>(list->item(row)) == object) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
}

// A class as the lists of classes show it: "K: Mrs. Adams".
inline QString ClassRowText(const Classroom& classroom)
{
    return classroom.Grade + QStringLiteral(": ") + classroom.Teacher;
}

template <typename T> QListWidgetItem* MakeRow(const QString& text, const std::shared_ptr<T>& object)
{
    auto* item = new QListWidgetItem(text);
    item->setData(kRowObjectRole, QVariant::fromValue(object));
    return item;
}

} // namespace belltide
