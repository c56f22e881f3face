#pragma once

#include "app/startup.h"

// The program's five windows, created as at start-up for one test and destroyed after it.
struct ProgramWindows {
    ProgramWindows() { createWindows(); }
    ~ProgramWindows() { destroyWindows(); }
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;
};
