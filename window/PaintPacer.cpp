#include "PaintPacer.h"

#include "ResultListModel.h"

#include <QWidget>

#include <algorithm>

namespace {

// Polls seldom come hundreds apart in time, so a run that slows down
// suddenly waits at most this many polls for its next paint.
constexpr int MaxStride = 256;

}  // namespace

PaintPacer::PaintPacer(Clock::duration frame) : frame_(frame) {}

void PaintPacer::Track(ResultListModel& model)
{
    models_.push_back(&model);
}

void PaintPacer::Request(QWidget& widget)
{
    if (std::find(widgets_.begin(), widgets_.end(), &widget) == widgets_.end())
        widgets_.push_back(&widget);
    pending_ = true;
    Check();
}

void PaintPacer::Check()
{
    const Clock::time_point now = Clock::now();
    stride_ = now - lastCheck_ < frame_ / 16 ? std::min(stride_ * 2, MaxStride) : 1;
    untilCheck_ = stride_;
    lastCheck_ = now;
    if (!lastPaint_ || now - *lastPaint_ >= frame_)
        Paint();
}

void PaintPacer::Paint()
{
    // Every model first, so that no view paints rows its model has not told it of.
    for (ResultListModel* model : models_)
        model->Publish();
    for (ResultListModel* model : models_)
        if (model->TakeRepaintRequest())
            model->RepaintViews();
    for (QWidget* widget : widgets_)
        widget->repaint();
    widgets_.clear();
    pending_ = false;
    // Counted from the end of the paint, so painting takes at most half the time.
    lastPaint_ = Clock::now();
}

void PaintPacer::Finish()
{
    // Publishing has the views update what changed; a request without a
    // change has nothing left to show.
    for (ResultListModel* model : models_) {
        model->Publish();
        model->TakeRepaintRequest();
    }
    for (QWidget* widget : widgets_)
        widget->update();
    widgets_.clear();
    pending_ = false;
    // The next run's first request is checked at once.
    stride_ = 1;
    untilCheck_ = 1;
}
