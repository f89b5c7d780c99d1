#include "widgets/FileDialogs.h"

#include "widgets/MessageBoxes.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace FileDialogs
{

namespace
{
    Chooser& currentChooser()
    {
        static Chooser chooser;
        return chooser;
    }

    PrintDialog& currentPrintDialog()
    {
        static PrintDialog dialog;
        return dialog;
    }

    const QString Documents = QStringLiteral("Fluvano-Teilstrecken (*.fluvano)");
    const QString CsvFiles = QStringLiteral("CSV-Dateien (*.csv)");

    bool askForPrinter(QWidget* parent, QPrinter& printer, const QString& title)
    {
        if (currentPrintDialog()) return currentPrintDialog()(parent, printer);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        return dialog.exec() == QDialog::Accepted;
    }
} // namespace

void setChooser(Chooser chooser)
{
    currentChooser() = std::move(chooser);
}

QString choose(QWidget* parent, Purpose purpose, const QString& suggestedPath)
{
    if (currentChooser()) return currentChooser()(parent, purpose, suggestedPath);
    switch (purpose) {
    case Purpose::OpenCircuit:
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Teilstrecken öffnen"), suggestedPath, Documents + QStringLiteral(";;") + CsvFiles);
    case Purpose::SaveCircuit:
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Teilstrecken speichern"), suggestedPath, Documents);
    case Purpose::ImportCsv:
        return QFileDialog::getOpenFileName(parent, QStringLiteral("CSV importieren"), suggestedPath, CsvFiles);
    case Purpose::ExportCsv:
        return QFileDialog::getSaveFileName(parent, QStringLiteral("CSV exportieren"), suggestedPath, CsvFiles);
    case Purpose::Pdf:
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("Als PDF speichern"), suggestedPath, QStringLiteral("PDF-Dokumente (*.pdf)"));
    }
    return {};
}

void setPrintDialog(PrintDialog dialog)
{
    currentPrintDialog() = std::move(dialog);
}

void print(QWidget* parent, const QString& documentName, const QString& dialogTitle,
    QPageLayout::Orientation orientation, const std::function<void(QPainter&, QPrinter&)>& paint,
    const QString& failure)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setFullPage(true);
    printer.setDocName(documentName);
    if (!askForPrinter(parent, printer, dialogTitle)) return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        MessageBoxes::error(parent, QStringLiteral("Der Drucker kann nicht verwendet werden."));
        return;
    }
    paint(painter, printer);
    if (!painter.end()) MessageBoxes::error(parent, failure);
}

} // namespace FileDialogs
