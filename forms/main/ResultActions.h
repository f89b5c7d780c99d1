#pragma once

#include "core/ResultText.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// What the main window's copy, print and PDF actions need from outside: the
// save and print dialogs, behind seams that tests replace, and the name the
// save dialog suggests.
namespace ResultActions
{

// Returns the chosen path, empty when cancelled.
using FileNameChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
// Replaces the save dialog; an empty chooser brings the real one back.
void setFileNameChooser(FileNameChooser chooser);
QString chooseFileName(QWidget* parent, const QString& suggestedPath);

// Sets up the printer and returns true to print, false when cancelled.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
// Replaces the print dialog; an empty one brings the real one back.
void setPrintDialog(PrintDialog dialog);
bool askForPrinter(QWidget* parent, QPrinter& printer);

// "Fluvano_10kW_15K_DN25.pdf": the inputs and the pipe, in characters every
// file system takes (letters, digits, ",", "-", "_").
QString suggestedFileName(const ResultText::Inputs& inputs, const QString& designation);

} // namespace ResultActions
