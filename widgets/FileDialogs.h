#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// The file and print dialogs of every window, behind seams that tests
// replace, and the one way a window prints a sheet.
namespace FileDialogs
{

enum class Purpose {
    OpenCircuit, // a circuit document or a CSV section list
    SaveCircuit,
    ImportCsv,
    ExportCsv,
    Pdf,
};

// Returns the chosen path, empty when cancelled.
using Chooser = std::function<QString(QWidget* parent, Purpose purpose, const QString& suggestedPath)>;
// Replaces the file dialogs; an empty chooser brings the real ones back.
void setChooser(Chooser chooser);
QString choose(QWidget* parent, Purpose purpose, const QString& suggestedPath);

// Sets up the printer and returns true to print, false when cancelled.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
// Replaces the print dialog; an empty one brings the real one back.
void setPrintDialog(PrintDialog dialog);

// Prints on A4 without margins after the print dialog (titled
// `dialogTitle`); `paint` draws every page on the printer's whole paper. A
// printer that cannot be used, or a print that failed, is told with
// `failure`.
void print(QWidget* parent, const QString& documentName, const QString& dialogTitle,
    QPageLayout::Orientation orientation, const std::function<void(QPainter&, QPrinter&)>& paint,
    const QString& failure);

} // namespace FileDialogs
