#include "core/CircuitTable.h"

#include "core/Csv.h"
#include "core/NumberText.h"

namespace CircuitTable
{

namespace
{

    using Kind = ColumnInfo::Kind;

    // clang-format off
    const std::array<ColumnInfo, ColumnCount> Columns { {
        { Number,        Kind::Automatic, QStringLiteral("Nr."),         {},                     {},                           -1, false, 30 },
        { Name,          Kind::Text,      QStringLiteral("Bezeichnung"), {},                     QStringLiteral("Bezeichnung"), -1, true, 120 },
        { HeatOutput,    Kind::Number,    QStringLiteral("Leistung"),    QStringLiteral("kW"),   QStringLiteral("Leistung_kW"), -1, false, 82 },
        { Length,        Kind::Number,    QStringLiteral("Länge"),       QStringLiteral("m"),    QStringLiteral("Laenge_m"),    -1, false, 64 },
        { Zeta,          Kind::Number,    QStringLiteral("Σζ"),          {},                     QStringLiteral("Zeta"),        -1, false, 44 },
        { Material,      Kind::Choice,    QStringLiteral("Material"),    {},                     QStringLiteral("Material"),    -1, true, 150 },
        { InnerDiameter, Kind::Number,    QStringLiteral("Innen-Ø"),     QStringLiteral("mm"),   QStringLiteral("Innen_mm"),    -1, false, 82 },
        { Pipe,          Kind::Computed,  QStringLiteral("Rohr"),        {},                     QStringLiteral("Rohr"),        -1, true, 70 },
        { Diameter,      Kind::Computed,  QStringLiteral("d"),           QStringLiteral("mm"),   QStringLiteral("d_mm"),         1, false, 48 },
        { Velocity,      Kind::Computed,  QStringLiteral("w"),           QStringLiteral("m/s"),  QStringLiteral("w_m/s"),        3, false, 52 },
        { Gradient,      Kind::Computed,  QStringLiteral("R"),           QStringLiteral("Pa/m"), QStringLiteral("R_Pa/m"),       2, false, 62 },
        { GradientLoss,  Kind::Computed,  QStringLiteral("R·l"),         QStringLiteral("Pa"),   QStringLiteral("R·l_Pa"),       0, false, 62 },
        { FittingsLoss,  Kind::Computed,  QStringLiteral("Z"),           QStringLiteral("Pa"),   QStringLiteral("Z_Pa"),         0, false, 56 },
        { Loss,          Kind::Computed,  QStringLiteral("Δp"),          QStringLiteral("Pa"),   QStringLiteral("Δp_Pa"),        0, false, 62 },
        { RunningTotal,  Kind::Computed,  QStringLiteral("Σ Δp"),        QStringLiteral("Pa"),   QStringLiteral("ΣΔp_Pa"),       0, false, 70 },
    } };
    // clang-format on

    QString typedText(const Circuit::Section& s, int column, Purpose purpose, const PipeCatalogue& catalogue)
    {
        switch (column) {
        case Name:
            return s.name;
        case HeatOutput:
            return s.heatOutput;
        case Length:
            return s.length;
        case Zeta:
            return s.zeta;
        case Material:
            if (purpose == Purpose::Screen) return catalogue.caption(s.material);
            return s.material ? QString::number(s.material) : QString();
        case InnerDiameter:
            return s.innerDiameter;
        default:
            return {};
        }
    }

} // namespace

const std::array<ColumnInfo, ColumnCount>& columns()
{
    return Columns;
}

QStringList captions()
{
    QStringList list;
    for (const ColumnInfo& c : Columns)
        list.append(c.caption());
    return list;
}

QString cell(const Circuit::Document& document, const Circuit::Evaluation& evaluation, int row, int column,
    Purpose purpose, const PipeCatalogue& catalogue)
{
    if (column == Number) return QString::number(row + 1);
    const Circuit::Section& s = document.sections.at(row);
    if (CircuitTable::column(column).typed()) return typedText(s, column, purpose, catalogue);
    const Circuit::Row& r = evaluation.rows.at(row);
    if (column == RunningTotal) return r.empty ? QString() : pascal(r.runningLoss);
    if (!r.computed()) return column == Pipe ? r.reason : QString();
    switch (column) {
    case Pipe:
        return r.panels.designation;
    case Diameter:
        return r.panels.innerDiameter;
    case Velocity:
        return r.panels.velocity;
    case Gradient:
        return r.panels.pressureGradient;
    case GradientLoss:
        return pascal(r.gradientLoss);
    case FittingsLoss:
        return pascal(r.fittingsLoss);
    case Loss:
        return pascal(r.loss);
    default:
        return {};
    }
}

bool overLimit(const Circuit::Row& row, int column)
{
    if (!row.computed()) return false;
    return (column == Velocity && row.panels.tooFast) || (column == Gradient && row.panels.tooSteep);
}

QByteArray csv(const Circuit::Document& document, const Circuit::Evaluation& evaluation, const PipeCatalogue& catalogue)
{
    QStringList header;
    for (const ColumnInfo& c : Columns)
        if (!c.csvName.isEmpty()) header.append(c.csvName);
    header.append(QStringLiteral("Hinweis"));
    QString text = Csv::row(header) + u'\n';
    for (int r = 0; r < document.sections.size(); ++r) {
        const Circuit::Row& row = evaluation.rows.at(r);
        QStringList fields;
        for (const ColumnInfo& c : Columns) {
            if (c.csvName.isEmpty()) continue;
            // The reason goes into "Hinweis".
            fields.append(!c.typed() && c.key == Pipe && !row.computed()
                    ? QString()
                    : cell(document, evaluation, r, c.key, Purpose::File, catalogue));
        }
        fields.append(
            row.computed() ? (row.panels.overloaded() ? ResultText::overloadWarning() : QString()) : row.reason);
        text += Csv::row(fields) + u'\n';
    }
    return QByteArray(Csv::Bom) + text.toUtf8();
}

TotalTexts totalTexts(const Circuit::Totals& totals)
{
    return { pascal(totals.sectionLoss), totals.extraOk ? pascal(totals.extraLoss) : QString(),
        totals.headOk ? headText(totals.head) : QString(), flowText(totals.volumeFlow) };
}

QString pascal(long double value)
{
    return NumberText::grouped(value, 0);
}

QString headText(long double metres)
{
    return NumberText::grouped(metres, 2);
}

QString flowText(long double cubicMetresPerHour)
{
    return NumberText::grouped(cubicMetresPerHour, 3);
}

} // namespace CircuitTable
