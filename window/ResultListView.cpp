#include "ResultListView.h"

#include "ResultListModel.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

int RowHeightFor(const QWidget& widget)
{
    return widget.fontMetrics().height() + 2;
}

// Entries can run to tens of thousands of characters, and eliding one shapes
// all of them, every time a row is painted. No glyph is narrower than a
// pixel, so a row never shows more characters than it is wide: the rest is
// cut before eliding, and the ellipsis still marks the cut.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const qsizetype fits = std::max(option->rect.width(), 1);
        if (option->text.size() > fits) {
            option->text.truncate(fits);
            option->text.append(QChar(0x2026));
        }
    }
};

}  // namespace

ResultListView::ResultListView(Engine::ResultList& list, PaintPacer& pacer, QWidget* parent)
    : QAbstractItemView(parent), model_(*new ResultListModel(list, pacer, this)), rowHeight_(RowHeightFor(*this))
{
    setModel(&model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list, as it leaves every other control.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTextElideMode(Qt::ElideRight);
    setItemDelegate(new RowDelegate(this));

    connect(&model_, &ResultListModel::marked, this, &ResultListView::ShowMark);
    connect(&model_, &ResultListModel::repaintNow, this, [this] { viewport()->repaint(); });
}

int ResultListView::Rows() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ResultListView::FirstRow() const
{
    return verticalScrollBar()->value();
}

int ResultListView::VisibleRows() const
{
    // Rows shown whole; the one cut off at the bottom is reached by scrolling.
    return std::max(1, viewport()->height() / rowHeight_);
}

int ResultListView::RowAt(int y) const
{
    if (y < 0)
        return -1;
    const int row = FirstRow() + y / rowHeight_;
    return row < Rows() ? row : -1;
}

QRect ResultListView::RowRect(int row) const
{
    return QRect(0, (row - FirstRow()) * rowHeight_, viewport()->width(), rowHeight_);
}

QRect ResultListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != 0)
        return {};
    return RowRect(index.row());
}

void ResultListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const int row = index.row();
    const int first = FirstRow();
    const int visible = VisibleRows();
    int top = first;
    switch (hint) {
    case EnsureVisible:
        if (row < first)
            top = row;
        else if (row >= first + visible)
            top = row - visible + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - visible + 1;
        break;
    case PositionAtCenter:
        top = row - visible / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
}

QModelIndex ResultListView::indexAt(const QPoint& point) const
{
    const int row = RowAt(point.y());
    return row < 0 ? QModelIndex() : model()->index(row, 0, rootIndex());
}

QModelIndex ResultListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = Rows();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= VisibleRows();
        break;
    case MovePageDown:
        row += VisibleRows();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), 0, rootIndex());
}

int ResultListView::horizontalOffset() const
{
    return 0;
}

int ResultListView::verticalOffset() const
{
    return FirstRow() * rowHeight_;
}

bool ResultListView::isIndexHidden(const QModelIndex&) const
{
    return false;
}

void ResultListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect rows = rect.normalized();
    const int top = RowAt(std::max(rows.top(), 0));
    if (top < 0) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    const int bottom = RowAt(rows.bottom());
    const QModelIndex first = model()->index(top, 0, rootIndex());
    const QModelIndex last = model()->index(bottom < 0 ? Rows() - 1 : bottom, 0, rootIndex());
    selectionModel()->select(QItemSelection(first, last), command);
}

QRegion ResultListView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    const QRect shown = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        // Clamped to the rows in view, so a range of millions stays one rectangle.
        const int top = std::max(range.top(), FirstRow() - 1);
        const int bottom = std::min(range.bottom(), FirstRow() + VisibleRows() + 1);
        if (top <= bottom)
            region += RowRect(top).united(RowRect(bottom)).intersected(shown);
    }
    return region;
}

void ResultListView::reset()
{
    QAbstractItemView::reset();
    updateGeometries();
    viewport()->update();
}

void ResultListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    // At once, not on the next pass of the event loop: a run marks the new
    // rows before it returns to it.
    updateGeometries();
    viewport()->update();
}

void ResultListView::updateGeometries()
{
    const int visible = VisibleRows();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(visible);
    bar->setRange(0, std::max(0, Rows() - visible));
    QAbstractItemView::updateGeometries();
}

void ResultListView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ResultListView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State base = option.state;
    const QModelIndex current = currentIndex();
    const int rows = Rows();
    const QRect dirty = event->rect();
    for (int row = std::max(RowAt(dirty.top()), FirstRow()); row >= 0 && row < rows; ++row) {
        option.rect = RowRect(row);
        if (option.rect.top() > dirty.bottom())
            break;
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.state = base;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void ResultListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        rowHeight_ = RowHeightFor(*this);
        updateGeometries();
    }
    QAbstractItemView::changeEvent(event);
}

void ResultListView::ShowMark(const QModelIndex& index)
{
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}
