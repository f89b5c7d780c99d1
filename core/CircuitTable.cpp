#include "core/CircuitTable.h"

#include "core/Csv.h"
#include "core/NumberText.h"

#include <optional>

namespace CircuitTable
{

namespace
{

    using Kind = ColumnInfo::Kind;

    // clang-format off
    // Made on first use: other files' statics read it while they are made.
    const std::array<ColumnInfo, ColumnCount>& table()
    {
        static const std::array<ColumnInfo, ColumnCount> Columns { {
        { Number,        Kind::Automatic, QStringLiteral("Nr."),         {},                     {},                             -1, false, 34 },
        { Name,          Kind::Text,      QStringLiteral("Bezeichnung"), {},                     QStringLiteral("Bezeichnung"),    -1, true, 120 },
        { Predecessor,   Kind::Row,       QStringLiteral("Vorgänger"),   {},                     QStringLiteral("Vorgaenger"),     -1, false, 64 },
        { HeatOutput,    Kind::Number,    QStringLiteral("Leistung"),    QStringLiteral("kW"),   QStringLiteral("Leistung_kW"),    -1, false, 78 },
        { Length,        Kind::Number,    QStringLiteral("Länge"),       QStringLiteral("m"),    QStringLiteral("Laenge_m"),       -1, false, 60 },
        { Zeta,          Kind::Number,    QStringLiteral("Σζ"),          {},                     QStringLiteral("Zeta"),           -1, false, 44 },
        { Material,      Kind::Choice,    QStringLiteral("Material"),    {},                     QStringLiteral("Material"),       -1, true, 140 },
        { InnerDiameter, Kind::Number,    QStringLiteral("Innen-Ø"),     QStringLiteral("mm"),   QStringLiteral("Innen_mm"),       -1, false, 80 },
        { ConsumerLoss,  Kind::Number,    QStringLiteral("Δp Verbr."),   QStringLiteral("Pa"),   QStringLiteral("Verbraucher_Pa"), -1, false, 84 },
        { Valve,         Kind::ValveChoice, QStringLiteral("Ventil"),    {},                     QStringLiteral("Ventil"),         -1, true, 150 },
        { Pipe,          Kind::Computed,  QStringLiteral("Rohr"),        {},                     QStringLiteral("Rohr"),           -1, true, 70 },
        { Diameter,      Kind::Computed,  QStringLiteral("d"),           QStringLiteral("mm"),   QStringLiteral("d_mm"),            1, false, 48 },
        { Velocity,      Kind::Computed,  QStringLiteral("w"),           QStringLiteral("m/s"),  QStringLiteral("w_m/s"),           3, false, 52 },
        { Gradient,      Kind::Computed,  QStringLiteral("R"),           QStringLiteral("Pa/m"), QStringLiteral("R_Pa/m"),          2, false, 62 },
        { GradientLoss,  Kind::Computed,  QStringLiteral("R·l"),         QStringLiteral("Pa"),   QStringLiteral("R·l_Pa"),          0, false, 62 },
        { FittingsLoss,  Kind::Computed,  QStringLiteral("Z"),           QStringLiteral("Pa"),   QStringLiteral("Z_Pa"),            0, false, 56 },
        { Loss,          Kind::Computed,  QStringLiteral("Δp"),          QStringLiteral("Pa"),   QStringLiteral("Δp_Pa"),           0, false, 62 },
        { RunningTotal,  Kind::Computed,  QStringLiteral("Σ Δp"),        QStringLiteral("Pa"),   QStringLiteral("ΣΔp_Pa"),          0, false, 70 },
        { PathLoss,      Kind::Computed,  QStringLiteral("Δp Weg"),      QStringLiteral("Pa"),   QStringLiteral("dp_Weg_Pa"),       0, false, 80 },
        { ValveLoss,     Kind::Computed,  QStringLiteral("Δp Ventil"),   QStringLiteral("Pa"),   QStringLiteral("dp_Ventil_Pa"),    0, false, 84 },
        { KvRequired,    Kind::Computed,  QStringLiteral("kv erf."),     {},                     QStringLiteral("kv_erf"),          3, false, 58 },
        { Presetting,    Kind::Computed,  QStringLiteral("Voreinst."),   {},                     QStringLiteral("Voreinstellung"), -1, false, 70 },
        { Kv,            Kind::Computed,  QStringLiteral("kv"),          {},                     QStringLiteral("kv"),             -1, false, 50 },
        { Deviation,     Kind::Computed,  QStringLiteral("Abw."),        QStringLiteral("%"),    QStringLiteral("Abweichung_Prozent"), 0, false, 54 },
        { Hint,          Kind::Computed,  QStringLiteral("Hinweis"),     {},                     QStringLiteral("Hinweis"),        -1, true, 260 },
    } };
        return Columns;
    }
    // clang-format on

    QString typedText(const Circuit::Section& s, const Circuit::Row& r, int column, Purpose purpose,
        const PipeCatalogue& catalogue, const ValveCatalogue& valves)
    {
        switch (column) {
        case Name:
            return s.name;
        case Predecessor:
            return s.predecessor;
        case HeatOutput:
            // A summed heat output is shown, in files only what was typed.
            return r.heatOutputSummed && purpose == Purpose::Screen ? r.heatOutput : s.heatOutput;
        case Length:
            return s.length;
        case Zeta:
            return s.zeta;
        case Material:
            if (purpose == Purpose::Screen) return catalogue.caption(s.material);
            // Also when unknown: no section's line is blank.
            return QString::number(s.material);
        case InnerDiameter:
            return s.innerDiameter;
        case ConsumerLoss:
            return s.consumerLoss;
        case Valve: {
            // On screen the series' short name, in files its number.
            const std::optional<int> number = NumberText::readInteger(s.valve.trimmed());
            if (purpose == Purpose::Screen && number && valves.contains(*number)) return valves.series(*number).caption;
            return s.valve;
        }
        default:
            return {};
        }
    }

} // namespace

const std::array<ColumnInfo, ColumnCount>& columns()
{
    return table();
}

QStringList captions()
{
    QStringList list;
    for (const ColumnInfo& c : table())
        list.append(c.caption());
    return list;
}

QString cell(const Circuit::Document& document, const Circuit::Evaluation& evaluation, int row, int column,
    Purpose purpose, const PipeCatalogue& catalogue, const ValveCatalogue& valves)
{
    if (column == Number) return QString::number(row + 1);
    const Circuit::Section& s = document.sections.at(row);
    const Circuit::Row& r = evaluation.rows.at(row);
    if (CircuitTable::column(column).typed()) return typedText(s, r, column, purpose, catalogue, valves);
    if (column == Hint) return hint(r);
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
    case RunningTotal:
        return pascal(r.runningLoss);
    case PathLoss:
        return r.consumer ? pascal(r.pathLoss) : QString();
    case ValveLoss:
        return r.valve && r.valveLoss > 0 ? pascal(r.valveLoss) : QString();
    case KvRequired:
        return r.valve && r.kvRequired > 0 ? NumberText::fixed(r.kvRequired, 3) : QString();
    case Presetting:
        return r.presetting >= 0 ? valves.series(r.valve).steps.value(r.presetting).label : QString();
    case Kv:
        return r.presetting >= 0 ? valves.series(r.valve).steps.value(r.presetting).kv : QString();
    case Deviation:
        return r.presetting >= 0 ? NumberText::fixed(r.deviation, 0) : QString();
    default:
        return {};
    }
}

QString hint(const Circuit::Row& row)
{
    if (row.empty) return {};
    if (!row.computed()) return row.reason;
    QStringList texts = row.hints;
    if (row.panels.overloaded()) texts.prepend(ResultText::overloadWarning());
    return texts.join(QStringLiteral(" / "));
}

QString typedValue(const Circuit::Section& section, int column)
{
    static const PipeCatalogue noPipes;
    static const ValveCatalogue noValves;
    return typedText(section, Circuit::Row {}, column, Purpose::File, noPipes, noValves);
}

void setTypedValue(Circuit::Section& section, int column, const QString& text)
{
    switch (column) {
    case Name:
        section.name = text;
        break;
    case Predecessor:
        section.predecessor = text;
        break;
    case HeatOutput:
        section.heatOutput = text;
        break;
    case Length:
        section.length = text;
        break;
    case Zeta:
        section.zeta = text;
        break;
    case Material: {
        bool ok = false;
        const int m = text.trimmed().toInt(&ok);
        section.material = ok && PipeCatalogue::validMaterial(m) ? m : 0;
        break;
    }
    case InnerDiameter:
        section.innerDiameter = text;
        break;
    case ConsumerLoss:
        section.consumerLoss = text;
        break;
    case Valve:
        section.valve = text;
        break;
    default:
        break;
    }
}

bool overLimit(const Circuit::Row& row, int column)
{
    if (!row.computed()) return false;
    return (column == Velocity && row.panels.tooFast) || (column == Gradient && row.panels.tooSteep);
}

QByteArray csv(const Circuit::Document& document, const Circuit::Evaluation& evaluation, const PipeCatalogue& catalogue,
    const ValveCatalogue& valves)
{
    QStringList header;
    for (const ColumnInfo& c : table())
        if (!c.csvName.isEmpty()) header.append(c.csvName);
    QString text = Csv::row(header) + u'\n';
    for (int r = 0; r < document.sections.size(); ++r) {
        const Circuit::Row& row = evaluation.rows.at(r);
        QStringList fields;
        for (const ColumnInfo& c : table()) {
            if (c.csvName.isEmpty()) continue;
            // The reason stands in "Hinweis" only.
            if (c.key == Pipe && !row.computed())
                fields.append(QString());
            else
                fields.append(cell(document, evaluation, r, c.key, Purpose::File, catalogue, valves));
        }
        text += Csv::row(fields) + u'\n';
    }
    return QByteArray(Csv::Bom) + text.toUtf8();
}

TotalTexts totalTexts(const Circuit::Document& document, const Circuit::Totals& totals)
{
    TotalTexts texts { pascal(totals.criticalLoss), totals.extraOk ? pascal(totals.extraLoss) : QString(),
        totals.headOk ? headText(totals.head) : QString(), flowText(totals.volumeFlow), {}, pascal(totals.minValveLoss),
        {} };
    if (totals.criticalConsumer >= 0) {
        texts.criticalConsumer = QString::number(totals.criticalConsumer + 1);
        const QString name = document.sections.value(totals.criticalConsumer).name;
        if (!name.isEmpty()) texts.criticalConsumer += QStringLiteral(" – ") + name;
    }
    if (totals.headOk && totals.criticalConsumer >= 0)
        texts.pump
            = QStringLiteral("Pumpe: Δp-konstant, Förderhöhe %1 m bei %2 m³/h").arg(texts.head, texts.volumeFlow);
    return texts;
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
