#include "core/Circuit.h"

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

namespace
{

    Totals totals(const QList<Row>& rows, const QString& extraLoss, const SettingsRecord& settings)
    {
        Totals t;
        for (const Row& row : rows) {
            if (row.empty) continue;
            if (!row.computed()) {
                ++t.notComputed;
                continue;
            }
            ++t.computed;
            t.volumeFlow = std::max(t.volumeFlow, row.volumeFlowPerHour());
        }
        t.sectionLoss = rows.isEmpty() ? 0 : rows.last().runningLoss;
        const TypedInputs::Number extra = TypedInputs::number(extraLoss);
        t.extraOk = extra.ok;
        t.extraLoss = extra.value;
        const long double weight = settings.densityInUse * Gravity;
        t.headOk = extra.ok && weight != 0;
        if (t.headOk) t.head = (t.sectionLoss + t.extraLoss) / weight;
        return t;
    }

} // namespace

Evaluation evaluate(const Document& document, const SettingsRecord& settings, const PipeCatalogue& catalogue,
    const Evaluation* previous)
{
    Evaluation e;
    const qsizetype count = document.sections.size();
    const bool reuse = previous && previous->rows.size() == count;
    e.rows.reserve(count);
    long double running = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const Section& section = document.sections[i];
        Row row = reuse && previous->sections.value(i) == section
            ? previous->rows[i]
            : compute(section, document.temperatureDifference, settings, catalogue);
        if (row.computed()) running += row.loss;
        row.runningLoss = running;
        e.rows.append(std::move(row));
    }
    e.sections = document.sections;
    e.totals = totals(e.rows, document.extraLoss, settings);
    return e;
}

} // namespace Circuit
