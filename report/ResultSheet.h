#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/ResultText.h"
#include "core/SettingsRecord.h"

#include <QDate>
#include <QString>

class QPainter;
class QRectF;

// The one-page A4 result sheet: title and date, the inputs, the constants in
// use, the result as the main window shows it (values over a limit in red and
// marked in words) and the pipe overview of the material. Any QPainter draws
// it: the PDF writer, a printer, an image.
class ResultSheet
{
public:
    // `calc` holds a computed result.
    ResultSheet(const ResultText::Inputs& inputs, const CalcState& calc, const SettingsRecord& settings,
        const PipeCatalogue& catalogue, const QDate& date);

    // `paper` is the whole A4 sheet in the painter's coordinates (for a
    // printer: full-page mode and its paper rectangle); the sheet keeps its
    // own margins.
    void paint(QPainter& painter, const QRectF& paper) const;

    // Writes a one-page A4 PDF, replacing the file only when all went well.
    // On failure returns false and gives the reason in *error.
    bool writePdf(const QString& path, QString* error = nullptr) const;

    static QString title();

private:
    ResultText::Inputs inputs_;
    CalcState calc_;
    SettingsRecord settings_;
    const PipeCatalogue& catalogue_;
    QDate date_;
};
