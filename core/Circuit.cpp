#include "core/Circuit.h"

#include "core/NumberText.h"
#include "core/TypedInputs.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace Circuit
{

bool Section::isEmpty() const
{
    for (const QString* field : { &name, &heatOutput, &length, &zeta, &innerDiameter, &consumerLoss })
        if (!field->trimmed().isEmpty()) return false;
    return true;
}

namespace
{

    // A Vorgänger as a row index; nullopt when the text is no row number.
    std::optional<int> rowOf(const QString& predecessor)
    {
        const std::optional<int> number = NumberText::readInteger(predecessor.trimmed());
        if (!number || *number < 1) return std::nullopt;
        return *number - 1;
    }

    QString numberText(int row)
    {
        return QString::number(row + 1);
    }

    // Applies `renumber` (old row index to new, -1 for none) to every Vorgänger.
    template <typename Renumber> void renumberAll(QList<Section>& sections, Renumber renumber)
    {
        for (Section& s : sections) {
            const std::optional<int> row = rowOf(s.predecessor);
            if (!row) continue;
            const int to = renumber(*row);
            s.predecessor = to < 0 ? QString() : numberText(to);
        }
    }

} // namespace

void makeChain(QList<Section>& sections)
{
    int above = -1;
    for (int i = 0; i < sections.size(); ++i) {
        if (sections[i].isEmpty()) continue;
        sections[i].predecessor = above < 0 ? QString() : numberText(above);
        above = i;
    }
}

void insertSection(QList<Section>& sections, int row, const Section& section)
{
    renumberAll(sections, [row](int r) { return r >= row ? r + 1 : r; });
    sections.insert(row, section);
}

Removed removeSection(QList<Section>& sections, int row)
{
    Removed removed { row, sections.takeAt(row), {} };
    const std::optional<int> up = rowOf(removed.section.predecessor);
    for (int i = 0; i < sections.size(); ++i)
        if (rowOf(sections[i].predecessor) == row) removed.successors.append(i);
    // Its successors hang from its own Vorgänger; the rows below move up.
    const int above = up && *up != row ? (*up > row ? *up - 1 : *up) : -1;
    renumberAll(sections, [row, above](int r) { return r == row ? above : r > row ? r - 1 : r; });
    return removed;
}

void restoreSection(QList<Section>& sections, const Removed& removed)
{
    insertSection(sections, removed.row, removed.section);
    for (const int successor : removed.successors) {
        const int at = successor >= removed.row ? successor + 1 : successor;
        if (at < sections.size()) sections[at].predecessor = numberText(removed.row);
    }
}

void swapSections(QList<Section>& sections, int row)
{
    if (row < 0 || row + 1 >= sections.size()) return;
    renumberAll(sections, [row](int r) { return r == row ? row + 1 : r == row + 1 ? row : r; });
    sections.swapItemsAt(row, row + 1);
}

Row compute(const Section& section, const QString& heatOutput, const QString& temperatureDifference,
    const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    Row row;
    row.empty = section.isEmpty();
    if (row.empty) return row;
    row.heatOutput = heatOutput;

    const TypedInputs::Number length = TypedInputs::number(section.length);
    const TypedInputs::Number zeta = TypedInputs::number(section.zeta);
    if (!length.ok) {
        row.reason = QStringLiteral("Fehlerhafte Eingabe! (Länge)");
        return row;
    }
    if (!zeta.ok) {
        row.reason = QStringLiteral("Fehlerhafte Eingabe! (Σζ)");
        return row;
    }
    const TypedInputs::Outcome outcome = TypedInputs::evaluate(
        { heatOutput, temperatureDifference, QString::number(section.material), section.innerDiameter }, settings,
        catalogue);
    if (!outcome.computed()) {
        row.reason = outcome.reason;
        return row;
    }
    if (length.text.isEmpty()) {
        row.reason = QStringLiteral("Länge fehlt");
        return row;
    }
    row.calc = outcome.calc;
    row.panels = ResultText::panels(row.calc, settings, catalogue);
    const long double w = row.calc.velocity;
    row.gradientLoss = row.calc.pressureGradient * length.value;
    row.fittingsLoss = zeta.value * settings.densityInUse / 2 * w * w;
    row.loss = row.gradientLoss + row.fittingsLoss;
    return row;
}

namespace
{

    // The network's shape: each row's Vorgänger, or why it has none that
    // counts, and the rows in an order where every row comes after its
    // Vorgänger.
    struct Shape {
        QList<int> predecessor; // -1: at the heat generator
        QStringList fault; // the row's own fault in its Vorgänger
        QList<QList<int>> successors;
        QList<int> order; // the rows reached from the heat generator
        QList<bool> reached;
    };

    Shape shape(const QList<Section>& sections)
    {
        const int n = int(sections.size());
        Shape s;
        s.predecessor.fill(-1, n);
        s.fault.resize(n);
        s.successors.resize(n);
        s.reached.fill(false, n);
        for (int i = 0; i < n; ++i) {
            const QString text = sections[i].predecessor.trimmed();
            if (sections[i].isEmpty() || text.isEmpty()) continue;
            const std::optional<int> up = rowOf(text);
            if (!up || *up >= n || sections[*up].isEmpty())
                s.fault[i] = QStringLiteral("Vorgänger %1 gibt es nicht").arg(text);
            else if (*up == i)
                s.fault[i] = QStringLiteral("Vorgänger ist die Zeile selbst");
            else
                s.predecessor[i] = *up;
            if (s.predecessor[i] >= 0) s.successors[*up].append(i);
        }
        // Rows on a circle of Vorgänger: followed upwards, a row comes back.
        enum { Unseen, OnWay, Done };
        std::vector<int> state(std::size_t(n), Unseen);
        for (int start = 0; start < n; ++start) {
            QList<int> way;
            int i = start;
            while (i >= 0 && state[std::size_t(i)] == Unseen) {
                state[std::size_t(i)] = OnWay;
                way.append(i);
                i = s.predecessor[i];
            }
            if (i >= 0 && state[std::size_t(i)] == OnWay)
                for (qsizetype k = way.indexOf(i); k < way.size(); ++k)
                    s.fault[way[k]] = QStringLiteral("Vorgänger schließen einen Kreis");
            for (const int w : way)
                state[std::size_t(w)] = Done;
        }
        // From the heat generator down, breadth first.
        for (int i = 0; i < n; ++i)
            if (!sections[i].isEmpty() && s.fault[i].isEmpty() && s.predecessor[i] < 0) {
                s.order.append(i);
                s.reached[i] = true;
            }
        for (qsizetype k = 0; k < s.order.size(); ++k)
            for (const int next : s.successors[s.order[k]])
                if (s.fault[next].isEmpty() && !s.reached[next]) {
                    s.reached[next] = true;
                    s.order.append(next);
                }
        return s;
    }

    // A heat output summed from the successors, as the input rules read it.
    QString heatText(long double kilowatts)
    {
        QString text = QString::number(double(kilowatts), 'g', 15);
        text.replace(u'.', u',');
        return text;
    }

} // namespace

int nearestStep(const QList<double>& kv, long double kvRequired)
{
    int best = -1;
    long double distance = 0;
    for (int k = 0; k < kv.size(); ++k) {
        if (!(kv[k] > 0) || !(kvRequired > 0)) continue;
        const long double d = std::fabs(std::log(kv[k] / kvRequired));
        // Ascending steps: an equal distance later is the larger kv.
        if (best < 0 || d <= distance) {
            best = k;
            distance = d;
        }
    }
    return best;
}

Evaluation evaluate(const Document& document, const SettingsRecord& settings, const PipeCatalogue& catalogue,
    const ValveCatalogue& valves, const Evaluation* previous)
{
    const QList<Section>& sections = document.sections;
    const int n = int(sections.size());
    const Shape net = shape(sections);
    const bool reuse = previous && previous->rows.size() == n && previous->sized.size() == n;

    // Heat outputs from the consumers up: as typed, or the successors' sum.
    QList<std::optional<long double>> heat(n);
    QStringList heatTexts(n);
    QList<bool> summed(n, false);
    QList<QStringList> hints(n);
    for (qsizetype k = net.order.size() - 1; k >= 0; --k) {
        const int i = net.order[k];
        std::optional<long double> sum = 0;
        bool any = false;
        for (const int next : net.successors[i]) {
            if (!net.reached[next]) continue;
            any = true;
            sum = sum && heat[next] ? std::optional(*sum + *heat[next]) : std::nullopt;
        }
        const QString typed = sections[i].heatOutput.trimmed();
        if (!typed.isEmpty() || !any) {
            heatTexts[i] = typed;
            const TypedInputs::Number number = TypedInputs::number(typed);
            if (number.ok && !typed.isEmpty()) heat[i] = number.value;
            if (heat[i] && any && sum && *heat[i] < *sum)
                hints[i].append(QStringLiteral("Leistung kleiner als die Summe der Nachfolger (%1 kW)")
                                    .arg(NumberText::grouped(*sum, 2)));
        } else if (sum) {
            heat[i] = *sum;
            heatTexts[i] = heatText(*sum);
            summed[i] = true;
        } else {
            summed[i] = true; // a successor's heat output is missing
        }
    }

    Evaluation e;
    e.rows.resize(n);
    e.pipes.resize(n);
    e.sized.resize(n);
    for (int i = 0; i < n; ++i) {
        // What sizes the pipe: the section with its heat output.
        Section& sized = e.sized[i];
        sized = sections[i];
        sized.heatOutput = heatTexts[i];
        sized.name.clear();
        sized.predecessor.clear();
        sized.consumerLoss.clear();
        sized.valve.clear();
        Row& row = e.rows[i];
        if (sections[i].isEmpty()) {
            row = Row {};
        } else if (!net.reached[i]) {
            row.empty = false;
            row.reason = net.fault[i].isEmpty() ? QStringLiteral("Vorgänger nicht berechnet") : net.fault[i];
        } else if (summed[i] && !heat[i]) {
            row.empty = false;
            row.reason = QStringLiteral("Leistung eines Nachfolgers fehlt");
        } else {
            Row& pipe = e.pipes[i];
            pipe = reuse && previous->sized[i] == sized && !previous->pipes[i].empty
                ? previous->pipes[i]
                : compute(sections[i], heatTexts[i], document.temperatureDifference, settings, catalogue);
            row = pipe;
        }
        row.predecessor = net.predecessor[i];
        row.consumer = !row.empty && net.successors[i].isEmpty();
        row.heatOutput = heatTexts[i];
        row.heatOutputSummed = summed[i];
        row.hints += hints[i];
    }

    // Losses from the heat generator down; below a row not computed nothing is.
    for (const int i : std::as_const(net.order)) {
        Row& row = e.rows[i];
        const int up = row.predecessor;
        if (up >= 0 && !e.rows[up].computed() && row.reason.isEmpty())
            row.reason = QStringLiteral("Vorgänger nicht berechnet");
        if (!row.computed()) continue;
        row.runningLoss = (up >= 0 ? e.rows[up].runningLoss : 0) + row.loss;
        const TypedInputs::Number own = TypedInputs::number(sections[i].consumerLoss);
        const QString valve = sections[i].valve.trimmed();
        if (row.consumer) {
            if (!own.ok)
                row.reason = QStringLiteral("Fehlerhafte Eingabe! (Δp Verbr.)");
            else
                row.pathLoss = row.runningLoss + own.value;
            if (!valve.isEmpty()) {
                const std::optional<int> number = NumberText::readInteger(valve);
                if (number && valves.contains(*number) && !valves.series(*number).steps.isEmpty())
                    row.valve = *number;
                else if (row.reason.isEmpty())
                    row.reason = QStringLiteral("Ventil %1 gibt es nicht").arg(valve);
            }
        } else {
            if (!own.text.isEmpty())
                row.hints.append(QStringLiteral("Δp Verbr. gilt nur für einen Verbraucher (Strangende)"));
            if (!valve.isEmpty())
                row.hints.append(QStringLiteral("Ventil gilt nur für einen Verbraucher (Strangende)"));
        }
    }

    // Each valve's least pressure drop: fully preset, and for good control
    // not less than the minimum.
    Totals& t = e.totals;
    const TypedInputs::Number minimum = TypedInputs::number(document.minValveLoss);
    t.minValveOk = minimum.ok;
    t.minValveLoss = minimum.ok && !minimum.text.isEmpty() ? minimum.value : DefaultMinValveLoss;
    for (Row& row : e.rows) {
        if (!row.computed() || !row.consumer || !row.valve) continue;
        const long double fullKv = valves.kvValues(row.valve).last();
        const long double flow = row.volumeFlowPerHour();
        const long double full = fullKv > 0 ? Bar * (flow / fullKv) * (flow / fullKv) : 0;
        row.valveMinimum = std::max(full, t.minValveLoss);
    }

    // The critical consumer: the largest path loss with its valve, the first
    // of equals.
    for (int i = 0; i < n; ++i) {
        const Row& row = e.rows[i];
        if (row.empty) continue;
        if (!row.computed()) {
            ++t.notComputed;
            continue;
        }
        ++t.computed;
        if (row.predecessor < 0) t.volumeFlow += row.volumeFlowPerHour();
        const long double needs = row.pathLoss + row.valveMinimum;
        if (row.consumer && (t.criticalConsumer < 0 || needs > t.criticalLoss)) {
            t.criticalConsumer = i;
            t.criticalLoss = needs;
        }
    }
    for (int i = t.criticalConsumer; i >= 0; i = e.rows[i].predecessor)
        e.rows[i].critical = true;

    const TypedInputs::Number extra = TypedInputs::number(document.extraLoss);
    t.extraOk = extra.ok;
    t.extraLoss = extra.value;
    t.pumpPressure = t.criticalLoss + t.extraLoss;
    const long double weight = settings.densityInUse * Gravity;
    t.headOk = extra.ok && weight != 0;
    if (t.headOk) t.head = t.pumpPressure / weight;

    // Every valve takes what its path leaves of the pump's pressure.
    for (Row& row : e.rows) {
        if (!row.computed() || !row.consumer) continue;
        const long double left = t.criticalLoss - row.pathLoss;
        if (!row.valve) {
            row.excess = left;
            if (std::llround(left) > 0)
                row.hints.append(QStringLiteral("kein voreinstellbares Ventil: %1 Pa an anderer Stelle drosseln")
                                     .arg(NumberText::grouped(left, 0)));
            continue;
        }
        row.valveLoss = std::max(left, row.valveMinimum);
        if (!(row.valveLoss > 0)) continue;
        const long double flow = row.volumeFlowPerHour();
        row.kvRequired = flow / std::sqrt(row.valveLoss / Bar);
        const QList<double>& kv = valves.kvValues(row.valve);
        row.presetting = nearestStep(kv, row.kvRequired);
        if (row.presetting < 0) continue;
        row.kv = kv[row.presetting];
        row.deviation = (row.kv / row.kvRequired - 1) * 100;
        if (row.kvRequired < kv.first())
            row.hints.append(QStringLiteral("Voreinstellung reicht nicht: Differenzdruckregler vorsehen"));
        if (row.valveLoss > NoisyValveLoss)
            row.hints.append(QStringLiteral("Δp am Ventil über 20 kPa: Strömungsgeräusche möglich"));
    }
    return e;
}

} // namespace Circuit
