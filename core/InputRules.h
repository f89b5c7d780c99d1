#pragma once

#include "core/CalcState.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// What the inputs of a sizing may be, one set of rules for the main window,
// the command line, the CSV batch and the section list.
namespace InputRules
{

// The largest heat output that is calculated; a larger one is not.
inline constexpr long double MaxHeatOutputKw = 100000;

// The temperature differences the main window offers as buttons, in K.
inline constexpr std::array<float, 6> TemperatureDifferences = { 5, 6, 10, 12, 15, 20 };

// Materials 1..Materials can be chosen.
inline constexpr int Materials = 10;

// A typed text as the numeric key filter would have let it into a field:
// blanks around it dropped, "." turned into ","; nullopt when the filter
// would have refused a character.
std::optional<QString> typed(const QString& text);

// A field's number: an empty field counts as 0; nullopt when the text does
// not read as a number.
std::optional<long double> fieldValue(QStringView text);

// Stores a value as the calculation's float, saturating to infinity instead
// of overflowing.
float toFloat(long double value);

// A material given as text ("1".."10", blanks around it allowed), or the
// reason it cannot be used.
struct MaterialChoice {
    int material = 0;
    QString reason;
};
MaterialChoice material(const QString& text);

// Why inputs read into a CalcState are not calculated, in the order checked.
enum class Gap {
    None,
    HeatOutput, // zero or empty
    HeatOutputTooLarge, // above MaxHeatOutputKw
    InnerDiameter, // a chosen diameter of zero
    TemperatureDifference, // zero or empty
};

// The completeness check: heat output, its upper limit, the chosen diameter
// and the temperature difference. heatOutputKw is the heat output as read,
// before its conversion to W.
Gap gap(const CalcState& calc, long double heatOutputKw);

} // namespace InputRules
