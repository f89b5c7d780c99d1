#include "core/SettingsRecord.h"

#include <iterator>

namespace
{

// Absolute roughness in mm by material. 1..7 as the program always had them.
// 8, stainless steel: copper, brass, steel tube technically smooth, 0.00135
// to 0.00152 mm (table "Absolute Rauheiten", bauformeln.de, Wasserbau /
// Rohrhydraulik). 9, galvanised carbon steel press pipe,
// inside bare steel: new smooth steel pipe, 0.025 mm (Idelchik, Handbook of
// Hydraulic Resistance, 3rd ed. 1994, table 2-5, as summarised in the
// Modelica Standard Library's Modelica.Fluid.Types.Roughness). 10, PE-X:
// polyethylene pipe, new, 0.0015 to 0.01 mm (bauformeln.de as above); the
// plastic-pipe value 0.007 of slot 7.
constexpr float Roughness[] = { 0.045f, 0.045f, 0.045f, 0.045f, 0.002f, 0.0015f, 0.007f, 0.0015f, 0.025f, 0.007f };
static_assert(std::size(Roughness) == SettingsRecord::RoughnessCount);

} // namespace

float SettingsRecord::standardRoughness(int m)
{
    return validMaterial(m) ? Roughness[m - 1] : 0.0f;
}

void SettingsRecord::useStandardRoughnessWhereUnusable()
{
    for (int m = FirstNewRoughness; m <= RoughnessCount; ++m)
        if (!(roughnessAt(m) > 0)) roughnessAt(m) = standardRoughness(m);
}

void SettingsRecord::applyStandardValues(bool keepManualOverride)
{
    // 0, 10, 20, 30, 40, 60, 80 °C
    static constexpr float Density[] = { 999.0f, 999.7f, 998.3f, 995.7f, 992.3f, 983.2f, 977.7f };
    static constexpr float HeatCapacity[] = { 4217.0f, 4199.0f, 4182.0f, 4180.0f, 4179.0f, 4185.0f, 4197.0f };
    static constexpr float Viscosity[] = { 1.79f, 1.31f, 1.01f, 0.81f, 0.66f, 0.48f, 0.37f };
    constexpr int Standard = 6; // 60 °C

    temperatureIndex = Standard;
    for (int k = 1; k <= 7; ++k)
        densityAt(k) = Density[k - 1];
    densityInUse = densityAt(temperatureIndex);
    for (int k = 1; k <= 7; ++k)
        heatCapacityAt(k) = HeatCapacity[k - 1];
    heatCapacityInUse = heatCapacityAt(temperatureIndex);
    for (int k = 1; k <= 7; ++k)
        viscosityAt(k) = Viscosity[k - 1];
    viscosityInUse = viscosityAt(temperatureIndex);
    for (int m = 1; m <= RoughnessCount; ++m)
        roughnessAt(m) = standardRoughness(m);
    rMax = 100.0f;
    wMax = 2.0f;
    materialIndex = 1;
    if (!keepManualOverride) manualOverride = 0;
}
