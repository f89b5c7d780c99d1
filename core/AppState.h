#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsRecord.h"

// Everything the windows share for the whole run: one instance, reached
// through appState(). The windows never keep copies of it.
struct AppState {
    SettingsRecord settings {}; // all zero until the file is read
    bool settingsFileError = false; // set by a failed read, cleared by a successful write

    CalcState calc;
    PipeCatalogue catalogue;

    bool creating = false; // main window start-up running: no calculation
    bool quitting = false; // the next close of the main window is final

    bool inputError = false; // main window: a number could not be read
    bool resultsValid = false; // main window: the last check found the inputs complete

    bool dialogInitialised = false; // constants dialog started; "Konstanten" shows it again
    bool dialogInputError = false; // constants dialog: a field did not hold a number
};

AppState& appState();

// Back to the state at program start (tests).
void resetAppState();
