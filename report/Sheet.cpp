#include "report/Sheet.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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
    auto fail = [&](const QString& reason) {
        if (error) *error = reason;
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(orientation);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Fluvano"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("PDF kann nicht angelegt werden"));
        }
        paint(painter, writer);
        painter.end();
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

} // namespace Sheet
