#pragma once

#include "core/Circuit.h"

#include <QDate>
#include <QString>

class QPainter;
class QPagedPaintDevice;
class QRectF;

// The printed section list: title, date and file, the constants in use, the
// table with its header row on every page (values over a limit in red, the
// reason of a row not computed), the totals and the pump after the last row.
// A4 landscape, as many pages as the rows need.
class CircuitSheet
{
public:
    CircuitSheet(const Circuit::Document& document, const Circuit::Evaluation& evaluation,
        const SettingsRecord& settings, const PipeCatalogue& catalogue, const ValveCatalogue& valves, const QDate& date,
        const QString& fileName);

    int pageCount() const;
    // `paper` is the whole sheet in the painter's coordinates; `page` from 0.
    void paintPage(QPainter& painter, const QRectF& paper, int page) const;
    // Every page on a device set up for A4 landscape, a new page between them.
    void paint(QPainter& painter, QPagedPaintDevice& device, const QRectF& paper) const;

    // Replaces the file only when all went well; on failure the reason in *error.
    bool writePdf(const QString& path, QString* error = nullptr) const;

    static QString title();

private:
    Circuit::Document document_;
    Circuit::Evaluation evaluation_;
    SettingsRecord settings_;
    const PipeCatalogue& catalogue_;
    const ValveCatalogue& valves_;
    QDate date_;
    QString fileName_;

    // The rows on each page.
    struct Page {
        int first = 0;
        int count = 0;
        bool totals = false;
    };
    QList<Page> pages_;
};
