#include "core/TypedInputs.h"

#include "core/Calculation.h"
#include "core/InputRules.h"
#include "core/NumberText.h"

#include <optional>

namespace TypedInputs
{

Number number(const QString& field)
{
    const std::optional<QString> text = InputRules::typed(field);
    if (!text) return { field.trimmed(), 0, false };
    const std::optional<long double> value = InputRules::fieldValue(*text);
    return { *text, value.value_or(0), value.has_value() };
}

namespace
{

    QString faulty(const QString& field)
    {
        return QStringLiteral("Fehlerhafte Eingabe! (") + field + u')';
    }

    QString gapReason(InputRules::Gap gap, const Number& heat, const Number& difference)
    {
        switch (gap) {
        case InputRules::Gap::None:
            break;
        case InputRules::Gap::HeatOutput:
            return heat.text.isEmpty() ? QStringLiteral("Leistung fehlt") : QStringLiteral("Leistung ist 0");
        case InputRules::Gap::HeatOutputTooLarge:
            return QStringLiteral("Leistung über 100.000 kW");
        case InputRules::Gap::InnerDiameter:
            return QStringLiteral("Innen-Nennweite ist 0");
        case InputRules::Gap::TemperatureDifference:
            return difference.text.isEmpty() ? QStringLiteral("Temperaturdifferenz fehlt")
                                             : QStringLiteral("Temperaturdifferenz ist 0");
        }
        return {};
    }

    // A chosen diameter that is a catalogue pipe of the material shows that
    // pipe's designation, any other none.
    int catalogueSlot(const PipeCatalogue& catalogue, int material, float diameter)
    {
        const int count = catalogue.pipeCount(material);
        for (int i = 1; i <= count; ++i)
            if (float(NumberText::read(catalogue.innerDiameterText(material, i)).value_or(0)) == diameter) return i;
        return 0;
    }

} // namespace

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
    const InputRules::MaterialChoice material = InputRules::material(fields.material);
    if (!material.reason.isEmpty()) {
        outcome.reason = material.reason;
        return outcome;
    }

    CalcState& calc = outcome.calc;
    calc.heatOutput = InputRules::toFloat(heat.value * 1000);
    calc.temperatureDifference = InputRules::toFloat(difference.value);
    calc.material = material.material;
    calc.manualMode = manual;
    calc.manualDiameter = InputRules::toFloat(diameter.value);

    outcome.reason = gapReason(InputRules::gap(calc, heat.value), heat, difference);
    if (!outcome.reason.isEmpty()) return outcome;

    if (manual) calc.selectedPipe = catalogueSlot(catalogue, calc.material, calc.manualDiameter);

    const ArithmeticFault fault = Calculation::Berechnen(calc, settings, catalogue);
    if (fault != ArithmeticFault::None) outcome.reason = arithmeticFaultMessage(fault);
    return outcome;
}

} // namespace TypedInputs
