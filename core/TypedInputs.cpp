#include "core/TypedInputs.h"

#include "core/Calculation.h"
#include "core/NumberText.h"

#include <cfloat>
#include <optional>

namespace TypedInputs
{

namespace
{

    constexpr long double MaxHeatOutputKw = 100000;

    // The text as the numeric key filter would have let it into an entry;
    // nullopt when it would have dropped a character.
    std::optional<QString> typed(const QString& text)
    {
        QString result = text.trimmed();
        for (qsizetype i = 0; i < result.size(); ++i) {
            const QChar c = result.at(i);
            const std::optional<QChar> passed = NumberText::filterKey(c);
            if (!passed || *passed == u'\b') return std::nullopt;
            if (*passed != c) result[i] = *passed;
        }
        return result;
    }

    QString faulty(const QString& field)
    {
        return QStringLiteral("Fehlerhafte Eingabe! (") + field + u')';
    }

    float toFloat(long double value)
    {
        return value > FLT_MAX ? FLT_MAX : float(value);
    }

} // namespace

Number number(const QString& field)
{
    Number n;
    const auto text = typed(field);
    if (!text) {
        n.text = field.trimmed();
        n.ok = false;
        return n;
    }
    n.text = *text;
    if (n.text.isEmpty()) return n;
    const auto value = NumberText::read(n.text);
    n.ok = value.has_value();
    n.value = value.value_or(0);
    return n;
}

Outcome evaluate(const Fields& fields, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    Outcome outcome;
    const bool manual = !fields.innerDiameter.trimmed().isEmpty();

    const Number heat = number(fields.heatOutput);
    const Number difference = number(fields.temperatureDifference);
    const Number diameter = number(fields.innerDiameter);
    outcome.shown = { heat.text, difference.text };
    outcome.innerDiameter = diameter.text;

    if (!heat.ok) {
        outcome.reason = faulty(QStringLiteral("Leistung"));
        return outcome;
    }
    if (!difference.ok) {
        outcome.reason = faulty(QStringLiteral("Temperaturdifferenz"));
        return outcome;
    }
    if (!diameter.ok) {
        outcome.reason = faulty(QStringLiteral("Innen-Nennweite"));
        return outcome;
    }

    const QString materialText = fields.material.trimmed();
    bool isInteger = !materialText.isEmpty();
    for (QChar c : materialText)
        isInteger = isInteger && c >= u'0' && c <= u'9';
    const int material = isInteger && materialText.size() <= 2 ? materialText.toInt() : 0;
    if (materialText.isEmpty()) {
        outcome.reason = QStringLiteral("Rohrmaterial fehlt");
        return outcome;
    }
    // Every material of the catalogue that has pipes.
    if (!PipeCatalogue::validMaterial(material) || catalogue.pipeCount(material) == 0) {
        int last = 0;
        for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m)
            if (catalogue.pipeCount(m) > 0) last = m;
        outcome.reason = QStringLiteral("Unbekanntes Rohrmaterial (1 bis %1)").arg(last);
        return outcome;
    }

    CalcState& calc = outcome.calc;
    calc.heatOutput = toFloat(heat.value * 1000);
    calc.temperatureDifference = toFloat(difference.value);
    calc.material = material;
    calc.manualMode = manual;
    calc.manualDiameter = toFloat(diameter.value);

    if (calc.heatOutput == 0) {
        outcome.reason = heat.text.isEmpty() ? QStringLiteral("Leistung fehlt") : QStringLiteral("Leistung ist 0");
        return outcome;
    }
    if (heat.value > MaxHeatOutputKw) {
        outcome.reason = QStringLiteral("Leistung über 100.000 kW");
        return outcome;
    }
    if (manual && calc.manualDiameter == 0) {
        outcome.reason = QStringLiteral("Innen-Nennweite ist 0");
        return outcome;
    }
    if (calc.temperatureDifference == 0) {
        outcome.reason = difference.text.isEmpty() ? QStringLiteral("Temperaturdifferenz fehlt")
                                                   : QStringLiteral("Temperaturdifferenz ist 0");
        return outcome;
    }

    if (manual) {
        calc.selectedPipe = 0;
        const int count = catalogue.pipeCount(material);
        for (int i = 1; i <= count && calc.selectedPipe == 0; ++i)
            if (float(NumberText::read(catalogue.innerDiameterText(material, i)).value_or(0)) == calc.manualDiameter)
                calc.selectedPipe = i;
    }

    const ArithmeticFault fault = Calculation::Berechnen(calc, settings, catalogue);
    if (fault != ArithmeticFault::None) outcome.reason = arithmeticFaultMessage(fault);
    return outcome;
}

} // namespace TypedInputs
