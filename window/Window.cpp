#include "Window.h"

#include <QIcon>
#include <QMessageBox>
#include <QScreen>

#include <chrono>
#include <climits>
#include <exception>
#include <new>

namespace {

// The layout is drawn in twips, 15 to a pixel at 96 dots per inch; Qt scales
// these device-independent pixels on denser screens.
constexpr int TwipsPerPixel = 15;

struct Placement {
    QWidget* widget;
    const char* name;
    int left, top, width, height;  // twips, from the container's top-left corner
};

// A frame's caption sits on its top line, inside its rectangle, so that the
// first row of controls can start 16 pixels down. Fusion would put the caption
// above the line and push the line onto that row.
const char* const FrameStyle =
    "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; padding: 0 2px; }";

PaintPacer::Clock::duration FrameOf(const QScreen* screen)
{
    const qreal hertz = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : 60;
    return std::chrono::duration_cast<PaintPacer::Clock::duration>(std::chrono::duration<double>(1 / hertz));
}

QLabel* NewLabel(const char* caption, QWidget* frame)
{
    auto* label = new QLabel(QString::fromLatin1(caption), frame);
    label->setTextFormat(Qt::PlainText);
    return label;
}

InputBox* NewInput(const char* text, QWidget* frame)
{
    return new InputBox(QString::fromLatin1(text), frame);
}

QLineEdit* NewOutput(QWidget* frame)
{
    auto* box = new QLineEdit(frame);
    // Selectable and copyable, not editable.
    box->setReadOnly(true);
    return box;
}

}  // namespace

Window::Window(Analysis analysis, QWidget* parent)
    : QWidget(parent),
      analysis_(std::move(analysis)),
      pacer_(FrameOf(screen())),
      Frame2(new QGroupBox(QStringLiteral("Input"), this)),
      Label1(NewLabel("Data:", Frame2)),
      Data(NewInput("Bold__ Link__ Italic Link__ Italic Link__ Italic Underl Bold__", Frame2)),
      Label7(NewLabel("Key lenght:", Frame2)),
      KWL(NewInput("6", Frame2)),
      Frame1(new QGroupBox(QStringLiteral("Output"), this)),
      Label2(NewLabel("Patterns:", Frame1)),
      Patterns(new ResultListView(lists_.Patterns, pacer_, Frame1)),
      Label3(NewLabel("Repeating patterns:", Frame1)),
      RpPatterns(new ResultListView(lists_.RpPatterns, pacer_, Frame1)),
      Label5(NewLabel("Usefull patterns:", Frame1)),
      Use(new ResultListView(lists_.Use, pacer_, Frame1)),
      Label8(NewLabel("Correct keyword list -->", Frame1)),
      KWDS(new ResultListView(lists_.KWDS, pacer_, Frame1)),
      Label4(NewLabel("Exceptions:", Frame1)),
      Excep(NewOutput(Frame1)),
      Label6(NewLabel("Return keys:", Frame1)),
      RKeys(NewOutput(Frame1)),
      dataBox_(*Data, pacer_),
      keyLengthBox_(*KWL, pacer_),
      exceptionsBox_(*Excep, pacer_),
      returnKeysBox_(*RKeys, pacer_),
      controls_{dataBox_, keyLengthBox_, lists_.Patterns, lists_.RpPatterns, lists_.Use, lists_.KWDS,
                exceptionsBox_, returnKeysBox_}
{
    setObjectName(QStringLiteral("Window"));
    setWindowTitle(QStringLiteral("Quorrel v2.0"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quorrel-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/quorrel-16.png"), QSize(16, 16));
    setWindowIcon(icon);
    setFixedSize(6210 / TwipsPerPixel, 4095 / TwipsPerPixel);
    // A window of fixed size offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const Placement layout[] = {
        {Frame2, "Frame2", 0, 0, 6135, 855},
        {Label1, "Label1", 120, 240, 2415, 255},
        {Data, "Data", 120, 480, 4575, 285},
        {Label7, "Label7", 4800, 480, 855, 255},
        {KWL, "KWL", 5640, 480, 375, 285},
        {Frame1, "Frame1", 0, 960, 6135, 3135},
        {Label2, "Label2", 120, 240, 615, 255},
        {Patterns, "Patterns", 120, 480, 1815, 1230},
        {Label3, "Label3", 2040, 240, 2055, 255},
        {RpPatterns, "RpPatterns", 2040, 480, 2055, 1230},
        {Label5, "Label5", 4200, 240, 1575, 255},
        {Use, "Use", 4200, 480, 1815, 1230},
        {Label8, "Label8", 1320, 1800, 1815, 255},
        {KWDS, "KWDS", 3240, 1800, 2775, 1260},
        {Label4, "Label4", 120, 1920, 975, 255},
        {Excep, "Excep", 120, 2160, 3015, 285},
        {Label6, "Label6", 120, 2520, 2775, 255},
        {RKeys, "RKeys", 120, 2760, 3015, 285},
    };
    for (const Placement& p : layout) {
        p.widget->setObjectName(QString::fromLatin1(p.name));
        p.widget->setGeometry(p.left / TwipsPerPixel, p.top / TwipsPerPixel, p.width / TwipsPerPixel,
                              p.height / TwipsPerPixel);
    }

    Frame1->setStyleSheet(QString::fromLatin1(FrameStyle));
    Frame2->setStyleSheet(QString::fromLatin1(FrameStyle));

    // A label reaches one pixel into the control it names; the control stays
    // on top there.
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8})
        label->lower();

    // QLineEdit cuts its text at 32,767 characters unless told otherwise.
    for (QLineEdit* box : {static_cast<QLineEdit*>(Data), static_cast<QLineEdit*>(KWL), Excep, RKeys})
        box->setMaxLength(INT_MAX);

    QWidget* const tabOrder[] = {Patterns, RpPatterns, Excep, Use, Data, RKeys, KWL, KWDS};
    for (std::size_t k = 0; k + 1 < std::size(tabOrder); ++k)
        setTabOrder(tabOrder[k], tabOrder[k + 1]);
    setTabOrder(KWDS, Patterns);
    Patterns->setFocus();

    connect(Data, &InputBox::enterPressed, this, &Window::Run);
    connect(KWL, &InputBox::enterPressed, this, &Window::Run);
}

Window::~Window()
{
    // The views' models follow lists that are members of this window; they
    // must go before the lists do, not in QWidget's destructor after them.
    delete Frame1;
    delete Frame2;
}

void Window::Run()
{
    pacer_.SetFrame(FrameOf(screen()));
    QString failure;
    QString aftermath = tr("The lists and boxes show what it had written so far.");
    try {
        analysis_(controls_);
    } catch (const Engine::TooLarge& e) {
        // Refused before it changed anything.
        failure = QString::fromUtf8(e.what());
        aftermath = tr("The lists and boxes keep the previous results.");
    } catch (const std::bad_alloc&) {
        failure = tr("There was not enough memory to finish it.");
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    } catch (...) {
        failure = tr("It failed for an unknown reason.");
    }
    pacer_.Finish();
    if (!failure.isEmpty())
        QMessageBox::critical(this, windowTitle(),
                              tr("The analysis stopped before its end. %1\n\n%2").arg(failure, aftermath));
}
