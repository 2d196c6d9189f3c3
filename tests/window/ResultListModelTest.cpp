// The model passes a ResultList's changes to the views only when published,
// in as few signals as the changes allow, and always shows the list exactly.

#include "ViewReading.h"

#include <PaintPacer.h>
#include <ResultListModel.h>

#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <functional>

using namespace std::chrono_literals;

namespace {

// A list and its model, after the one paint of a very long frame: from
// here on only Publish() moves the views.
struct Followed {
    Followed() { list.Refresh(); }
    PaintPacer pacer{std::chrono::hours(1)};
    Engine::ResultList list;
    ResultListModel model{list, pacer};
};

// One change to a list; an empty step publishes instead.
using Step = std::function<void(Engine::ResultList&)>;

}  // namespace

Q_DECLARE_METATYPE(Step)

class ResultListModelTest : public QObject {
    Q_OBJECT

private slots:
    void showsNothingUntilPublished();
    void publishes_data();
    void publishes();
    void appendsReachTheViewsAsOneInsertion();
    void writesReachTheViewsAsOneChange();
    void clearReachesTheViewsAsAReset();
    void onlyTheLatestMarkIsPassedOn();
    void markAfterClearIsDropped();
    void entriesKeepEveryCharacter();
    void repaintRequests_data();
    void repaintRequests();
};

void ResultListModelTest::showsNothingUntilPublished()
{
    Followed f;
    auto& [pacer, list, model] = f;
    list.AddItem(u"ab");
    list.AddItem(u"cd");
    QCOMPARE(model.rowCount(), 0);
    model.Publish();
    QCOMPARE(model.rowCount(), 2);
}

void ResultListModelTest::publishes_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QStringList>("entries");

    const auto add = [](const char16_t* item) { return Step([item](Engine::ResultList& l) { l.AddItem(item); }); };
    const auto write = [](std::size_t pos, const char16_t* item) {
        return Step([pos, item](Engine::ResultList& l) { l.SetList(pos, item); });
    };
    const auto exchange = [](std::size_t i, std::size_t j) {
        return Step([i, j](Engine::ResultList& l) { l.Exchange(i, j); });
    };
    const Step clear = [](Engine::ResultList& l) { l.Clear(); };
    const Step publish;

    QTest::newRow("appends") << QList<Step>{add(u"a"), add(u"b"), add(u"a")} << QStringList{"a", "b", "a"};
    QTest::newRow("write in place") << QList<Step>{add(u"a"), add(u"b"), add(u"c"), write(1, u"x")}
                                    << QStringList{"a", "x", "c"};
    QTest::newRow("exchange") << QList<Step>{add(u"a"), add(u"b"), add(u"c"), exchange(0, 2)}
                              << QStringList{"c", "b", "a"};
    QTest::newRow("clear then appends") << QList<Step>{add(u"a"), add(u"b"), clear, add(u"c")} << QStringList{"c"};
    QTest::newRow("clear to nothing") << QList<Step>{add(u"a"), clear} << QStringList{};
    QTest::newRow("write a row not yet shown") << QList<Step>{add(u"a"), publish, add(u"b"), write(1, u"y")}
                                               << QStringList{"a", "y"};
    QTest::newRow("exchange shown with unshown") << QList<Step>{add(u"a"), publish, add(u"b"), exchange(0, 1)}
                                                 << QStringList{"b", "a"};
    QTest::newRow("empty entry") << QList<Step>{add(u""), add(u"a")} << QStringList{"", "a"};
}

// Whatever happened between two publishes, the views see the list as it is.
void ResultListModelTest::publishes()
{
    QFETCH(QList<Step>, steps);
    QFETCH(QStringList, entries);
    Followed f;
    auto& [pacer, list, model] = f;
    for (const Step& step : steps) {
        if (step)
            step(list);
        else
            model.Publish();
    }
    model.Publish();
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        shown << model.index(row).data().toString();
    QCOMPARE(shown, entries);
}

void ResultListModelTest::appendsReachTheViewsAsOneInsertion()
{
    Followed f;
    auto& [pacer, list, model] = f;
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    for (int k = 0; k < 100000; ++k)
        list.AddItem(u"x");
    QCOMPARE(inserted.count(), 0);
    model.Publish();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted[0][1].toInt(), 0);
    QCOMPARE(inserted[0][2].toInt(), 99999);
    model.Publish();
    QCOMPARE(inserted.count(), 1);
}

void ResultListModelTest::writesReachTheViewsAsOneChange()
{
    Followed f;
    auto& [pacer, list, model] = f;
    for (const char16_t* item : {u"a", u"b", u"c", u"d", u"e"})
        list.AddItem(item);
    model.Publish();
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    list.Exchange(1, 3);
    list.SetList(2, u"x");
    model.Publish();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0][0].toModelIndex().row(), 1);
    QCOMPARE(changed[0][1].toModelIndex().row(), 3);
    model.Publish();
    QCOMPARE(changed.count(), 1);
}

void ResultListModelTest::clearReachesTheViewsAsAReset()
{
    Followed f;
    auto& [pacer, list, model] = f;
    list.AddItem(u"a");
    model.Publish();
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    list.Clear();
    list.AddItem(u"b");
    list.AddItem(u"c");
    model.Publish();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(model.rowCount(), 2);
}

void ResultListModelTest::onlyTheLatestMarkIsPassedOn()
{
    Followed f;
    auto& [pacer, list, model] = f;
    QSignalSpy marked(&model, &ResultListModel::marked);
    for (const char16_t* item : {u"a", u"b", u"c"})
        list.AddItem(item);
    list.Selected(0);
    list.Selected(2);
    list.Selected(1);
    QCOMPARE(marked.count(), 0);
    model.Publish();
    QCOMPARE(marked.count(), 1);
    QCOMPARE(marked[0][0].toModelIndex().row(), 1);
    model.Publish();
    QCOMPARE(marked.count(), 1);
}

void ResultListModelTest::markAfterClearIsDropped()
{
    Followed f;
    auto& [pacer, list, model] = f;
    QSignalSpy marked(&model, &ResultListModel::marked);
    list.AddItem(u"a");
    list.AddItem(u"b");
    list.Selected(1);
    list.Clear();
    list.AddItem(u"c");
    model.Publish();
    QCOMPARE(marked.count(), 0);
}

void ResultListModelTest::entriesKeepEveryCharacter()
{
    Followed f;
    auto& [pacer, list, model] = f;
    const std::u16string entry = u"\u00e4 \U0001D11E\u0000\r\n*";
    list.AddItem(entry);
    model.Publish();
    QCOMPARE(model.index(0).data().toString(), ToQString(entry));
}

void ResultListModelTest::repaintRequests_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<bool>("asks");

    QTest::newRow("Refresh") << Step([](Engine::ResultList& l) { l.Refresh(); }) << true;
    QTest::newRow("mark") << Step([](Engine::ResultList& l) { l.Selected(0); }) << true;
    QTest::newRow("exchange") << Step([](Engine::ResultList& l) { l.Exchange(0, 1); }) << true;
    QTest::newRow("append") << Step([](Engine::ResultList& l) { l.AddItem(u"c"); }) << false;
    QTest::newRow("write") << Step([](Engine::ResultList& l) { l.SetList(0, u"c"); }) << false;
    QTest::newRow("clear") << Step([](Engine::ResultList& l) { l.Clear(); }) << false;
}

// Repaints, marks and exchanges are what a run shows as it goes; the other
// changes show with the next of those or at the end of the run.
void ResultListModelTest::repaintRequests()
{
    QFETCH(Step, step);
    QFETCH(bool, asks);
    Followed f;
    auto& [pacer, list, model] = f;
    list.AddItem(u"a");
    list.AddItem(u"b");
    step(list);
    QCOMPARE(model.TakeRepaintRequest(), asks);
    QCOMPARE(model.TakeRepaintRequest(), false);
}

QTEST_MAIN(ResultListModelTest)
#include "ResultListModelTest.moc"
