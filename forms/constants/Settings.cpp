#include "forms/constants/Settings.h"

#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "widgets/MessageBoxes.h"

namespace Settings
{

bool Vorgaben_einlesen(QWidget* parent)
{
    if (appState().readSettings() == SettingsFile::ReadResult::Ok) return true;
    Lesefehler(parent);
    return false;
}

void Lesefehler(QWidget* parent)
{
    appState().setSettingsFileError(true);
    MessageBoxes::plain(parent, SettingsFile::readErrorMessage(SettingsFile::directory()));
}

void Vorgaben_Speichern(QWidget* parent)
{
    const SettingsFile::WriteResult saved = appState().writeSettings();
    if (!saved) MessageBoxes::error(parent, SettingsFile::writeErrorMessage(saved.path, saved.reason));
}

} // namespace Settings
