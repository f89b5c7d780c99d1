#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The file and print dialogs of the section window, behind seams that tests
// replace.
namespace SectionFiles
{

enum class Purpose { Open, Save, ImportCsv, ExportCsv, Pdf };

// Returns the chosen path, empty when cancelled.
using Chooser = std::function<QString(QWidget* parent, Purpose purpose, const QString& suggestedPath)>;
// Replaces the file dialogs; an empty chooser brings the real ones back.
void setChooser(Chooser chooser);
QString choose(QWidget* parent, Purpose purpose, const QString& suggestedPath);

// Sets up the printer and returns true to print, false when cancelled.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
void setPrintDialog(PrintDialog dialog);
bool askForPrinter(QWidget* parent, QPrinter& printer);

} // namespace SectionFiles
