#pragma once

#include "learning/Practice.h"
#include "results/Recorder.h"
#include "toolkit/Clock.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// What the main window asks of the Results window. The window, with its chart and its tables,
// lives in a module of its own, loaded the first time it is opened, so that an ordinary start
// loads nothing of it (Qt Charts, and the OpenGL libraries beneath them).
class ResultsWindow
{
  public:
    struct Setup
    {
        QWidget* owner = nullptr;
        std::string path; // the results file
        // Each grade's letter and the lowest percentage that gets it, highest first.
        std::vector<std::pair<QString, int>> bands = {};
        // Sets the main window to practise these numbers, for the child of this title.
        std::function<void(const QString&, const learning::Practice&)> tick = {};
        // Starts a practice of these problems in the main window, for the child of this title,
        // with those it knows to ask between where nothing else is left.
        std::function<void(const QString&, const std::vector<learning::Asked>&,
                           const std::vector<learning::Asked>&)>
            ask = {};
        // What today is, as the facts count it.
        std::shared_ptr<const toolkit::Clock> clock = {};
        // The seconds within which a right answer is fluent for the child of a title, and where a
        // new choice for it goes.
        std::function<int(const QString&)> fluency = {};
        std::function<void(const QString&, int)> fluencyChosen = {};
    };

    // Makes the window, a child of its owner, loading the module the first time; nothing, with
    // why, where the module cannot be loaded.
    static ResultsWindow* Open(const Setup& setup, QString& why);

    virtual QWidget* Window() = 0;
    // Reads the file anew, showing the tests of the title now in use, and how the recording
    // stands.
    virtual void Refresh(const QString& titleInUse, const results::Recording& recording) = 0;
    // While a test runs, the main window's settings are not to be changed from here.
    virtual void SetTestRunning(bool running) = 0;

  protected:
    ~ResultsWindow() = default; // its owner deletes it, as Qt does its windows
};
