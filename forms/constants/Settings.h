#pragma once

class QWidget;

// The settings file as the windows use it: reading, the read-error report and
// saving, with their messages. The record and the error flag live in
// appState().
namespace Settings
{

// Reads the file into the record, or reports the read error. False after a
// read error: the caller arranges the repair (the main window opens the
// constants dialog).
[[nodiscard]] bool Vorgaben_einlesen(QWidget* parent);

// Sets the settings-file error flag and shows the read-error message.
void Lesefehler(QWidget* parent);

// Writes the record; clears the error flag on success, tells the user on failure.
void Vorgaben_Speichern(QWidget* parent);

} // namespace Settings
