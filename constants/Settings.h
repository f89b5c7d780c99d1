#pragma once

class QWidget;

// The settings file as the windows use it: reading, the read-error report and
// saving, with their messages. The record and the error flag live in
// appState().
namespace Settings
{

// Reads the file into the record, or reports the read error.
void Vorgaben_einlesen(QWidget* parent);

// Sets the settings-file error flag, shows the read-error message when asked
// to, and arms the main window's timer that opens the constants dialog.
void Lesefehler(bool showMessage, QWidget* parent);

// Writes the record; clears the error flag on success, tells the user on failure.
void Vorgaben_Speichern(QWidget* parent);

} // namespace Settings
