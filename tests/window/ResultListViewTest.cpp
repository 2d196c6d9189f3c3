// The list box: rows of one height numbered from the top, a scroll bar that
// counts rows, one selected entry at most, and the usual keys and clicks.

#include "ViewReading.h"

#include <PaintPacer.h>
#include <ResultListModel.h>
#include <ResultListView.h>

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <chrono>
#include <string>

namespace {

// A list of `count` entries "0", "1", … in a view the size of the window's
// Patterns list.
struct Shown {
    explicit Shown(int count) : view(list, pacer)
    {
        for (int k = 0; k < count; ++k)
            list.AddItem(std::u16string(QString::number(k).toStdU16String()));
        pacer.Finish();
        view.resize(121, 82);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCoreApplication::processEvents();
    }
    QModelIndex Index(int row) const { return view.model()->index(row, 0); }
    bool InView(int row) const { return view.viewport()->rect().contains(view.visualRect(Index(row))); }
    int FirstInView() const { return view.indexAt(QPoint(1, 1)).row(); }

    PaintPacer pacer{std::chrono::hours(1)};
    Engine::ResultList list;
    ResultListView view;
};

}  // namespace

class ResultListViewTest : public QObject {
    Q_OBJECT

private slots:
    void scrollRangeCountsRows_data();
    void scrollRangeCountsRows();
    void rowsFollowOneAnother();
    void markSelectsAndBringsIntoView_data();
    void markSelectsAndBringsIntoView();
    void keysMoveTheSelection_data();
    void keysMoveTheSelection();
    void clickSelectsOneEntry();
    void tabLeavesTheList();
};

void ResultListViewTest::scrollRangeCountsRows_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0;
    QTest::newRow("fits") << 3;
    QTest::newRow("one more than fits") << 7;
    QTest::newRow("a million") << 1000000;
}

// Every row can be scrolled into view, the last one too, and no further.
void ResultListViewTest::scrollRangeCountsRows()
{
    QFETCH(int, count);
    Shown shown(count);
    QScrollBar* bar = shown.view.verticalScrollBar();
    bar->setValue(bar->maximum());
    if (count == 0) {
        QCOMPARE(bar->maximum(), 0);
        return;
    }
    QVERIFY(shown.InView(count - 1));
    QVERIFY(count <= bar->pageStep() || !shown.InView(bar->maximum() - 1));
    QCOMPARE(shown.FirstInView(), bar->maximum());
}

void ResultListViewTest::rowsFollowOneAnother()
{
    Shown shown(20);
    shown.view.verticalScrollBar()->setValue(5);
    const QRect first = shown.view.visualRect(shown.Index(5));
    const QRect second = shown.view.visualRect(shown.Index(6));
    QCOMPARE(first.top(), 0);
    QCOMPARE(second.top(), first.bottom() + 1);
    QCOMPARE(first.width(), shown.view.viewport()->width());
    QCOMPARE(shown.view.indexAt(second.center()).row(), 6);
}

void ResultListViewTest::markSelectsAndBringsIntoView_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");  // first row in view before the mark
    QTest::addColumn<int>("mark");

    QTest::newRow("below the view") << 100 << 0 << 50;
    QTest::newRow("above the view") << 100 << 80 << 10;
    QTest::newRow("last row") << 100 << 0 << 99;
    QTest::newRow("already in view") << 100 << 10 << 12;
    QTest::newRow("far down a million") << 1000000 << 0 << 999998;
}

void ResultListViewTest::markSelectsAndBringsIntoView()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, mark);
    Shown shown(count);
    shown.view.verticalScrollBar()->setValue(start);
    shown.list.Selected(static_cast<std::size_t>(mark));
    shown.pacer.Finish();
    QCOMPARE(SelectedRows(shown.view), QList<int>{mark});
    QVERIFY(shown.InView(mark));
    if (start <= mark && mark < start + shown.view.verticalScrollBar()->pageStep())
        QCOMPARE(shown.FirstInView(), start);
}

void ResultListViewTest::keysMoveTheSelection_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("pages");  // and this many rows in view further

    QTest::newRow("down") << 3 << Qt::Key_Down << 4 << 0;
    QTest::newRow("up") << 3 << Qt::Key_Up << 2 << 0;
    QTest::newRow("up at the top") << 0 << Qt::Key_Up << 0 << 0;
    QTest::newRow("down at the bottom") << 49 << Qt::Key_Down << 49 << 0;
    QTest::newRow("page down") << 3 << Qt::Key_PageDown << 3 << 1;
    QTest::newRow("page up") << 30 << Qt::Key_PageUp << 30 << -1;
    QTest::newRow("page up near the top") << 3 << Qt::Key_PageUp << 0 << 0;
    QTest::newRow("end") << 3 << Qt::Key_End << 49 << 0;
    QTest::newRow("home") << 30 << Qt::Key_Home << 0 << 0;
}

void ResultListViewTest::keysMoveTheSelection()
{
    QFETCH(int, from);
    QFETCH(Qt::Key, key);
    QFETCH(int, to);
    QFETCH(int, pages);
    Shown shown(50);
    to += pages * shown.view.verticalScrollBar()->pageStep();
    shown.view.setFocus();
    shown.view.setCurrentIndex(shown.Index(from));
    QTest::keyClick(&shown.view, key);
    QCOMPARE(SelectedRows(shown.view), QList<int>{to});
    QVERIFY(shown.InView(to));
}

void ResultListViewTest::clickSelectsOneEntry()
{
    Shown shown(50);
    shown.view.verticalScrollBar()->setValue(10);
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(shown.view.viewport(), Qt::LeftButton, modifiers,
                          shown.view.visualRect(shown.Index(row)).center());
    };
    click(12, Qt::NoModifier);
    QCOMPARE(SelectedRows(shown.view), QList<int>{12});
    click(14, Qt::ControlModifier);
    QCOMPARE(SelectedRows(shown.view), QList<int>{14});
    click(11, Qt::ShiftModifier);
    QCOMPARE(SelectedRows(shown.view), QList<int>{11});
}

void ResultListViewTest::tabLeavesTheList()
{
    QWidget window;
    Engine::ResultList list;
    list.AddItem(u"a");
    list.AddItem(u"b");
    PaintPacer pacer{std::chrono::hours(1)};
    auto* view = new ResultListView(list, pacer, &window);
    auto* next = new QLineEdit(&window);
    pacer.Finish();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, 0));
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), next);
    QCOMPARE(SelectedRows(*view), QList<int>{0});
}

QTEST_MAIN(ResultListViewTest)
#include "ResultListViewTest.moc"
