#include "report/ResultSheet.h"

#include "report/Sheet.h"

#include "core/NumberText.h"
#include "core/PipeOverview.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

namespace
{

// The sheet is laid out in tenths of a millimetre on 210 × 297 mm.
constexpr double PaperWidth = 2100;
constexpr double Left = 200;
constexpr double Right = 1900;
constexpr double Width = Right - Left;
constexpr double Bottom = 2970 - 150;

using Sheet::Grey;
using Sheet::HeaderFill;
using Sheet::Ink;
using Sheet::Red;
using Sheet::Rule;
const QColor Blue(0, 0, 255);
const QColor MarkedFill(219, 231, 247);
const QColor ResultFill(244, 246, 250);

constexpr int TemperaturesC[] = { 0, 10, 20, 30, 40, 60, 80 };

QFont sheetFont(double points, bool bold = false)
{
    return Sheet::font(points, bold);
}

QString grouped(float value, int decimals)
{
    return NumberText::grouped(value, decimals);
}

class Canvas
{
public:
    explicit Canvas(QPainter& painter)
        : p(painter)
    {
    }

    QPainter& p;

    void text(const QRectF& box, int flags, const QString& text, const QFont& font, const QColor& colour = Ink)
    {
        p.setFont(font);
        p.setPen(colour);
        p.drawText(box, flags | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

    void rule(double x1, double x2, double y, const QColor& colour = Rule, double width = 3)
    {
        p.setPen(QPen(colour, width));
        p.drawLine(QPointF(x1, y), QPointF(x2, y));
    }

    double heading(double y, const QString& title, double x1 = Left, double x2 = Right)
    {
        text(QRectF(x1, y, x2 - x1, 60), Qt::AlignLeft, title, sheetFont(11.5, true));
        rule(x1, x2, y + 66);
        return y + 90;
    }
};

// Caption, value (numbers right-aligned, texts left-aligned) and unit.
struct Field {
    QString caption;
    QString value;
    QString unit;
    bool number = true;
};

// The captions in one column as wide as the widest, the numbers right-aligned
// behind them.
double fieldRows(Canvas& c, double x, double y, double width, const QList<Field>& fields)
{
    constexpr double RowHeight = 54;
    constexpr double Space = 40;
    const QFont font = sheetFont(9.5);
    const QFontMetricsF metrics(font, c.p.device());
    double captionWidth = 0;
    double valueWidth = 100;
    for (const Field& f : fields) {
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(f.caption) + Space);
        if (f.number) valueWidth = std::max(valueWidth, metrics.horizontalAdvance(f.value));
    }
    for (const Field& f : fields) {
        c.text(QRectF(x, y, captionWidth, RowHeight), Qt::AlignLeft, f.caption, font, Grey);
        if (f.number) {
            c.text(QRectF(x + captionWidth, y, valueWidth, RowHeight), Qt::AlignRight, f.value, font);
            const double unitLeft = captionWidth + valueWidth + 20;
            c.text(QRectF(x + unitLeft, y, width - unitLeft, RowHeight), Qt::AlignLeft, f.unit, font);
        } else {
            const QString shown = metrics.elidedText(f.value, Qt::ElideRight, width - captionWidth);
            c.text(QRectF(x + captionWidth, y, width - captionWidth, RowHeight), Qt::AlignLeft, shown, font);
        }
        y += RowHeight;
    }
    return y;
}

struct TableRow {
    QStringList texts;
    QList<QColor> colours;
    bool marked = false;
};

// Title, subtitle and date.
double paintTitle(Canvas& c, const QString& dateText)
{
    double y = 170;
    c.text(QRectF(Left, y, Width, 90), Qt::AlignLeft, ResultSheet::title(), sheetFont(18, true));
    c.text(QRectF(Left, y, Width, 90), Qt::AlignRight, QStringLiteral("Fluvano"), sheetFont(12, true), Grey);
    y += 95;
    c.text(QRectF(Left, y, Width, 50), Qt::AlignLeft, QStringLiteral("Ergebnisblatt Warmwasser-Heizung"), sheetFont(10),
        Grey);
    c.text(QRectF(Left, y, Width, 50), Qt::AlignRight, QStringLiteral("Datum: ") + dateText, sheetFont(10));
    y += 70;
    c.rule(Left, Right, y, Ink, 6);
    y += 60;
    return y;
}

// Inputs and constants side by side.
double paintInputsAndConstants(Canvas& c, double y, const ResultText::Inputs& inputs, const CalcState& calc,
    const SettingsRecord& settings, const QString& materialName)
{
    constexpr double Gap = 90;
    constexpr double InputsWidth = 960;
    const double constantsLeft = Left + InputsWidth + Gap;
    const double sectionTop = y;
    y = c.heading(sectionTop, QStringLiteral("Eingaben"), Left, Left + InputsWidth);
    const QString choice = calc.manualMode
        ? QStringLiteral("gewählte Innen-Nennweite ") + grouped(calc.manualDiameter, 1) + QStringLiteral(" mm")
        : QStringLiteral("empfohlenes Rohr (automatisch)");
    const double inputsEnd = fieldRows(c, Left, y, InputsWidth,
        {
            { QStringLiteral("Leistung"), inputs.heatOutput, QStringLiteral("kW") },
            { QStringLiteral("Temperaturdifferenz"), inputs.temperatureDifference, QStringLiteral("K") },
            { QStringLiteral("Rohrmaterial"), materialName, {}, false },
            { QStringLiteral("Rohrwahl"), choice, {}, false },
        });

    y = c.heading(sectionTop, QStringLiteral("Konstanten"), constantsLeft, Right);
    const int k = settings.temperatureIndex;
    const Field water = settings.manualOverride != 0
        ? Field { QStringLiteral("Wassertemperatur"), QStringLiteral("von Hand eingegeben"), {}, false }
        : Field { QStringLiteral("Wassertemperatur"),
              k >= 1 && k <= 7 ? QString::number(TemperaturesC[k - 1]) : QString(), QStringLiteral("°C") };
    const double constantsEnd = fieldRows(c, constantsLeft, y, Right - constantsLeft,
        {
            water,
            { QStringLiteral("Dichte ρ"), grouped(settings.densityInUse, 1), QStringLiteral("kg/m³") },
            { QStringLiteral("Wärmekapazität c"), grouped(settings.heatCapacityInUse, 0), QStringLiteral("Ws/(kg·K)") },
            { QStringLiteral("kin. Zähigkeit ν"), grouped(settings.viscosityInUse, 3), QStringLiteral("mm²/s") },
            { QStringLiteral("Rauigkeit ε"),
                SettingsRecord::validMaterial(calc.material) ? grouped(settings.roughnessAt(calc.material), 4)
                                                             : QString(),
                QStringLiteral("mm") },
            { QStringLiteral("R max"), grouped(settings.rMax, 0), QStringLiteral("Pa/m") },
            { QStringLiteral("w max"), grouped(settings.wMax, 2), QStringLiteral("m/s") },
        });
    y = std::max(inputsEnd, constantsEnd) + 70;
    return y;
}

// The result as the main window shows it.
double paintResult(
    Canvas& c, double y, const CalcState& calc, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    QPainter& painter = c.p;
    y = c.heading(y, QStringLiteral("Ergebnis"));
    const ResultText::Panels panels = ResultText::panels(calc, settings, catalogue);
    struct ResultRow {
        QString caption;
        QString value;
        QString unit;
        bool over;
        QString mark;
    };
    const QList<ResultRow> results {
        { ResultText::pipeCaption(calc.manualMode) + u':', panels.designation, {}, false, {} },
        { QStringLiteral("Innen-Nennweite:"), panels.innerDiameter, QStringLiteral("mm"), false, {} },
        { QStringLiteral("Rohrwiderstand R:"), panels.pressureGradient, QStringLiteral("Pa/m"), panels.tooSteep,
            QStringLiteral("über R max") },
        { QStringLiteral("Volumenstrom V:"), panels.volumeFlow, QStringLiteral("m³/h"), false, {} },
        { QStringLiteral("Massenstrom m:"), panels.massFlow, QStringLiteral("kg/h"), false, {} },
        { QStringLiteral("Geschwindigkeit w:"), panels.velocity, QStringLiteral("m/s"), panels.tooFast,
            QStringLiteral("über w max") },
    };
    constexpr double ResultRowHeight = 64;
    const double boxHeight = ResultRowHeight * (results.size() + 1) + 50;
    painter.setPen(QPen(Rule, 3));
    painter.setBrush(ResultFill);
    painter.drawRect(QRectF(Left, y, Width, boxHeight));
    painter.setBrush(Qt::NoBrush);
    y += 25;
    // Values right-aligned in one column behind the widest caption; huge
    // values make the type smaller rather than run off the page.
    constexpr double CaptionX = Left + 50;
    constexpr double UnitWidth = 200;
    constexpr double MarkWidth = 330;
    double resultPoints = 11;
    double valueRight = 0;
    for (;; resultPoints -= 0.5) {
        const QFontMetricsF metrics(sheetFont(resultPoints, true), painter.device());
        double captions = 0;
        double values = 0;
        for (const ResultRow& row : results) {
            captions = std::max(captions, metrics.horizontalAdvance(row.caption));
            values = std::max(values, metrics.horizontalAdvance(row.value));
        }
        valueRight = std::max(Left + 720, CaptionX + captions + 60 + values);
        if (valueRight + 25 + UnitWidth + MarkWidth <= Right || resultPoints <= 6) break;
    }
    const double valueWidth = valueRight - CaptionX;
    const QFont resultFont = sheetFont(resultPoints);
    const QFont resultBold = sheetFont(resultPoints, true);
    for (const ResultRow& row : results) {
        const QRectF line(CaptionX, y, Width, ResultRowHeight);
        c.text(line, Qt::AlignLeft, row.caption, resultBold);
        const bool designation = &row == &results.front();
        if (designation) {
            c.text(QRectF(CaptionX, y, valueWidth, ResultRowHeight), Qt::AlignRight, row.value, resultBold, Blue);
        } else {
            c.text(QRectF(CaptionX, y, valueWidth, ResultRowHeight), Qt::AlignRight, row.value,
                row.over ? resultBold : resultFont, row.over ? Red : Ink);
            c.text(QRectF(valueRight + 25, y, UnitWidth, ResultRowHeight), Qt::AlignLeft, row.unit, resultFont);
        }
        if (row.over)
            c.text(QRectF(valueRight + 25 + UnitWidth, y, MarkWidth, ResultRowHeight), Qt::AlignLeft,
                QStringLiteral("◀ ") + row.mark, resultBold, Red);
        y += ResultRowHeight;
    }
    c.text(QRectF(CaptionX, y, Width - 100, ResultRowHeight), Qt::AlignLeft, panels.materialLine, resultBold,
        panels.overloaded() ? Red : Blue);
    y += ResultRowHeight + 25 + 80;
    return y;
}

// The heading of the pipe overview and its note.
double paintOverviewHeading(Canvas& c, double y, const ResultText::Inputs& inputs, const QString& materialName)
{
    y = c.heading(y, QStringLiteral("Rohrübersicht: ") + materialName);
    c.text(QRectF(Left, y - 15, Width, 50), Qt::AlignLeft,
        QStringLiteral("Jedes Rohr des Materials für ") + inputs.heatOutput + QStringLiteral(" kW und ")
            + inputs.temperatureDifference + QStringLiteral(" K; Werte über dem Grenzwert rot und im Hinweis genannt."),
        sheetFont(8.5), Grey);
    y += 50;
    return y;
}

// Every pipe of the material for the same inputs, the header row first.
QList<TableRow> overviewRows(const CalcState& calc, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    const PipeOverview::Overview overview = PipeOverview::compute(calc, settings, catalogue);
    QList<TableRow> table;
    table.append({ { QStringLiteral("Nr."), QStringLiteral("Bezeichnung"), QStringLiteral("Innen-Ø mm"),
                       QStringLiteral("w m/s"), QStringLiteral("R Pa/m"), QStringLiteral("Hinweis") },
        QList<QColor>(6, Ink), true });
    for (qsizetype r = 0; r < overview.rows.size(); ++r) {
        const PipeOverview::Row& row = overview.rows[r];
        QStringList notes;
        if (r == overview.marked) notes << (calc.manualMode ? QStringLiteral("gewählt") : QStringLiteral("empfohlen"));
        if (row.fault != ArithmeticFault::None) notes << arithmeticFaultMessage(row.fault);
        if (row.tooSteep) notes << QStringLiteral("R > R max");
        if (row.tooFast) notes << QStringLiteral("w > w max");
        table.append({ { QString::number(row.pipe), row.designation, row.diameter, row.velocityText,
                           row.pressureGradientText, notes.join(QStringLiteral(", ")) },
            { Ink, Ink, Ink, row.tooFast ? Red : Ink, row.tooSteep ? Red : Ink,
                row.tooFast || row.tooSteep ? Red : Ink },
            r == overview.marked });
    }
    return table;
}

// The table, its columns as wide as their widest cell, down to the footer.
double paintTable(Canvas& c, double y, const QList<TableRow>& table)
{
    QPainter& painter = c.p;
    // Columns as wide as their widest cell (at least their usual width); the
    // notes take the rest. Very large values make the type smaller.
    constexpr double Pad = 30;
    const QList<double> usual { 110, 300, 260, 240, 300, 400 };
    const QList<int> align { Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignRight,
        Qt::AlignLeft };
    double points = 9;
    QList<double> widths;
    for (;; points -= 0.5) {
        const QFontMetricsF metrics(sheetFont(points, true), painter.device());
        widths = usual;
        double total = 0;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            for (const TableRow& row : table)
                widths[i] = std::max(widths[i], metrics.horizontalAdvance(row.texts[i]) + 2 * Pad);
            total += widths[i];
        }
        if (total <= Width || points <= 6) break;
    }
    widths.last() = Width - (std::accumulate(widths.begin(), widths.end(), 0.0) - widths.last());
    const QFont tableFont = sheetFont(points);
    const QFont tableBold = sheetFont(points, true);

    const double rowHeight = std::min(52.0, (Bottom - 60 - y) / double(table.size()));
    const double tableTop = y;
    for (qsizetype r = 0; r < table.size(); ++r) {
        const TableRow& row = table[r];
        if (r == 0)
            painter.fillRect(QRectF(Left, y, Width, rowHeight), HeaderFill);
        else if (row.marked)
            painter.fillRect(QRectF(Left, y, Width, rowHeight), MarkedFill);
        if (r > 0) c.rule(Left, Right, y, Rule, 2);
        double x = Left;
        for (qsizetype i = 0; i < widths.size(); ++i) {
            const bool strong = row.marked || row.colours[i] == Red;
            const QFont& font = strong ? tableBold : tableFont;
            const double inner = widths[i] - 2 * Pad;
            const QString text = QFontMetricsF(font, painter.device()).elidedText(row.texts[i], Qt::ElideRight, inner);
            c.text(QRectF(x + Pad, y, inner, rowHeight), align[i], text, font, row.colours[i]);
            x += widths[i];
        }
        y += rowHeight;
    }
    painter.setPen(QPen(Rule, 3));
    painter.drawRect(QRectF(Left, tableTop, Width, y - tableTop));
    return y;
}

void paintFooter(Canvas& c, const QString& dateText)
{
    c.rule(Left, Right, Bottom, Rule, 3);
    c.text(QRectF(Left, Bottom + 10, Width, 45), Qt::AlignLeft, QStringLiteral("Erstellt mit Fluvano am ") + dateText,
        sheetFont(8), Grey);
    c.text(QRectF(Left, Bottom + 10, Width, 45), Qt::AlignRight, QStringLiteral("Seite 1 von 1"), sheetFont(8), Grey);
}

} // namespace

ResultSheet::ResultSheet(const ResultText::Inputs& inputs, const CalcState& calc, const SettingsRecord& settings,
    const PipeCatalogue& catalogue, const QDate& date)
    : inputs_(inputs)
    , calc_(calc)
    , settings_(settings)
    , catalogue_(catalogue)
    , date_(date)
{
}

QString ResultSheet::title()
{
    return QStringLiteral("Rohrdimensionierung Heizkreis");
}

void ResultSheet::paint(QPainter& painter, const QRectF& paper) const
{
    painter.save();
    painter.translate(paper.topLeft());
    const double scale = paper.width() / PaperWidth;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    Canvas c(painter);

    const QString dateText = date_.toString(QStringLiteral("dd.MM.yyyy"));
    const QString materialName = catalogue_.materialName(calc_.material);
    double y = paintTitle(c, dateText);
    y = paintInputsAndConstants(c, y, inputs_, calc_, settings_, materialName);
    y = paintResult(c, y, calc_, settings_, catalogue_);
    y = paintOverviewHeading(c, y, inputs_, materialName);
    paintTable(c, y, overviewRows(calc_, settings_, catalogue_));
    paintFooter(c, dateText);
    painter.restore();
}

bool ResultSheet::writePdf(const QString& path, QString* error) const
{
    return Sheet::writePdf(
        path, title(), QPageLayout::Portrait,
        [this](
            QPainter& painter, QPdfWriter& writer) { paint(painter, QRectF(0, 0, writer.width(), writer.height())); },
        error);
}
