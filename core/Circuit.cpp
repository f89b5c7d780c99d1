#include "core/Circuit.h"

#include "core/NumberText.h"
#include "core/TypedInputs.h"

#include <algorithm>

namespace Circuit
{

bool Section::isEmpty() const
{
    for (const QString* field : { &name, &heatOutput, &length, &zeta, &innerDiameter })
        if (!field->trimmed().isEmpty()) return false;
    return true;
}

Row compute(const Section& section, const QString& temperatureDifference, const SettingsRecord& settings,
    const PipeCatalogue& catalogue)
{
    Row row;
    row.empty = section.isEmpty();
    if (row.empty) return row;

    const TypedInputs::Number length = TypedInputs::number(section.length);
    const TypedInputs::Number zeta = TypedInputs::number(section.zeta);
    if (!length.ok) {
        row.reason = QStringLiteral("Fehlerhafte Eingabe! (Länge)");
        return row;
    }
    if (!zeta.ok) {
        row.reason = QStringLiteral("Fehlerhafte Eingabe! (Σζ)");
        return row;
    }
    const TypedInputs::Outcome outcome = TypedInputs::evaluate(
        { section.heatOutput, temperatureDifference, QString::number(section.material), section.innerDiameter },
        settings, catalogue);
    if (!outcome.computed()) {
        row.reason = outcome.reason;
        return row;
    }
    if (length.text.isEmpty()) {
        row.reason = QStringLiteral("Länge fehlt");
        return row;
    }
    row.calc = outcome.calc;
    row.panels = ResultText::panels(row.calc, settings, catalogue);
    const long double w = row.calc.velocity;
    row.gradientLoss = row.calc.pressureGradient * length.value;
    row.fittingsLoss = zeta.value * settings.densityInUse / 2 * w * w;
    row.loss = row.gradientLoss + row.fittingsLoss;
    return row;
}

Totals totals(long double sectionLoss, long double largestFlow, int computed, int notComputed, const QString& extraLoss,
    const SettingsRecord& settings)
{
    Totals t;
    t.sectionLoss = sectionLoss;
    t.volumeFlow = largestFlow;
    t.computed = computed;
    t.notComputed = notComputed;
    const TypedInputs::Number extra = TypedInputs::number(extraLoss);
    t.extraOk = extra.ok;
    t.extraLoss = extra.value;
    const long double weight = settings.densityInUse * Gravity;
    t.headOk = extra.ok && weight != 0;
    if (t.headOk) t.head = (sectionLoss + t.extraLoss) / weight;
    return t;
}

Totals totals(const QList<Row>& rows, const QString& extraLoss, const SettingsRecord& settings)
{
    long double sum = 0;
    long double largest = 0;
    int computed = 0;
    int notComputed = 0;
    for (const Row& row : rows) {
        if (row.empty) continue;
        if (!row.computed()) {
            ++notComputed;
            continue;
        }
        ++computed;
        sum += row.loss;
        largest = std::max(largest, row.volumeFlowPerHour());
    }
    return totals(sum, largest, computed, notComputed, extraLoss, settings);
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

QStringList columnCaptions()
{
    return { QStringLiteral("Nr."), QStringLiteral("Bezeichnung"), QStringLiteral("Leistung kW"),
        QStringLiteral("Länge m"), QStringLiteral("Σζ"), QStringLiteral("Material"), QStringLiteral("Innen-Ø mm"),
        QStringLiteral("Rohr"), QStringLiteral("d mm"), QStringLiteral("w m/s"), QStringLiteral("R Pa/m"),
        QStringLiteral("R·l Pa"), QStringLiteral("Z Pa"), QStringLiteral("Δp Pa"), QStringLiteral("Σ Δp Pa") };
}

} // namespace Circuit
