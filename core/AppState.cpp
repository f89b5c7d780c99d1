#include "core/AppState.h"

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

void AppState::setSettings(const SettingsRecord& record)
{
    settings_ = record;
    settingsUnsaved_ = true;
    Q_EMIT changed(Part::Settings);
}

void AppState::setSettingsFileError(bool error)
{
    if (settingsFileError_ == error) return;
    settingsFileError_ = error;
    Q_EMIT changed(Part::Settings);
}

SettingsFile::ReadResult AppState::readSettings()
{
    const SettingsFile::ReadResult result = SettingsFile::read(settings_);
    if (result == SettingsFile::ReadResult::Ok) {
        settingsUnsaved_ = false;
        Q_EMIT changed(Part::Settings);
    }
    return result;
}

SettingsFile::WriteResult AppState::writeSettings()
{
    const SettingsFile::WriteResult result = SettingsFile::write(settings_);
    if (result) {
        settingsUnsaved_ = false;
        setSettingsFileError(false);
    }
    return result;
}

void AppState::setCatalogue(const PipeCatalogue& catalogue)
{
    catalogue_ = catalogue;
    Q_EMIT changed(Part::Catalogue);
}

void AppState::setValves(const ValveCatalogue& valves)
{
    valves_ = valves;
    Q_EMIT changed(Part::Valves);
}

void AppState::reset()
{
    settings_ = SettingsRecord {};
    settingsUnsaved_ = false;
    settingsFileError_ = false;
    catalogue_ = PipeCatalogue {};
    valves_ = ValveCatalogue {};
    calc = CalcState {};
}

AppState& appState()
{
    static AppState state;
    return state;
}

void resetAppState()
{
    appState().reset();
}
