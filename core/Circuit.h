#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/ResultText.h"
#include "core/SettingsRecord.h"

#include <QList>
#include <QString>

// The sections of a circuit's critical path: each sized as the main window
// sizes one pipe, with its pressure loss Δp = R·l + Z (Z = Σζ · ρ/2 · w²),
// and the totals the pump has to deliver. The table's columns and the texts
// of its cells and totals are in core/CircuitTable.h.
namespace Circuit
{

inline constexpr int MaxSections = 1000;
inline constexpr long double Gravity = 9.81L; // m/s²

// One section as the user typed it.
struct Section {
    QString name; // Bezeichnung
    QString heatOutput; // kW
    QString length; // m
    QString zeta; // Σζ; empty: no fittings
    int material = 1; // catalogue index; 0 when unknown
    QString innerDiameter; // mm; empty: the recommended pipe
    // Nothing typed (the material alone does not count).
    bool isEmpty() const;
    bool operator==(const Section&) const = default;
};

// Everything the user enters: the sections, the temperature difference they
// were computed with and the further losses (heat generator, valves).
struct Document {
    QList<Section> sections;
    QString temperatureDifference = QStringLiteral("15"); // K
    QString extraLoss; // Pa
    bool operator==(const Document&) const = default;
};

// One section computed.
struct Row {
    bool empty = true; // nothing typed: shows nothing, counts nothing
    QString reason; // why a typed row was not computed
    CalcState calc;
    ResultText::Panels panels; // pipe, d, w and R as the main window shows them
    long double gradientLoss = 0; // R·l, Pa
    long double fittingsLoss = 0; // Z, Pa
    long double loss = 0; // Δp, Pa
    long double runningLoss = 0; // Σ Δp down to this row, Pa
    bool computed() const { return !empty && reason.isEmpty(); }
    long double volumeFlowPerHour() const { return calc.volumeFlow * 3600.0L; }
};

// The section with the main window's temperature difference (as typed), the
// constants and the catalogue; the reasons are those of the CSV batch.
Row compute(const Section& section, const QString& temperatureDifference, const SettingsRecord& settings,
    const PipeCatalogue& catalogue);

struct Totals {
    long double sectionLoss = 0; // Σ Δp of the computed rows, Pa
    long double extraLoss = 0; // Pa
    bool extraOk = true; // the further losses read as a number
    long double head = 0; // m
    bool headOk = false; // computed (extra losses readable, ρ not 0)
    long double volumeFlow = 0; // largest flow of any section, m³/h
    int computed = 0;
    int notComputed = 0; // typed rows not computed
};

// The whole list computed: its rows, each with its running total, and the
// totals.
struct Evaluation {
    QList<Section> sections; // as computed
    QList<Row> rows;
    Totals totals;
};

// Computes every row; the rows of `previous` (aligned with the sections) are
// taken over where their section is unchanged, so that one edited cell sizes
// one pipe again. Pass no previous rows when the constants, the catalogue or
// the temperature difference changed.
Evaluation evaluate(const Document& document, const SettingsRecord& settings, const PipeCatalogue& catalogue,
    const Evaluation* previous = nullptr);

} // namespace Circuit
