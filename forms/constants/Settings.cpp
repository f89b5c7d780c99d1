#include "forms/constants/Settings.h"

#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "widgets/MessageBoxes.h"

namespace Settings
{

bool Vorgaben_einlesen(QWidget* parent)
{
    if (SettingsFile::read(appState().settings) == SettingsFile::ReadResult::Ok) return true;
    Lesefehler(parent);
    return false;
}

void Lesefehler(QWidget* parent)
{
    appState().settingsFileError = true;
    MessageBoxes::plain(parent, SettingsFile::readErrorMessage(SettingsFile::directory()));
}

void Vorgaben_Speichern(QWidget* parent)
{
    const SettingsFile::WriteResult saved = SettingsFile::write(appState().settings);
    if (saved)
        appState().settingsFileError = false;
    else
        MessageBoxes::error(parent, SettingsFile::writeErrorMessage(saved.path, saved.reason));
}

} // namespace Settings
