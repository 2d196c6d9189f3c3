#pragma once

#include <chrono>
#include <optional>
#include <vector>

class QWidget;
class ResultListModel;

// Decides when a run's requests to repaint reach the screen.
//
// A run asks for a repaint or marks an entry up to millions of times, and
// never returns to the event loop until it ends. Painting each request would
// cost more than the run itself, so the pacer paints at most once per frame:
// the first request after a quiet frame paints at once (the models publish
// their changes, then the widgets that asked repaint), later ones wait until a
// frame has passed since that paint finished. Finish() hands whatever is
// still waiting to the event loop, so the final state always shows.
class PaintPacer {
public:
    using Clock = std::chrono::steady_clock;

    explicit PaintPacer(Clock::duration frame);

    void SetFrame(Clock::duration frame) { frame_ = frame; }

    // The model publishes its changes before every paint.
    void Track(ResultListModel& model);

    // `widget` asks to be repainted at once.
    void Request(QWidget& widget);

    // A tracked model has a request waiting: paint if a frame has passed.
    // Cheap enough to call for every entry of a run.
    void Poll()
    {
        pending_ = true;
        if (--untilCheck_ <= 0)
            Check();
    }

    // Whether a request is waiting; cheap, for callers that poll on the way.
    bool Pending() const { return pending_; }

    // The run has ended: every model publishes, and what still waits is
    // painted by the event loop.
    void Finish();

private:
    void Check();
    void Paint();

    Clock::duration frame_;
    std::optional<Clock::time_point> lastPaint_;  // the end of the last paint
    Clock::time_point lastCheck_{};
    // Reading the clock costs more than a poll, so Poll reads it only every
    // `stride_` calls, a stride that keeps the reads near sixteen a frame.
    int stride_ = 1;
    int untilCheck_ = 1;
    std::vector<ResultListModel*> models_;
    std::vector<QWidget*> widgets_;  // asked to be repainted, not yet painted
    bool pending_ = false;
};
