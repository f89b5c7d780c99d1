#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// The persisted constants. Its memory image is the 164-byte file image
// (little-endian IEEE 754 single floats); tables are indexed from 1.
struct SettingsRecord {
    static constexpr int TemperatureCount = 8; // slot 8 is carried, never shown
    static constexpr int RoughnessCount = 10;

    float density[TemperatureCount]; // kg/m³ per temperature index
    float heatCapacity[TemperatureCount]; // Ws/(kg·K)
    float viscosity[TemperatureCount]; // mm²/s
    float densityInUse;
    float heatCapacityInUse;
    float viscosityInUse;
    std::uint8_t temperatureIndex; // 1..7: 0, 10, 20, 30, 40, 60, 80 °C
    std::uint8_t materialIndex; // 1..10
    std::uint8_t manualOverride; // 1 = values in use typed by hand
    std::uint8_t hideStartWindow;
    std::uint8_t hideEndWindow;
    std::uint8_t reserved; // carried through unchanged
    std::uint8_t gap[2]; // carried through unchanged
    float rMax; // Pa/m
    float wMax; // m/s
    float roughness[RoughnessCount]; // mm, by material index

    float& densityAt(int k) { return density[k - 1]; }
    float& heatCapacityAt(int k) { return heatCapacity[k - 1]; }
    float& viscosityAt(int k) { return viscosity[k - 1]; }
    float& roughnessAt(int m) { return roughness[m - 1]; }
    float densityAt(int k) const { return density[k - 1]; }
    float heatCapacityAt(int k) const { return heatCapacity[k - 1]; }
    float viscosityAt(int k) const { return viscosity[k - 1]; }
    float roughnessAt(int m) const { return roughness[m - 1]; }
    static bool validMaterial(int m) { return m >= 1 && m <= RoughnessCount; }

    // Sets the standard constants. The 8th table slots, the window flags,
    // reserved byte and gap keep their contents; the manual-override flag is
    // reset only when keepManualOverride is false.
    void applyStandardValues(bool keepManualOverride);

    static float standardRoughness(int m);
    // Roughness slots 7..10 came later: a file of the earlier version holds 0
    // in 8..10, on which every calculation would stop. Such a slot (0,
    // negative or not a number) takes its standard value. 1..6 stay as read.
    static constexpr int FirstNewRoughness = 7;
    void useStandardRoughnessWhereUnusable();
};

static_assert(std::endian::native == std::endian::little, "the file image is little-endian");
static_assert(std::is_standard_layout_v<SettingsRecord> && std::is_trivially_copyable_v<SettingsRecord>);
static_assert(sizeof(float) == 4);
static_assert(sizeof(SettingsRecord) == 164);
static_assert(offsetof(SettingsRecord, density) == 0);
static_assert(offsetof(SettingsRecord, heatCapacity) == 32);
static_assert(offsetof(SettingsRecord, viscosity) == 64);
static_assert(offsetof(SettingsRecord, densityInUse) == 96);
static_assert(offsetof(SettingsRecord, heatCapacityInUse) == 100);
static_assert(offsetof(SettingsRecord, viscosityInUse) == 104);
static_assert(offsetof(SettingsRecord, temperatureIndex) == 108);
static_assert(offsetof(SettingsRecord, materialIndex) == 109);
static_assert(offsetof(SettingsRecord, manualOverride) == 110);
static_assert(offsetof(SettingsRecord, hideStartWindow) == 111);
static_assert(offsetof(SettingsRecord, hideEndWindow) == 112);
static_assert(offsetof(SettingsRecord, reserved) == 113);
static_assert(offsetof(SettingsRecord, gap) == 114);
static_assert(offsetof(SettingsRecord, rMax) == 116);
static_assert(offsetof(SettingsRecord, wMax) == 120);
static_assert(offsetof(SettingsRecord, roughness) == 124);
