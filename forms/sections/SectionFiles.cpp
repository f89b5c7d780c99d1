#include "forms/sections/SectionFiles.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace SectionFiles
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
} // namespace

void setChooser(Chooser chooser)
{
    currentChooser() = std::move(chooser);
}

QString choose(QWidget* parent, Purpose purpose, const QString& suggestedPath)
{
    if (currentChooser()) return currentChooser()(parent, purpose, suggestedPath);
    switch (purpose) {
    case Purpose::Open:
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Teilstrecken öffnen"), suggestedPath, Documents + QStringLiteral(";;") + CsvFiles);
    case Purpose::Save:
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

bool askForPrinter(QWidget* parent, QPrinter& printer)
{
    if (currentPrintDialog()) return currentPrintDialog()(parent, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Teilstrecken drucken"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace SectionFiles
