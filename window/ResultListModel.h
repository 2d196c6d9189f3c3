#pragma once

#include <ResultList.h>

#include <QAbstractListModel>

#include <cstddef>
#include <optional>

class PaintPacer;

// Shows one Engine::ResultList to item views without copying its entries:
// data() reads each visible entry from the list when a view paints it.
//
// The list reports every change as it happens, up to millions per run. The
// model only notes them and passes them to the views in Publish(), so that a
// million appends cost a view one row insertion. Requests to repaint and
// marks go to the PaintPacer, which decides when the views catch up.
class ResultListModel : public QAbstractListModel, private Engine::ResultListObserver {
    Q_OBJECT

public:
    ResultListModel(Engine::ResultList& list, PaintPacer& pacer, QObject* parent = nullptr);
    ~ResultListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Tells the views every change since the last call: a reset after a
    // Clear, one insertion for all appended rows, one dataChanged for all
    // written rows, then the latest mark.
    void Publish();

    // Whether the list asked for a repaint or marked an entry since the last
    // call.
    bool TakeRepaintRequest();

    // Has the views repaint at once (emits repaintNow()).
    void RepaintViews() { emit repaintNow(); }

signals:
    // The list marked this entry: select it and bring it into view.
    void marked(const QModelIndex& index);
    // Paint at once, without waiting for the event loop.
    void repaintNow();

private:
    void Appended(std::size_t pos) override;
    void Written(std::size_t pos) override;
    void Exchanged(std::size_t i, std::span<const std::size_t> js) override;
    void Cleared() override;
    void Marked(std::size_t pos) override;
    void Refreshed() override;

    void Touch(std::size_t first, std::size_t last);
    void RequestRepaint();
    int ListRows() const;

    Engine::ResultList& list_;
    PaintPacer& pacer_;
    int shown_ = 0;          // rows the views know of
    bool cleared_ = false;   // the list was cleared since the last Publish
    std::optional<std::size_t> first_, last_;  // rows written since the last Publish
    std::optional<std::size_t> mark_;
    bool repaint_ = false;
};
