#pragma once

#include <ResultList.h>

#include <QAbstractItemView>

class PaintPacer;
class ResultListModel;

// A list box showing one ResultList through its own ResultListModel: one
// column of plain rows of one height, at most one entry selected, no sorting,
// no editing.
//
// Qt's own views keep state for every row (QListView lays all rows out again
// after a change, QTableView's header holds an item per row and walks them
// all), which costs more than the analysis itself when a run lists millions
// of entries. With rows of one height, every row's place follows from its
// number, so this view keeps nothing per row and takes any change in
// constant time; the scroll bar counts rows.
class ResultListView : public QAbstractItemView {
    Q_OBJECT

public:
    ResultListView(Engine::ResultList& list, PaintPacer& pacer, QWidget* parent = nullptr);

    ResultListModel& Model() const { return model_; }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowMark(const QModelIndex& index);
    int Rows() const;
    int FirstRow() const;
    int VisibleRows() const;
    int RowAt(int y) const;
    QRect RowRect(int row) const;

    ResultListModel& model_;
    int rowHeight_;
};
