#pragma once

// The main window's working values; every real is stored as a float.
struct CalcState {
    float heatOutput = 0; // Q, W
    float temperatureDifference = 0; // ΔT, K
    int material = 0; // material in use, 1..10
    bool manualMode = false; // diameter chosen by hand
    float manualDiameter = 0; // mm
    float massFlow = 0; // ṁ, kg/s
    float volumeFlow = 0; // V̇, m³/s
    float diameter = 0; // d in use, mm
    float velocity = 0; // w, m/s
    float reynolds = 0; // Re
    float pressureGradient = 0; // R, Pa/m
    int selectedPipe = 1; // 1..20
};
