#include "core/InputRules.h"

#include "core/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <limits>

namespace InputRules
{

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

std::optional<long double> fieldValue(QStringView text)
{
    if (text.isEmpty()) return 0.0L;
    return NumberText::read(text);
}

float toFloat(long double value)
{
    if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
    if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

MaterialChoice material(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return { 0, QStringLiteral("Rohrmaterial fehlt") };
    const bool digits = trimmed.size() <= 2
        && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int m = digits ? trimmed.toInt() : 0;
    if (m < 1 || m > Materials) return { 0, QStringLiteral("Unbekanntes Rohrmaterial (1 bis %1)").arg(Materials) };
    return { m, {} };
}

Gap gap(const CalcState& calc, long double heatOutputKw)
{
    if (calc.heatOutput == 0) return Gap::HeatOutput;
    if (heatOutputKw > MaxHeatOutputKw) return Gap::HeatOutputTooLarge;
    if (calc.manualMode && calc.manualDiameter == 0) return Gap::InnerDiameter;
    if (calc.temperatureDifference == 0) return Gap::TemperatureDifference;
    return Gap::None;
}

} // namespace InputRules
