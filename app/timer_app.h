// The application object: runs the main window and ends when it closes.
#pragma once

using BOOL = int;

class CTimerApp {
  public:
    CTimerApp();
    ~CTimerApp();

    // Runs the whole program; returns FALSE so no further loop runs.
    BOOL InitInstance();
};

extern CTimerApp theApp;
