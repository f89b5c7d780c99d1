#pragma once

#include "core/CalcState.h"
#include "core/PipeCatalogue.h"
#include "core/ResultText.h"
#include "core/SettingsRecord.h"
#include "core/ValveCatalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

// The sections of a heating circuit as a network: each section has the
// section upstream (its Vorgänger; none: it starts at the heat generator),
// and a section without successors ends at a consumer (radiator, floor
// circuit). Each section is sized as the main window sizes one pipe, with
// its pressure loss Δp = R·l + Z (Z = Σζ · ρ/2 · w²). A consumer's path is
// the sections from the heat generator to it; its path loss the sum of their
// Δp and the consumer's own loss. The critical consumer, with the largest
// path loss and its valve's least pressure drop, sets the pump; every other
// consumer's valve takes what its path leaves (hydraulic balancing), and its
// presetting is the step whose kv comes nearest. The table's columns and the
// texts of its cells and totals are in core/CircuitTable.h.
namespace Circuit
{

inline constexpr int MaxSections = 2000;
inline constexpr long double Gravity = 9.81L; // m/s²
inline constexpr long double Bar = 100000; // Pa: kv is the flow in m³/h at 1 bar

// The least pressure drop a thermostatic valve of the critical consumer takes
// (valve authority), when the document gives none: the lower end of the
// design pressure drop of 0,05 to 0,2 bar a maker recommends for its
// thermostatic valves (Danfoss, data sheet "Einbauventil mit integrierter
// Voreinstellung", DKCD VDVES303, 04/2011); with 5 to 10 kPa lost in the
// rest of a typical critical circuit it gives a valve authority of about 0,3
// to 0,5, within the 0,3 to 0,7 planning guides ask for.
inline constexpr long double DefaultMinValveLoss = 5000; // Pa
// Above this pressure drop a thermostatic valve may whistle: the upper end of
// the same maker's recommended range, where R. Petitjean (Tour & Andersson,
// "Stabilising the differential pressure across thermostatic valves") puts
// the risk of noise (20 to 30 kPa).
inline constexpr long double NoisyValveLoss = 20000; // Pa

// One section as the user typed it.
struct Section {
    QString name; // Bezeichnung
    QString predecessor; // Nr. of the section upstream; empty: at the heat generator
    QString heatOutput; // kW; empty on a section with successors: their sum
    QString length; // m, flow and return together
    QString zeta; // Σζ; empty: no fittings
    int material = 1; // catalogue index; 0 when unknown
    QString innerDiameter; // mm; empty: the recommended pipe
    QString consumerLoss; // Pa, the consumer's own loss; empty: 0
    QString valve; // valve series number on a consumer; empty: none
    // Nothing typed: the material, the Vorgänger and the valve, which are
    // chosen or filled in, do not count.
    bool isEmpty() const;
    bool operator==(const Section&) const = default;
};

// Everything the user enters: the sections, the temperature difference they
// were computed with, the further losses (heat generator, fittings outside
// the sections), the least pressure drop of a thermostatic valve and the
// project's name.
struct Document {
    QList<Section> sections;
    QString temperatureDifference = QStringLiteral("15"); // K
    QString extraLoss; // Pa
    QString minValveLoss; // Pa; empty: DefaultMinValveLoss
    QString project;
    bool operator==(const Document&) const = default;
};

// Each section follows the one above it (lists of a time without the
// Vorgänger column): one chain that ends at the last section.
void makeChain(QList<Section>& sections);

// The row numbers of the Vorgänger follow the rows: inserting a section
// before `row` (0-based), removing one (its successors then hang from its
// own Vorgänger) and undoing that, swapping two neighbouring rows.
void insertSection(QList<Section>& sections, int row, const Section& section);
struct Removed {
    int row = 0;
    Section section;
    QList<int> successors; // rows, after the removal, that hung from it
};
Removed removeSection(QList<Section>& sections, int row);
void restoreSection(QList<Section>& sections, const Removed& removed);
void swapSections(QList<Section>& sections, int row); // row and row + 1

// One section computed.
struct Row {
    bool empty = true; // nothing typed: shows nothing, counts nothing
    QString reason; // why a typed row was not computed
    QStringList hints; // computed, but worth a look

    // The network.
    int predecessor = -1; // row index upstream; -1 at the heat generator or not known
    bool consumer = false; // no section hangs from it
    bool critical = false; // on the path to the critical consumer
    QString heatOutput; // kW as sized: as typed, or the sum of the successors
    bool heatOutputSummed = false; // the sum of the successors (nothing typed)

    // The section's pipe and losses.
    CalcState calc;
    ResultText::Panels panels; // pipe, d, w and R as the main window shows them
    long double gradientLoss = 0; // R·l, Pa
    long double fittingsLoss = 0; // Z, Pa
    long double loss = 0; // Δp, Pa
    long double runningLoss = 0; // Σ Δp from the heat generator to its end, Pa
    long double pathLoss = 0; // consumers: runningLoss + the consumer's own loss, Pa

    // Hydraulic balancing, consumers only.
    int valve = 0; // valve series, 0: none
    long double valveMinimum = 0; // least pressure drop of its valve, Pa
    long double valveLoss = 0; // pressure drop its valve takes, Pa
    long double kvRequired = 0; // m³/h
    int presetting = -1; // step index in the series, -1 none
    long double kv = 0; // the step's kv, m³/h
    long double deviation = 0; // flow at that step against the one wanted, %
    long double excess = 0; // without a valve: the pressure to throttle elsewhere, Pa

    bool computed() const { return !empty && reason.isEmpty(); }
    long double volumeFlowPerHour() const { return calc.volumeFlow * 3600.0L; }
};

// The section's pipe and losses with the heat output given (as typed or
// summed) and the temperature difference (as typed); the reasons are those of
// the CSV batch. Nothing of the network.
Row compute(const Section& section, const QString& heatOutput, const QString& temperatureDifference,
    const SettingsRecord& settings, const PipeCatalogue& catalogue);

// The step of a valve series nearest to kvRequired on a logarithmic scale
// (smallest |ln(kv / kvRequired)|; a tie goes to the larger kv).
int nearestStep(const QList<double>& kv, long double kvRequired);

struct Totals {
    long double criticalLoss = 0; // the critical consumer's path loss with its valve's least loss, Pa
    int criticalConsumer = -1; // its row, -1 when none was computed
    long double extraLoss = 0; // Pa
    bool extraOk = true; // the further losses read as a number
    long double minValveLoss = DefaultMinValveLoss; // in use, Pa
    bool minValveOk = true; // the document's reads as a number
    long double pumpPressure = 0; // criticalLoss + extraLoss, Pa
    long double head = 0; // m
    bool headOk = false; // computed (extra losses readable, ρ not 0)
    long double volumeFlow = 0; // the sections at the heat generator together, m³/h
    int computed = 0;
    int notComputed = 0; // typed rows not computed
};

// The whole network computed: its rows and the totals.
struct Evaluation {
    QList<Row> rows;
    Totals totals;
    // Each row's pipe as compute() gave it and the section it was sized for
    // (with its heat output): taken over by the next evaluation.
    QList<Row> pipes;
    QList<Section> sized;
};

// Computes every row; the pipes of `previous` (aligned with the sections)
// are taken over where a section and its heat output are unchanged, so that
// one edited cell sizes few pipes again. Pass no previous evaluation when
// the constants, the catalogue or the temperature difference changed.
Evaluation evaluate(const Document& document, const SettingsRecord& settings, const PipeCatalogue& catalogue,
    const ValveCatalogue& valves, const Evaluation* previous = nullptr);

} // namespace Circuit
