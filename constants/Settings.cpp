#include "constants/Settings.h"

#include "app/AppState.h"
#include "app/MessageBoxes.h"
#include "app/TForm1.h"
#include "constants/SettingsFile.h"

#include <QTimer>

namespace Settings
{

void Vorgaben_einlesen(QWidget* parent)
{
    if (SettingsFile::read(appState().settings) != SettingsFile::ReadResult::Ok) Lesefehler(true, parent);
}

void Lesefehler(bool showMessage, QWidget* parent)
{
    appState().settingsFileError = true;
    if (showMessage) MessageBoxes::plain(parent, SettingsFile::readErrorMessage(SettingsFile::directory()));
    if (TForm1* mainWindow = TForm1::instance()) mainWindow->Timer5->start();
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
