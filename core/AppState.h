#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsFile.h"
#include "core/SettingsRecord.h"
#include "core/ValveCatalogue.h"

#include <QObject>

// The data every window shares for the whole run: the settings record with
// the settings-file error flag, the pipe catalogue with the user's series, the
// valve series and the main window's calculation state. One instance, reached through
// appState(). Windows keep no copies: they read it here and learn from
// changed() what another window changed. Window state (which dialog is open,
// whether the program is quitting) belongs to the windows.
class AppState : public QObject
{
    Q_OBJECT

public:
    enum class Part {
        Settings = 0x1, // the record or the settings-file error flag
        Catalogue = 0x2, // the pipe series
        Valves = 0x4, // the valve series
    };
    Q_DECLARE_FLAGS(Parts, Part)
    Q_FLAG(Parts)

    explicit AppState(QObject* parent = nullptr);

    const SettingsRecord& settings() const { return settings_; }
    // Replaces the record in memory (not the file) and says so.
    void setSettings(const SettingsRecord& record);
    // True when the record in memory holds changes that were neither read
    // from nor written to the settings file.
    bool settingsUnsaved() const { return settingsUnsaved_; }

    bool settingsFileError() const { return settingsFileError_; }
    void setSettingsFileError(bool error);

    // The settings file (SettingsFile): on Ok the record is the file's; on
    // anything else it stays as it is. A successful write clears the error flag.
    SettingsFile::ReadResult readSettings();
    SettingsFile::WriteResult writeSettings();

    const PipeCatalogue& catalogue() const { return catalogue_; }
    void setCatalogue(const PipeCatalogue& catalogue);

    const ValveCatalogue& valves() const { return valves_; }
    void setValves(const ValveCatalogue& valves);

    CalcState calc; // the main window's working values

    // Back to the state at program start (tests), without a signal.
    void reset();

Q_SIGNALS:
    void changed(AppState::Parts what);

private:
    SettingsRecord settings_ {}; // all zero until the file is read
    bool settingsUnsaved_ = false;
    bool settingsFileError_ = false; // set by a failed read, cleared by a successful write
    PipeCatalogue catalogue_;
    ValveCatalogue valves_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(AppState::Parts)

AppState& appState();

// appState().reset() (tests).
void resetAppState();
