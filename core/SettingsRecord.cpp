#include "core/SettingsRecord.h"

void SettingsRecord::applyStandardValues(bool keepManualOverride)
{
    // 0, 10, 20, 30, 40, 60, 80 °C
    static constexpr float Density[] = { 999.0f, 999.7f, 998.3f, 995.7f, 992.3f, 983.2f, 977.7f };
    static constexpr float HeatCapacity[] = { 4217.0f, 4199.0f, 4182.0f, 4180.0f, 4179.0f, 4185.0f, 4197.0f };
    static constexpr float Viscosity[] = { 1.79f, 1.31f, 1.01f, 0.81f, 0.66f, 0.48f, 0.37f };
    static constexpr float Roughness[] = { 0.045f, 0.045f, 0.045f, 0.045f, 0.002f, 0.0015f, 0.007f };
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
    for (int m = 1; m <= 7; ++m)
        roughnessAt(m) = Roughness[m - 1];
    rMax = 100.0f;
    wMax = 2.0f;
    materialIndex = 1;
    if (!keepManualOverride) manualOverride = 0;
}
