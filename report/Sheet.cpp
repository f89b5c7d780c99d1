#include "report/Sheet.h"

#include "core/SaveFile.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace Sheet
{

QFont font(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(qRound(points * 254.0 / 72.0)); // points in tenths of a millimetre
    font.setBold(bold);
    return font;
}

bool writePdf(const QString& path, const QString& title, QPageLayout::Orientation orientation,
    const std::function<void(QPainter&, QPdfWriter&)>& paint, QString* error)
{
    // Painted in memory, then saved as every file is.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(orientation);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Fluvano"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error) *error = QStringLiteral("PDF kann nicht angelegt werden");
            return false;
        }
        paint(painter, writer);
        painter.end();
    }
    const SaveFile::Result saved = SaveFile::write(path, pdf);
    if (!saved && error) *error = saved.reason;
    return saved;
}

} // namespace Sheet
