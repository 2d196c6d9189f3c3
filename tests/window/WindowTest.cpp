// The window as a user meets it: its starting state, focus and Tab, the
// Enter key in its two input boxes, and what a run leaves in the lists and
// boxes, read from the views and boxes on screen.

#include "ViewReading.h"

#include <Look.h>
#include <RecordingControls.h>
#include <Window.h>

#include <QClipboard>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <memory>
#include <new>

namespace {

const QString StartingData = QStringLiteral("Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__");

// Everything a run shows.
struct Shown {
    QStringList patterns, rpPatterns, use, kwds;
    QList<int> patternsMark, rpPatternsMark, useMark, kwdsMark;
    QString excep, rkeys;
};

QList<int> MarkOf(const Engine::ResultList& list)
{
    const auto selected = list.SelectedIndex();
    return selected ? QList<int>{static_cast<int>(*selected)} : QList<int>{};
}

// What the engine alone leaves for these texts, with no window.
Shown EngineResults(const QString& data, const QString& keyLength)
{
    Testing::RecordingControls run(false);
    run.Run(data.toStdU16String(), keyLength.toStdU16String());
    using Testing::RecordingControls;
    return {ToQStringList(RecordingControls::Entries(run.Patterns)),
            ToQStringList(RecordingControls::Entries(run.RpPatterns)),
            ToQStringList(RecordingControls::Entries(run.Use)),
            ToQStringList(RecordingControls::Entries(run.KWDS)),
            MarkOf(run.Patterns),
            MarkOf(run.RpPatterns),
            MarkOf(run.Use),
            MarkOf(run.KWDS),
            ToQString(run.Excep.text),
            ToQString(run.RKeys.text)};
}

// Compares field by field, so that a failure names the control.
void CompareShown(const Shown& actual, const Shown& expected)
{
    QCOMPARE(actual.patterns, expected.patterns);
    QCOMPARE(actual.rpPatterns, expected.rpPatterns);
    QCOMPARE(actual.use, expected.use);
    QCOMPARE(actual.kwds, expected.kwds);
    QCOMPARE(actual.patternsMark, expected.patternsMark);
    QCOMPARE(actual.rpPatternsMark, expected.rpPatternsMark);
    QCOMPARE(actual.useMark, expected.useMark);
    QCOMPARE(actual.kwdsMark, expected.kwdsMark);
    QCOMPARE(actual.excep, expected.excep);
    QCOMPARE(actual.rkeys, expected.rkeys);
}

// The window on screen, with its analysis wrapped so that the test sees each
// run begin ("start" and the key length it read) and end ("end").
class Opened : public QObject {
public:
    Opened()
        : window([this](const Engine::Controls& controls) {
              log << QStringLiteral("start ") + ToQString(controls.KWL.Text());
              running = true;
              analysis(controls);
              running = false;
              log << QStringLiteral("end");
          })
    {
        window.installEventFilter(this);
        window.Data->installEventFilter(this);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the window did not become active");
    }

    QWidget* Control(const QString& name) const { return window.findChild<QWidget*>(name); }

    // Enter, or another key, in a control that has the focus.
    void Press(QWidget* control, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = {})
    {
        control->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(control, key, modifiers);
    }

    Shown Results() const
    {
        return {Entries(*window.Patterns),    Entries(*window.RpPatterns),   Entries(*window.Use),
                Entries(*window.KWDS),        SelectedRows(*window.Patterns), SelectedRows(*window.RpPatterns),
                SelectedRows(*window.Use),    SelectedRows(*window.KWDS),     window.Excep->text(),
                window.RKeys->text()};
    }

    bool ListsEmpty() const
    {
        return window.Patterns->model()->rowCount() == 0 && window.RpPatterns->model()->rowCount() == 0 &&
               window.Use->model()->rowCount() == 0 && window.KWDS->model()->rowCount() == 0;
    }

    std::function<void(const Engine::Controls&)> analysis = Engine::Analyze;
    QStringList log;
    bool running = false;
    int paintsOfDataDuringRuns = 0;
    Window window;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window && event->type() == QEvent::Close)
            log << QStringLiteral("close");
        if (watched == window.Data && event->type() == QEvent::Paint && running)
            ++paintsOfDataDuringRuns;
        return false;
    }
};

// A run of the starting texts shows these.
Shown StartingResults()
{
    return {{},
            {"Link__", "Bold__", "Italic", "Link__Italic", "ItalicLink__", "Link__ItalicLink__", "ItalicLink__Italic",
             "Link__ItalicLink__Italic"},
            {"Link__", "Bold__", "Italic"},
            {"Bold__", "Link__", "Italic"},
            {44},
            {7},
            {},
            {},
            QString(42, u'*') + "Underl" + QString(6, u'*') + "!",
            "Link__Bold__Italic"};
}

// Compares with StartingResults(); of Patterns, its size and ends.
void CompareWithStartingResults(const Shown& actual)
{
    QCOMPARE(actual.patterns.size(), 45);
    QCOMPARE(actual.patterns.first(), "Bold__");
    QCOMPARE(actual.patterns.last(), "Bold__");
    Shown expected = StartingResults();
    expected.patterns = actual.patterns;
    CompareShown(actual, expected);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void startingState_data();
    void startingState();
    void controlsAreMembersOfTheirName();
    void captionAndClientArea();
    void sizeIsFixed();
    void iconHasTwoSixteenColourImages();
    void nothingButTheControls();
    void labelsShowTheirWholeCaption_data();
    void labelsShowTheirWholeCaption();
    void labelsLieBeneathTheirControls_data();
    void labelsLieBeneathTheirControls();
    void frameCaptionsClearTheFirstRow_data();
    void frameCaptionsClearTheFirstRow();

    void focusStartsInPatterns();
    void tabCycle_data();
    void tabCycle();
    void framesAndLabelsTakeNoFocus_data();
    void framesAndLabelsTakeNoFocus();

    void enterRunsTheAnalysis_data();
    void enterRunsTheAnalysis();
    void enterElsewhereStartsNothing_data();
    void enterElsewhereStartsNothing();
    void otherKeysOnlyEdit_data();
    void otherKeysOnlyEdit();
    void inputsKeepTheirTextThroughARun_data();
    void inputsKeepTheirTextThroughARun();
    void listsShowWhatTheRunLeft_data();
    void listsShowWhatTheRunLeft();
    void marksAreInView();
    void runRepaintsDataAtOnce();

    void twoEntersGiveTwoRuns();
    void queuedEntersRunOneAfterAnother_data();
    void queuedEntersRunOneAfterAnother();
    void keysQueuedDuringRunsApplyBetweenThem();
    void closeDuringARunWaitsForItsEnd();
    void emptyDataEmptiesOnlyTheOutputBoxes_data();
    void emptyDataEmptiesOnlyTheOutputBoxes();
    void failureIsReportedAndTheProgramGoesOn_data();
    void failureIsReportedAndTheProgramGoesOn();

    void dataHoldsTextOfAnyLength();
    void outputBoxesAreReadOnlyButCopyable_data();
    void outputBoxesAreReadOnlyButCopyable();
};

void WindowTest::initTestCase()
{
    ApplyWindowLook();
}

void WindowTest::startingState_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");  // pixels

    const auto row = [](const char* name, const char* kind, const char* container, const QString& text, QRect r) {
        QTest::newRow(name) << QString(kind) << QString(container) << text << r;
    };
    row("Frame2", "frame", "Window", "Input", {0, 0, 409, 57});
    row("Label1", "label", "Frame2", "Data:", {8, 16, 161, 17});
    row("Data", "text box", "Frame2", StartingData, {8, 32, 305, 19});
    row("Label7", "label", "Frame2", "Key lenght:", {320, 32, 57, 17});
    row("KWL", "text box", "Frame2", "6", {376, 32, 25, 19});
    row("Frame1", "frame", "Window", "Output", {0, 64, 409, 209});
    row("Label2", "label", "Frame1", "Patterns:", {8, 16, 41, 17});
    row("Patterns", "list box", "Frame1", "", {8, 32, 121, 82});
    row("Label3", "label", "Frame1", "Repeating patterns:", {136, 16, 137, 17});
    row("RpPatterns", "list box", "Frame1", "", {136, 32, 137, 82});
    row("Label5", "label", "Frame1", "Usefull patterns:", {280, 16, 105, 17});
    row("Use", "list box", "Frame1", "", {280, 32, 121, 82});
    row("Label8", "label", "Frame1", "Correct keyword list -->", {88, 120, 121, 17});
    row("KWDS", "list box", "Frame1", "", {216, 120, 185, 84});
    row("Label4", "label", "Frame1", "Exceptions:", {8, 128, 65, 17});
    row("Excep", "text box", "Frame1", "", {8, 144, 201, 19});
    row("Label6", "label", "Frame1", "Return keys:", {8, 168, 185, 17});
    row("RKeys", "text box", "Frame1", "", {8, 184, 201, 19});
}

void WindowTest::startingState()
{
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    Opened opened;
    QWidget* control = opened.Control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), geometry);
    if (kind == "frame") {
        auto* frame = qobject_cast<QGroupBox*>(control);
        QVERIFY(frame);
        QCOMPARE(frame->title(), text);
    } else if (kind == "label") {
        auto* label = qobject_cast<QLabel*>(control);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    } else if (kind == "text box") {
        auto* box = qobject_cast<QLineEdit*>(control);
        QVERIFY(box);
        QCOMPARE(box->text(), text);
    } else {
        auto* list = qobject_cast<QAbstractItemView*>(control);
        QVERIFY(list);
        QCOMPARE(list->model()->rowCount(), 0);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }
}

void WindowTest::controlsAreMembersOfTheirName()
{
    Opened opened;
    const Window& w = opened.window;
    const QList<std::pair<const char*, QWidget*>> members = {
        {"Frame2", w.Frame2}, {"Label1", w.Label1},   {"Data", w.Data},         {"Label7", w.Label7},
        {"KWL", w.KWL},       {"Frame1", w.Frame1},   {"Label2", w.Label2},     {"Patterns", w.Patterns},
        {"Label3", w.Label3}, {"RpPatterns", w.RpPatterns}, {"Label5", w.Label5}, {"Use", w.Use},
        {"Label8", w.Label8}, {"KWDS", w.KWDS},       {"Label4", w.Label4},     {"Excep", w.Excep},
        {"Label6", w.Label6}, {"RKeys", w.RKeys},
    };
    for (const auto& [name, member] : members)
        QCOMPARE(member->objectName(), QString::fromLatin1(name));
    QCOMPARE(w.objectName(), "Window");
}

void WindowTest::captionAndClientArea()
{
    Opened opened;
    QCOMPARE(opened.window.windowTitle(), "Quorrel v2.0");
    QCOMPARE(opened.window.size(), QSize(414, 273));
}

void WindowTest::sizeIsFixed()
{
    Opened opened;
    const QRect data = opened.window.Data->geometry();
    opened.window.resize(800, 600);
    QCoreApplication::processEvents();
    QCOMPARE(opened.window.size(), QSize(414, 273));
    QCOMPARE(opened.window.minimumSize(), opened.window.maximumSize());
    QVERIFY(!opened.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(opened.window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(opened.window.Data->geometry(), data);
}

void WindowTest::iconHasTwoSixteenColourImages()
{
    Opened opened;
    const QList<QSize> sizes = opened.window.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    for (const char* file : {":/icons/quorrel-16.png", ":/icons/quorrel-32.png"}) {
        const QImage image(QString::fromLatin1(file));
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QVERIFY(image.colorCount() <= 16);
    }
}

void WindowTest::nothingButTheControls()
{
    Opened opened;
    QVERIFY(opened.window.findChildren<QMenuBar*>().isEmpty());
    QVERIFY(opened.window.findChildren<QToolBar*>().isEmpty());
    QVERIFY(opened.window.findChildren<QStatusBar*>().isEmpty());
    QCOMPARE(opened.window.findChildren<QLabel*>().size(), 8);
    QCOMPARE(opened.window.findChildren<QGroupBox*>().size(), 2);
    QCOMPARE(opened.window.findChildren<QLineEdit*>().size(), 4);
    QCOMPARE(opened.window.findChildren<QAbstractItemView*>().size(), 4);
}

void WindowTest::labelsShowTheirWholeCaption_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void WindowTest::labelsShowTheirWholeCaption()
{
    QFETCH(QString, name);
    Opened opened;
    auto* label = opened.window.findChild<QLabel*>(name);
    QVERIFY(label);
    const QFontMetrics metrics = label->fontMetrics();
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
             qPrintable(QString("%1 needs %2 pixels").arg(label->text()).arg(metrics.horizontalAdvance(label->text()))));
    QVERIFY(metrics.height() <= label->contentsRect().height());
}

void WindowTest::labelsLieBeneathTheirControls_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("control");
    QTest::newRow("Data") << "Label1" << "Data";
    QTest::newRow("Patterns") << "Label2" << "Patterns";
    QTest::newRow("RpPatterns") << "Label3" << "RpPatterns";
    QTest::newRow("Use") << "Label5" << "Use";
    QTest::newRow("Excep") << "Label4" << "Excep";
    QTest::newRow("RKeys") << "Label6" << "RKeys";
}

// A label reaches one pixel into the control it names; there the control shows.
void WindowTest::labelsLieBeneathTheirControls()
{
    QFETCH(QString, label);
    QFETCH(QString, control);
    Opened opened;
    QWidget* l = opened.Control(label);
    QWidget* c = opened.Control(control);
    const QRect overlap = l->geometry().intersected(c->geometry());
    QCOMPARE(overlap.height(), 1);
    const QPoint inside = overlap.topLeft() + QPoint(2, 0);
    QWidget* shown = l->parentWidget()->childAt(inside);
    QVERIFY(shown == c || c->isAncestorOf(shown));
}

void WindowTest::frameCaptionsClearTheFirstRow_data()
{
    QTest::addColumn<QString>("frame");
    QTest::newRow("Frame1") << "Frame1";
    QTest::newRow("Frame2") << "Frame2";
}

// The caption sits on the frame's top line inside the frame, above the first
// row of controls at 16 pixels.
void WindowTest::frameCaptionsClearTheFirstRow()
{
    QFETCH(QString, frame);
    Opened opened;
    auto* box = opened.window.findChild<QGroupBox*>(frame);
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect caption = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QRect line = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
    QVERIFY(caption.top() >= 0);
    QVERIFY2(caption.bottom() < 16, qPrintable(QString("caption ends at %1").arg(caption.bottom())));
    QVERIFY2(line.top() >= caption.top() && line.top() <= caption.bottom(),
             qPrintable(QString("frame line at %1").arg(line.top())));
    QVERIFY(box->fontMetrics().horizontalAdvance(box->title()) <= caption.width());
}

void WindowTest::focusStartsInPatterns()
{
    Opened opened;
    QCOMPARE(QApplication::focusWidget(), opened.window.Patterns);
}

void WindowTest::tabCycle_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("to");
    const QStringList cycle = {"Patterns", "RpPatterns", "Excep", "Use", "Data", "RKeys", "KWL", "KWDS"};
    for (qsizetype k = 0; k < cycle.size(); ++k) {
        const QString& next = cycle[(k + 1) % cycle.size()];
        QTest::addRow("Tab from %s", qPrintable(cycle[k])) << cycle[k] << Qt::Key_Tab << next;
        QTest::addRow("Shift+Tab from %s", qPrintable(next)) << next << Qt::Key_Backtab << cycle[k];
    }
}

void WindowTest::tabCycle()
{
    QFETCH(QString, from);
    QFETCH(Qt::Key, key);
    QFETCH(QString, to);
    Opened opened;
    opened.Press(opened.Control(from), key);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), to);
    QVERIFY(opened.log.isEmpty());
}

void WindowTest::framesAndLabelsTakeNoFocus_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"Frame1", "Frame2", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void WindowTest::framesAndLabelsTakeNoFocus()
{
    QFETCH(QString, name);
    Opened opened;
    QWidget* control = opened.Control(name);
    QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(QApplication::focusWidget(), opened.window.Patterns);
}

void WindowTest::enterRunsTheAnalysis_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return in Data") << "Data" << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("Return in KWL") << "KWL" << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("keypad Enter in Data") << "Data" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("keypad Enter in KWL") << "KWL" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Shift+Return in Data") << "Data" << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier);
}

// The handler passes the key on: the box then acts on it as any line edit
// does, and a single-line box adds nothing to its text.

void WindowTest::enterRunsTheAnalysis()
{
    QFETCH(QString, box);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Opened opened;
    auto* edit = qobject_cast<QLineEdit*>(opened.Control(box));
    QSignalSpy handled(edit, &QLineEdit::returnPressed);
    opened.Press(edit, key, modifiers);
    QCoreApplication::processEvents();
    QCOMPARE(opened.log, QStringList({"start 6", "end"}));
    QCOMPARE(handled.count(), 1);
    CompareWithStartingResults(opened.Results());
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(opened.window.Data->text(), StartingData);
    QCOMPARE(opened.window.KWL->text(), "6");
    QCOMPARE(QApplication::focusWidget()->objectName(), box);
}

void WindowTest::enterElsewhereStartsNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Qt::Key>("key");
    for (const char* name : {"Patterns", "RpPatterns", "Use", "KWDS", "Excep", "RKeys"}) {
        QTest::addRow("Return in %s", name) << QString::fromLatin1(name) << Qt::Key_Return;
        QTest::addRow("keypad Enter in %s", name) << QString::fromLatin1(name) << Qt::Key_Enter;
    }
}

void WindowTest::enterElsewhereStartsNothing()
{
    QFETCH(QString, control);
    QFETCH(Qt::Key, key);
    Opened opened;
    opened.Press(opened.Control(control), key);
    QCoreApplication::processEvents();
    QVERIFY(opened.log.isEmpty());
    QVERIFY(opened.ListsEmpty());
    QCOMPARE(opened.window.Excep->text(), "");
    QCOMPARE(opened.window.RKeys->text(), "");
}

void WindowTest::otherKeysOnlyEdit_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("typed");  // one key each
    QTest::addColumn<QString>("text");       // the box's text afterwards

    QTest::newRow("letters and spaces in Data")
        << "Data" << QStringList{" ", "I", "t", "a", "l", "i", "c", " ", " "} << StartingData + " Italic  ";
    QTest::newRow("digits in KWL") << "KWL" << QStringList{"1", "2"} << "612";
    QTest::newRow("beyond ASCII in Data") << "Data" << QStringList{"\u00e4", "\u20ac", "\U0001D11E"}
                                          << StartingData + "\u00e4\u20ac\U0001D11E";
    QTest::newRow("beyond ASCII in KWL") << "KWL" << QStringList{"\u0663"} << "6\u0663";
    QTest::newRow("line feed in Data") << "Data" << QStringList{"\n"} << StartingData;
    QTest::newRow("line feed in KWL") << "KWL" << QStringList{"\n"} << "6";
}

void WindowTest::otherKeysOnlyEdit()
{
    QFETCH(QString, box);
    QFETCH(QStringList, typed);
    QFETCH(QString, text);
    Opened opened;
    auto* edit = qobject_cast<QLineEdit*>(opened.Control(box));
    opened.Press(edit, Qt::Key_End);
    for (const QString& key : typed) {
        // keyClicks sends ASCII only; this carries any text.
        const Qt::Key code = key == "\n" ? Qt::Key_J : Qt::Key_unknown;
        const Qt::KeyboardModifiers modifiers = key == "\n" ? Qt::ControlModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Click, edit, code, key, modifiers);
    }
    QCoreApplication::processEvents();
    QCOMPARE(edit->text(), text);
    QVERIFY(opened.log.isEmpty());
    QVERIFY(opened.ListsEmpty());
}

void WindowTest::inputsKeepTheirTextThroughARun_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("keyLength");
    QTest::newRow("spaces around and between codes") << "  Bold__  Link__ Bold__   " << " 6 ";
    QTest::newRow("ends in the end marker") << "Bold__Link__Bold__!" << "6";
    QTest::newRow("a key length that is no number") << "Bold__ Link__" << "six";
}

void WindowTest::inputsKeepTheirTextThroughARun()
{
    QFETCH(QString, data);
    QFETCH(QString, keyLength);
    Opened opened;
    opened.window.Data->setText(data);
    opened.window.KWL->setText(keyLength);
    opened.Press(opened.window.KWL);
    QCoreApplication::processEvents();
    QCOMPARE(opened.log.size(), 2);
    QCOMPARE(opened.window.Data->text(), data);
    QCOMPARE(opened.window.KWL->text(), keyLength);
    CompareShown(opened.Results(), EngineResults(data, keyLength));
}

void WindowTest::listsShowWhatTheRunLeft_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("keyLength");
    QTest::newRow("starting texts") << StartingData << "6";
    QTest::newRow("one repeated code") << "Link__Link__" << "6";
    QTest::newRow("key length 3") << StartingData << "3";
    QTest::newRow("key length 2.5") << StartingData << "2.5";
    QTest::newRow("key length 0") << StartingData << "0";
    QTest::newRow("beyond ASCII") << QString::fromUtf16(u"\u00c4\u00d6\u00c4\u00d6 \U0001D11E\u00c4\u00d6") << "2";
    QTest::newRow("two hundred codes")
        << QString("Bold__Link__Italic Link__Italic Bold__Underl Italic ").repeated(25) << "6";
}

// The views show exactly the entries, order and marks that the engine left
// in its lists, and the boxes its texts.
void WindowTest::listsShowWhatTheRunLeft()
{
    QFETCH(QString, data);
    QFETCH(QString, keyLength);
    Opened opened;
    opened.window.Data->setText(data);
    opened.window.KWL->setText(keyLength);
    opened.Press(opened.window.Data);
    QCoreApplication::processEvents();
    CompareShown(opened.Results(), EngineResults(data, keyLength));
}

void WindowTest::marksAreInView()
{
    Opened opened;
    opened.Press(opened.window.Data);
    QCoreApplication::processEvents();
    for (QAbstractItemView* list : {static_cast<QAbstractItemView*>(opened.window.Patterns),
                                    static_cast<QAbstractItemView*>(opened.window.RpPatterns)}) {
        const QList<int> marked = SelectedRows(*list);
        QCOMPARE(marked.size(), 1);
        const QRect row = list->visualRect(list->model()->index(marked[0], 0));
        QVERIFY2(list->viewport()->rect().contains(row), qPrintable(list->objectName()));
    }
}

// The first repaint a run asks for reaches the screen before the run ends.
void WindowTest::runRepaintsDataAtOnce()
{
    Opened opened;
    opened.Press(opened.window.Data);
    QCOMPARE(opened.paintsOfDataDuringRuns, 1);
}

void WindowTest::twoEntersGiveTwoRuns()
{
    Opened opened;
    opened.Press(opened.window.Data);
    QTest::keyClick(opened.window.Data, Qt::Key_Return);
    QCoreApplication::processEvents();
    QCOMPARE(opened.log, QStringList({"start 6", "end", "start 6", "end"}));
    CompareWithStartingResults(opened.Results());
}

void WindowTest::queuedEntersRunOneAfterAnother_data()
{
    QTest::addColumn<int>("enters");
    QTest::newRow("two") << 2;
    QTest::newRow("ten") << 10;
}

// Keys that arrive while a run lasts wait in the event queue; each Enter
// then starts one whole run after the one before has ended.
void WindowTest::queuedEntersRunOneAfterAnother()
{
    QFETCH(int, enters);
    Opened opened;
    opened.window.Data->setFocus();
    for (int k = 0; k < enters; ++k) {
        QCoreApplication::postEvent(opened.window.Data,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r"));
        QCoreApplication::postEvent(opened.window.Data,
                                    new QKeyEvent(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r"));
    }
    QCoreApplication::processEvents();
    QStringList expected;
    for (int k = 0; k < enters; ++k)
        expected << "start 6" << "end";
    QCOMPARE(opened.log, expected);
    CompareWithStartingResults(opened.Results());
}

void WindowTest::keysQueuedDuringRunsApplyBetweenThem()
{
    Opened opened;
    QLineEdit* box = opened.window.KWL;
    box->setFocus();
    const auto post = [box](int key, const QString& text) {
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(box, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    };
    post(Qt::Key_Return, "\r");
    post(Qt::Key_End, "");
    post(Qt::Key_Backspace, "\b");
    post(Qt::Key_3, "3");
    post(Qt::Key_Return, "\r");
    QCoreApplication::processEvents();
    QCOMPARE(opened.log, QStringList({"start 6", "end", "start 3", "end"}));
    CompareShown(opened.Results(), EngineResults(StartingData, "3"));
}

void WindowTest::closeDuringARunWaitsForItsEnd()
{
    Opened opened;
    opened.analysis = [&opened](const Engine::Controls& controls) {
        // As the window system asks when the user closes the window.
        QCoreApplication::postEvent(opened.window.windowHandle(), new QCloseEvent);
        Engine::Analyze(controls);
    };
    opened.Press(opened.window.Data);
    QCoreApplication::processEvents();
    QCOMPARE(opened.log, QStringList({"start 6", "end", "close"}));
    QVERIFY(!opened.window.isVisible());
    CompareWithStartingResults(opened.Results());
}

void WindowTest::emptyDataEmptiesOnlyTheOutputBoxes_data()
{
    QTest::addColumn<bool>("runBefore");
    QTest::newRow("after a run") << true;
    QTest::newRow("at start") << false;
}

void WindowTest::emptyDataEmptiesOnlyTheOutputBoxes()
{
    QFETCH(bool, runBefore);
    Opened opened;
    if (runBefore)
        opened.Press(opened.window.Data);
    const Shown before = opened.Results();
    opened.window.Excep->setText("left over");
    opened.window.RKeys->setText("left over");
    opened.window.Data->clear();
    opened.Press(opened.window.Data);
    QCoreApplication::processEvents();
    Shown expected = before;
    expected.excep = expected.rkeys = "";
    CompareShown(opened.Results(), expected);
    QCOMPARE(opened.log.size(), runBefore ? 4 : 2);
}

void WindowTest::failureIsReportedAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("keyLength");
    QTest::addColumn<bool>("outOfMemory");  // else the real engine's failure
    QTest::newRow("too many candidates") << QString(10001, u'a') << "1" << false;
    QTest::newRow("memory exhausted midway") << StartingData << "6" << true;
}

void WindowTest::failureIsReportedAndTheProgramGoesOn()
{
    QFETCH(QString, data);
    QFETCH(QString, keyLength);
    QFETCH(bool, outOfMemory);
    Opened opened;
    opened.Press(opened.window.Data);
    Shown expected = opened.Results();
    QString reason;
    if (outOfMemory) {
        opened.analysis = [](const Engine::Controls& controls) {
            controls.Patterns.Clear();
            controls.Patterns.AddItem(u"Bold__");
            controls.Patterns.AddItem(u"Link__");
            throw std::bad_alloc();
        };
        expected.patterns = QStringList{"Bold__", "Link__"};
        expected.patternsMark.clear();
        reason = "memory";
    } else {
        try {
            EngineResults(data, keyLength);
            QFAIL("the engine took data that it should refuse");
        } catch (const Engine::TooLarge& e) {
            reason = QString::fromUtf8(e.what());
        }
    }
    opened.window.Data->setText(data);
    opened.window.KWL->setText(keyLength);

    QString message;
    QTimer::singleShot(0, [&message] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    opened.Press(opened.window.Data);
    QVERIFY2(message.contains(reason), qPrintable(message));
    // A refused run changed nothing; a failed one shows how far it got.
    const QString aftermath = outOfMemory ? "what it had written so far" : "keep the previous results";
    QVERIFY2(message.contains(aftermath), qPrintable(message));
    QCOMPARE(opened.log.last(), QString("start ") + keyLength);
    CompareShown(opened.Results(), expected);
    QVERIFY(opened.window.isVisible());

    opened.analysis = Engine::Analyze;
    opened.window.Data->setText(StartingData);
    opened.window.KWL->setText("6");
    opened.Press(opened.window.Data);
    CompareWithStartingResults(opened.Results());
}

void WindowTest::dataHoldsTextOfAnyLength()
{
    Opened opened;
    QLineEdit* data = opened.window.Data;
    const QString codes = QString("Bold__Link__").repeated(4000);  // 48,000 characters
    data->setText(codes);
    QCOMPARE(data->text().size(), codes.size());
    opened.Press(data, Qt::Key_End);
    QTest::keyClick(data, Qt::Key_X);
    QCOMPARE(data->text().size(), codes.size() + 1);
    data->setText(codes);
    opened.window.KWL->setText("24000");
    opened.Press(data);
    QCoreApplication::processEvents();
    const Shown shown = opened.Results();
    CompareShown(shown, EngineResults(codes, "24000"));
    QVERIFY(!shown.patterns.isEmpty() && shown.patterns.first().size() == 24000);
}

void WindowTest::outputBoxesAreReadOnlyButCopyable_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("Excep") << "Excep";
    QTest::newRow("RKeys") << "RKeys";
}

void WindowTest::outputBoxesAreReadOnlyButCopyable()
{
    QFETCH(QString, box);
    Opened opened;
    opened.Press(opened.window.Data);
    auto* edit = qobject_cast<QLineEdit*>(opened.Control(box));
    const QString text = edit->text();
    QVERIFY(!text.isEmpty());
    opened.Press(edit, Qt::Key_End);
    QTest::keyClicks(edit, "xy");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), text);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), text);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
