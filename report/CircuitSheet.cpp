#include "report/CircuitSheet.h"

#include "report/Sheet.h"

#include "core/CircuitTable.h"
#include "core/NumberText.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <iterator>

namespace
{

// Laid out in tenths of a millimetre on 297 × 210 mm.
constexpr double PaperWidth = 2970;
constexpr double Left = 150;
constexpr double Right = PaperWidth - 150;
constexpr double Width = Right - Left;
constexpr double Bottom = 2100 - 130;
constexpr double RowHeight = 44;
constexpr double FirstTableTop = 560;
constexpr double OtherTableTop = 200;
constexpr double TotalsHeight = 300;

using Sheet::Grey;
using Sheet::HeaderFill;
using Sheet::Ink;
using Sheet::Red;
using Sheet::Rule;

// The window's column widths, scaled to the sheet's width.
double columnWidth(int column)
{
    static const double scale = [] {
        int total = 0;
        for (const CircuitTable::ColumnInfo& c : CircuitTable::columns())
            total += c.width;
        return Width / total;
    }();
    return CircuitTable::column(column).width * scale;
}

QFont sheetFont(double points, bool bold = false)
{
    return Sheet::font(points, bold);
}

void text(QPainter& p, const QRectF& box, int flags, const QString& s, const QFont& font, const QColor& colour = Ink)
{
    p.setFont(font);
    p.setPen(colour);
    const QString shown = QFontMetricsF(font, p.device()).elidedText(s, Qt::ElideRight, box.width());
    p.drawText(box, flags | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void rule(QPainter& p, double x1, double x2, double y, const QColor& colour = Rule, double width = 2)
{
    p.setPen(QPen(colour, width));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

int rowsFitting(double top, bool withTotals)
{
    const double room = Bottom - 40 - top - RowHeight - (withTotals ? TotalsHeight : 0);
    return std::max(0, int(room / RowHeight));
}

} // namespace

CircuitSheet::CircuitSheet(const Circuit::Document& document, const Circuit::Evaluation& evaluation,
    const SettingsRecord& settings, const PipeCatalogue& catalogue, const ValveCatalogue& valves, const QDate& date,
    const QString& fileName)
    : document_(document)
    , evaluation_(evaluation)
    , settings_(settings)
    , catalogue_(catalogue)
    , valves_(valves)
    , date_(date)
    , fileName_(fileName)
{
    const int total = int(document_.sections.size());
    int first = 0;
    for (;;) {
        const double top = pages_.isEmpty() ? FirstTableTop : OtherTableTop;
        const int left = total - first;
        if (left <= rowsFitting(top, true)) {
            pages_.append({ first, left, true });
            break;
        }
        const int count = std::min(left, rowsFitting(top, false));
        pages_.append({ first, count, false });
        first += count;
    }
}

QString CircuitSheet::title()
{
    return QStringLiteral("Teilstrecken: Druckverlust und Pumpe");
}

int CircuitSheet::pageCount() const
{
    return int(pages_.size());
}

void CircuitSheet::paintPage(QPainter& painter, const QRectF& paper, int pageIndex) const
{
    const Page& page = pages_.at(pageIndex);
    painter.save();
    painter.translate(paper.topLeft());
    const double scale = paper.width() / PaperWidth;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString dateText = date_.toString(QStringLiteral("dd.MM.yyyy"));

    double y = 120;
    if (pageIndex == 0) {
        text(painter, QRectF(Left, y, Width, 80), Qt::AlignLeft, title(), sheetFont(16, true));
        text(painter, QRectF(Left, y, Width, 80), Qt::AlignRight, QStringLiteral("Fluvano"), sheetFont(11, true), Grey);
        y += 85;
        text(painter, QRectF(Left, y, Width, 45), Qt::AlignLeft, fileName_, sheetFont(9), Grey);
        text(painter, QRectF(Left, y, Width, 45), Qt::AlignRight, QStringLiteral("Datum: ") + dateText, sheetFont(9));
        y += 60;
        rule(painter, Left, Right, y, Ink, 5);
        y += 30;
        // The inputs of every row and the constants in use, on two lines.
        const QString constants1
            = QStringLiteral("Temperaturdifferenz %1 K    Dichte ρ %2 kg/m³    "
                             "Wärmekapazität c %3 Ws/(kg·K)    kin. Zähigkeit ν %4 mm²/s")
                  .arg(document_.temperatureDifference, NumberText::grouped(settings_.densityInUse, 1),
                      NumberText::grouped(settings_.heatCapacityInUse, 0),
                      NumberText::grouped(settings_.viscosityInUse, 3));
        QString roughness;
        for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m) {
            bool used = false;
            for (const Circuit::Section& s : document_.sections)
                used = used || s.material == m;
            if (used)
                roughness
                    += QStringLiteral("    ε %1: %2 mm").arg(m).arg(NumberText::grouped(settings_.roughnessAt(m), 4));
        }
        const QString constants2
            = QStringLiteral("R max %1 Pa/m    w max %2 m/s")
                  .arg(NumberText::grouped(settings_.rMax, 0), NumberText::grouped(settings_.wMax, 2))
            + roughness;
        text(painter, QRectF(Left, y, Width, 50), Qt::AlignLeft, constants1, sheetFont(9));
        y += 55;
        text(painter, QRectF(Left, y, Width, 50), Qt::AlignLeft, constants2, sheetFont(9));
        y += 55;
        text(painter, QRectF(Left, y, Width, 50), Qt::AlignLeft,
            QStringLiteral("Δp = R·l + Z,  Z = Σζ · ρ/2 · w²;  Förderhöhe H = (Σ Δp + weitere) / (ρ · 9,81 m/s²)"),
            sheetFont(8.5), Grey);
        y = FirstTableTop;
    } else {
        y = OtherTableTop;
    }

    // The header row on every page.
    using namespace CircuitTable;
    const QFont font = sheetFont(7.5);
    const QFont bold = sheetFont(7.5, true);
    constexpr double Pad = 15;
    painter.fillRect(QRectF(Left, y, Width, RowHeight), HeaderFill);
    double x = Left;
    for (const ColumnInfo& c : columns()) {
        text(painter, QRectF(x + Pad, y, columnWidth(c.key) - 2 * Pad, RowHeight),
            c.left ? Qt::AlignLeft : Qt::AlignRight, c.caption(), bold);
        x += columnWidth(c.key);
    }
    const double tableTop = y;
    y += RowHeight;

    for (int r = page.first; r < page.first + page.count; ++r) {
        const Circuit::Row& row = evaluation_.rows.at(r);
        rule(painter, Left, Right, y);
        x = Left;
        for (int c = 0; c < ColumnCount; ++c) {
            const QString cell = CircuitTable::cell(document_, evaluation_, r, c, Purpose::Screen, catalogue_, valves_);
            if (c == FirstComputed && !row.empty && !row.computed()) {
                // The reason across the computed columns.
                double span = 0;
                for (int k = FirstComputed; k <= LastWithReason; ++k)
                    span += columnWidth(k);
                text(painter, QRectF(x + Pad, y, span - 2 * Pad, RowHeight), Qt::AlignLeft, cell, font, Red);
                x += span;
                c = LastWithReason;
                continue;
            }
            const bool red = overLimit(row, c);
            text(painter, QRectF(x + Pad, y, columnWidth(c) - 2 * Pad, RowHeight),
                column(c).left ? Qt::AlignLeft : Qt::AlignRight, cell, red ? bold : font, red ? Red : Ink);
            x += columnWidth(c);
        }
        y += RowHeight;
    }
    painter.setPen(QPen(Rule, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(Left, tableTop, Width, y - tableTop));

    if (page.totals) {
        const Circuit::Totals& totals = evaluation_.totals;
        const CircuitTable::TotalTexts texts = CircuitTable::totalTexts(document_, totals);
        y += 50;
        struct Line {
            QString caption;
            QString value;
            QString unit;
        };
        const QList<Line> lines {
            { QStringLiteral("Σ Δp ungünstigster Weg"), texts.criticalLoss, QStringLiteral("Pa") },
            { QStringLiteral("ungünstigster Verbraucher"), texts.criticalConsumer, {} },
            { QStringLiteral("weitere Druckverluste (Wärmeerzeuger, Ventile)"), texts.extraLoss, QStringLiteral("Pa") },
            { QStringLiteral("Pumpe: Förderhöhe"), texts.head, QStringLiteral("m") },
            { QStringLiteral("Pumpe: Volumenstrom"), texts.volumeFlow, QStringLiteral("m³/h") },
        };
        const QFont lineFont = sheetFont(10, true);
        for (const Line& line : lines) {
            text(painter, QRectF(Left, y, 900, 55), Qt::AlignLeft, line.caption, lineFont);
            text(painter, QRectF(Left + 900, y, 300, 55), Qt::AlignRight, line.value, lineFont);
            text(painter, QRectF(Left + 1230, y, 200, 55), Qt::AlignLeft, line.unit, sheetFont(10));
            y += 58;
        }
        if (totals.notComputed > 0)
            text(painter, QRectF(Left + 1500, y - double(lines.size()) * 58, Width - 1500, 55), Qt::AlignLeft,
                QStringLiteral("%1 Teilstrecke(n) nicht berechnet").arg(totals.notComputed), lineFont, Red);
    }

    rule(painter, Left, Right, Bottom, Rule, 3);
    text(painter, QRectF(Left, Bottom + 10, Width, 45), Qt::AlignLeft,
        QStringLiteral("Erstellt mit Fluvano am ") + dateText, sheetFont(8), Grey);
    text(painter, QRectF(Left, Bottom + 10, Width, 45), Qt::AlignRight,
        QStringLiteral("Seite %1 von %2").arg(pageIndex + 1).arg(pageCount()), sheetFont(8), Grey);
    painter.restore();
}

void CircuitSheet::paint(QPainter& painter, QPagedPaintDevice& device, const QRectF& paper) const
{
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0) device.newPage();
        paintPage(painter, paper, page);
    }
}

bool CircuitSheet::writePdf(const QString& path, QString* error) const
{
    return Sheet::writePdf(
        path, title(), QPageLayout::Landscape,
        [this](QPainter& painter, QPdfWriter& writer) {
            paint(painter, writer, QRectF(0, 0, writer.width(), writer.height()));
        },
        error);
}
