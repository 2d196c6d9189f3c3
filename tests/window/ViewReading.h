#pragma once

// What a user sees in the window, read from the views' models, and the
// conversions that tests need to compare it with the engine's strings.

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

inline QString ToQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline QStringList ToQStringList(const std::vector<std::u16string>& texts)
{
    QStringList list;
    for (const std::u16string& text : texts)
        list << ToQString(text);
    return list;
}

// Every row of the view's model, as displayed.
inline QStringList Entries(const QAbstractItemView& view)
{
    const QAbstractItemModel& model = *view.model();
    QStringList entries;
    for (int row = 0; row < model.rowCount(); ++row)
        entries << model.index(row, 0).data(Qt::DisplayRole).toString();
    return entries;
}

// The rows selected in the view, in order.
inline QList<int> SelectedRows(const QAbstractItemView& view)
{
    QList<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}
