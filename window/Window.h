#pragma once

// The program's one window.
//
// Data flow: the user types into Data and KWL and presses Enter in either.
// The boxes' KeyPress handler (InputBox) calls Run(), which hands the eight
// controls to Engine::Analyze as Engine::Controls: Data and KWL are read
// through LineEditTextBox, the analysis fills and orders the four
// Engine::ResultLists that the window owns, each shown by a ResultListView
// through its ResultListModel, and at its end it writes Excep and RKeys. The
// window never analyses; it converts between widgets and engine types, and
// its PaintPacer decides when a running analysis reaches the screen.

#include "InputBox.h"
#include "LineEditTextBox.h"
#include "PaintPacer.h"
#include "ResultListView.h"

#include <Controls.h>
#include <Engine.h>
#include <ResultList.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <functional>

class Window : public QWidget {
    Q_OBJECT

public:
    // What Enter runs; the program always runs Engine::Analyze.
    using Analysis = std::function<void(const Engine::Controls&)>;

    explicit Window(Analysis analysis = Engine::Analyze, QWidget* parent = nullptr);
    ~Window() override;

    // Runs one analysis on the controls and returns when it has ended, as
    // Enter in Data or KWL does. A failure that escapes it is reported in a
    // message box; the controls keep what the run had written.
    void Run();

private:
    struct Lists {
        Engine::ResultList Patterns, RpPatterns, Use, KWDS;
    };

    Analysis analysis_;
    Lists lists_;
    PaintPacer pacer_;

public:
    // The controls under their names, top to bottom and left to right. The
    // window owns them; their object names are the same.
    QGroupBox* const Frame2;
    QLabel* const Label1;
    InputBox* const Data;
    QLabel* const Label7;
    InputBox* const KWL;
    QGroupBox* const Frame1;
    QLabel* const Label2;
    ResultListView* const Patterns;
    QLabel* const Label3;
    ResultListView* const RpPatterns;
    QLabel* const Label5;
    ResultListView* const Use;
    QLabel* const Label8;
    ResultListView* const KWDS;
    QLabel* const Label4;
    QLineEdit* const Excep;
    QLabel* const Label6;
    QLineEdit* const RKeys;

private:
    LineEditTextBox dataBox_, keyLengthBox_, exceptionsBox_, returnKeysBox_;
    const Engine::Controls controls_;
};
