#pragma once

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPainter;
class QPdfWriter;

// What the printed sheets share: their type, colours and the PDF file.
namespace Sheet
{

inline const QColor Red { 255, 0, 0 };
inline const QColor Ink { 25, 25, 25 };
inline const QColor Grey { 110, 110, 110 };
inline const QColor Rule { 170, 170, 170 };
inline const QColor HeaderFill { 232, 232, 232 };

// Liberation Sans (Arial's metric twin) at `points`, on a sheet laid out in
// tenths of a millimetre.
QFont font(double points, bool bold = false);

// Writes an A4 PDF at 600 dpi without margins, painted by `paint` (whose
// writer starts new pages), replacing the file only when all went well. On
// failure returns false and gives the reason in *error.
bool writePdf(const QString& path, const QString& title, QPageLayout::Orientation orientation,
    const std::function<void(QPainter&, QPdfWriter&)>& paint, QString* error);

} // namespace Sheet
