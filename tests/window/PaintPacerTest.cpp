// During a run the event loop does not run: the pacer alone decides what
// reaches the screen. The first request after a quiet frame paints at once,
// later ones within the frame wait, and the end of the run publishes all.

#include "ViewReading.h"

#include <PaintPacer.h>
#include <ResultListModel.h>
#include <ResultListView.h>

#include <QTest>
#include <QWidget>

#include <chrono>
#include <memory>

namespace {

constexpr PaintPacer::Clock::duration Never = std::chrono::hours(1);
constexpr PaintPacer::Clock::duration Always = PaintPacer::Clock::duration::zero();

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A list shown in a view on screen, as in the window.
struct ShownList {
    explicit ShownList(PaintPacer& pacer) : view(list, pacer)
    {
        view.resize(120, 82);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
    }
    void Add(int count)
    {
        for (int k = 0; k < count; ++k)
            list.AddItem(u"entry");
    }
    Engine::ResultList list;
    ResultListView view;
};

}  // namespace

class PaintPacerTest : public QObject {
    Q_OBJECT

private slots:
    void firstRequestPaintsAtOnce();
    void requestsWithinAFrameWait();
    void finishLeavesThePaintToTheEventLoop();
    void repaintShowsEveryAppendedRow();
    void markSelectsAndShowsAtOnce();
    void appendsAloneDoNotPaint();
    void nextRunChecksTheClockAtOnce();
};

void PaintPacerTest::firstRequestPaintsAtOnce()
{
    PaintPacer pacer(Never);
    QWidget box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();
    PaintCounter counter(box);
    pacer.Request(box);
    QCOMPARE(counter.paints, 1);
}

void PaintPacerTest::requestsWithinAFrameWait()
{
    PaintPacer pacer(Never);
    ShownList shown(pacer);
    PaintCounter counter(*shown.view.viewport());
    shown.Add(3);
    shown.list.Refresh();
    QCOMPARE(counter.paints, 1);
    QCOMPARE(shown.view.model()->rowCount(), 3);
    shown.Add(2);
    shown.list.Refresh();
    shown.list.Selected(4);
    QCOMPARE(counter.paints, 1);
    QCOMPARE(shown.view.model()->rowCount(), 3);
    pacer.Finish();
    QCOMPARE(shown.view.model()->rowCount(), 5);
    QCOMPARE(SelectedRows(shown.view), QList<int>{4});
}

void PaintPacerTest::finishLeavesThePaintToTheEventLoop()
{
    PaintPacer pacer(Never);
    ShownList shown(pacer);
    QWidget box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();
    shown.list.Refresh();  // the frame's one paint
    PaintCounter listPaints(*shown.view.viewport());
    PaintCounter boxPaints(box);
    shown.Add(1);
    shown.list.Refresh();
    pacer.Request(box);
    pacer.Finish();
    QCOMPARE(listPaints.paints, 0);
    QCOMPARE(boxPaints.paints, 0);
    QTRY_VERIFY(listPaints.paints > 0 && boxPaints.paints > 0);
}

void PaintPacerTest::repaintShowsEveryAppendedRow()
{
    PaintPacer pacer(Always);
    ShownList shown(pacer);
    PaintCounter counter(*shown.view.viewport());
    shown.Add(1000);
    QCOMPARE(counter.paints, 0);
    shown.list.Refresh();
    QCOMPARE(counter.paints, 1);
    QCOMPARE(shown.view.model()->rowCount(), 1000);
}

void PaintPacerTest::markSelectsAndShowsAtOnce()
{
    PaintPacer pacer(Always);
    ShownList shown(pacer);
    shown.Add(1000);
    PaintCounter counter(*shown.view.viewport());
    shown.list.Selected(900);
    QCOMPARE(counter.paints, 1);
    QCOMPARE(SelectedRows(shown.view), QList<int>{900});
    const QRect row = shown.view.visualRect(shown.view.model()->index(900, 0));
    QVERIFY(shown.view.viewport()->rect().contains(row));
    shown.list.Selected(3);
    QCOMPARE(counter.paints, 2);
    QCOMPARE(SelectedRows(shown.view), QList<int>{3});
    QVERIFY(shown.view.viewport()->rect().contains(shown.view.visualRect(shown.view.model()->index(3, 0))));
}

void PaintPacerTest::appendsAloneDoNotPaint()
{
    PaintPacer pacer(Always);
    ShownList shown(pacer);
    PaintCounter counter(*shown.view.viewport());
    shown.Add(10);
    shown.list.SetList(0, u"x");
    QCOMPARE(counter.paints, 0);
    QCOMPARE(shown.view.model()->rowCount(), 0);
}

// A busy run reads the clock only now and then; the run after it must not
// inherit that, or its first request would wait.
void PaintPacerTest::nextRunChecksTheClockAtOnce()
{
    PaintPacer pacer(Never);
    ShownList shown(pacer);
    shown.Add(1);
    for (int k = 0; k < 1000; ++k)
        shown.list.Selected(0);
    pacer.Finish();
    pacer.SetFrame(Always);
    PaintCounter counter(*shown.view.viewport());
    shown.list.Refresh();
    QCOMPARE(counter.paints, 1);
}

QTEST_MAIN(PaintPacerTest)
#include "PaintPacerTest.moc"
