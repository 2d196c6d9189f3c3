#include "ResultListModel.h"

#include "PaintPacer.h"

#include <QString>

#include <algorithm>
#include <climits>
#include <utility>

ResultListModel::ResultListModel(Engine::ResultList& list, PaintPacer& pacer, QObject* parent)
    : QAbstractListModel(parent), list_(list), pacer_(pacer), shown_(ListRows())
{
    list_.SetObserver(this);
    pacer_.Track(*this);
}

ResultListModel::~ResultListModel()
{
    list_.SetObserver(nullptr);
}

int ResultListModel::ListRows() const
{
    // A view counts rows in int; the engine stops far below that.
    return static_cast<int>(std::min<std::size_t>(list_.ListCount(), INT_MAX));
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    // Between a change and its Publish, a view may ask for a row the list no
    // longer has.
    if (row >= list_.ListCount())
        return {};
    const std::u16string_view entry = list_.List(row);
    return QString(reinterpret_cast<const QChar*>(entry.data()), static_cast<qsizetype>(entry.size()));
}

void ResultListModel::Publish()
{
    if (cleared_) {
        beginResetModel();
        shown_ = ListRows();
        cleared_ = false;
        first_.reset();
        last_.reset();
        endResetModel();
    } else if (const int rows = ListRows(); rows > shown_) {
        beginInsertRows(QModelIndex(), shown_, rows - 1);
        shown_ = rows;
        endInsertRows();
    }
    if (first_) {
        emit dataChanged(index(static_cast<int>(*first_)), index(static_cast<int>(*last_)), {Qt::DisplayRole});
        first_.reset();
        last_.reset();
    }
    if (mark_) {
        const auto row = static_cast<int>(*mark_);
        mark_.reset();
        emit marked(index(row));
    }
}

bool ResultListModel::TakeRepaintRequest()
{
    return std::exchange(repaint_, false);
}

void ResultListModel::RequestRepaint()
{
    repaint_ = true;
    pacer_.Poll();
}

void ResultListModel::Touch(std::size_t first, std::size_t last)
{
    // Rows the views do not know yet arrive with their insertion.
    if (cleared_ || first >= static_cast<std::size_t>(shown_))
        return;
    last = std::min(last, static_cast<std::size_t>(shown_) - 1);
    first_ = first_ ? std::min(*first_, first) : first;
    last_ = last_ ? std::max(*last_, last) : last;
}

void ResultListModel::Appended(std::size_t)
{
    if (pacer_.Pending())
        pacer_.Poll();
}

void ResultListModel::Written(std::size_t pos)
{
    Touch(pos, pos);
    if (pacer_.Pending())
        pacer_.Poll();
}

void ResultListModel::Exchanged(std::size_t i, std::span<const std::size_t> js)
{
    if (js.empty())
        return;
    const auto [low, high] = std::minmax_element(js.begin(), js.end());
    Touch(std::min(i, *low), std::max(i, *high));
    RequestRepaint();
}

void ResultListModel::Cleared()
{
    cleared_ = true;
    first_.reset();
    last_.reset();
    mark_.reset();
}

void ResultListModel::Marked(std::size_t pos)
{
    mark_ = pos;
    RequestRepaint();
}

void ResultListModel::Refreshed()
{
    RequestRepaint();
}
