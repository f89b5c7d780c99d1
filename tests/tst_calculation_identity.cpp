// The calculation against its plain form (ReferenceCalculation.h): on a few
// hundred thousand generated inputs both must store the same bits in every
// field of the state and end with the same fault.
#include "ReferenceCalculation.h"

#include "core/Calculation.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace
{

enum class Inputs {
    StandardTable, // the water table by temperature, standard roughness and limits
    RandomProperties, // water, roughness and limits anywhere in a plausible range
    ManualDiameters, // typed diameters and catalogue values
    Faults, // a constant or an input that ends in an arithmetic fault
    FrictionFactor, // LAMBDA alone, far beyond the usual Reynolds numbers
};

constexpr float Differences[] = { 5, 6, 10, 12, 15, 20 };

class Generator
{
public:
    Generator(std::uint32_t seed, const PipeCatalogue& catalogue)
        : random_(seed)
        , catalogue_(catalogue)
    {
    }

    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    double logUniform(double low, double high) { return std::exp(uniform(std::log(low), std::log(high))); }
    int integer(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(double p) { return uniform(0, 1) < p; }

    void standardTable(SettingsRecord& settings)
    {
        settings.applyStandardValues(false);
        const int k = integer(1, 7);
        settings.densityInUse = settings.densityAt(k);
        settings.heatCapacityInUse = settings.heatCapacityAt(k);
        settings.viscosityInUse = settings.viscosityAt(k);
    }

    void randomProperties(SettingsRecord& settings)
    {
        settings.applyStandardValues(false);
        settings.densityInUse = float(uniform(950, 1005));
        settings.heatCapacityInUse = float(uniform(4100, 4300));
        settings.viscosityInUse = float(logUniform(0.25, 2));
        for (int m = 1; m <= 10; ++m)
            settings.roughnessAt(m) = float(logUniform(0.0005, 1));
        settings.rMax = chance(0.05) ? 0.0f : float(logUniform(5, 2000));
        settings.wMax = chance(0.05) ? 0.0f : float(uniform(0.1, 5));
    }

    // A state as earlier calculations may have left it.
    CalcState state()
    {
        CalcState s;
        s.heatOutput = float(logUniform(1, 1e8));
        s.temperatureDifference = chance(0.5) ? Differences[integer(0, 5)] : float(logUniform(0.01, 100));
        s.material = integer(1, 10);
        s.manualDiameter = float(logUniform(1, 500));
        s.selectedPipe = integer(1, 20);
        for (float* field : { &s.massFlow, &s.volumeFlow, &s.diameter, &s.velocity, &s.reynolds, &s.pressureGradient })
            *field = float(uniform(-10, 10));
        return s;
    }

    float manualDiameter()
    {
        if (chance(0.5)) return float(logUniform(0.5, 1000));
        const int m = integer(1, 10);
        return catalogue_.innerDiameter(m, integer(1, catalogue_.pipeCount(m)));
    }

    // One of the ways to an arithmetic fault (a few of them end without one).
    void breakSomething(CalcState& s, SettingsRecord& settings)
    {
        constexpr float Nan = std::numeric_limits<float>::quiet_NaN();
        constexpr float Inf = std::numeric_limits<float>::infinity();
        const float bad[] = { 0.0f, 0.0f, Nan, Inf, -1.0f, 1e-40f };
        const float value = bad[integer(0, 5)];
        switch (integer(0, 6)) {
        case 0:
            settings.densityInUse = value;
            break;
        case 1:
            settings.heatCapacityInUse = value;
            break;
        case 2:
            settings.viscosityInUse = value;
            break;
        case 3:
            settings.roughnessAt(s.material) = value;
            break;
        case 4: // a diameter so small that w overflows
            s.manualMode = true;
            s.manualDiameter = float(logUniform(1e-38, 1e-12));
            break;
        case 5: // ṁ beyond the float range
            s.temperatureDifference = float(logUniform(1e-38, 1e-30));
            break;
        default:
            s.material = chance(0.5) ? 0 : 11; // outside the table
            s.manualMode = chance(0.5);
            break;
        }
    }

private:
    std::mt19937 random_;
    const PipeCatalogue& catalogue_;
};

bool sameBits(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// The first field in which the two states differ, or "".
QString firstDifference(const CalcState& a, const CalcState& b)
{
    static const std::pair<const char*, float CalcState::*> floats[] = {
        { "heatOutput", &CalcState::heatOutput },
        { "temperatureDifference", &CalcState::temperatureDifference },
        { "manualDiameter", &CalcState::manualDiameter },
        { "massFlow", &CalcState::massFlow },
        { "volumeFlow", &CalcState::volumeFlow },
        { "diameter", &CalcState::diameter },
        { "velocity", &CalcState::velocity },
        { "reynolds", &CalcState::reynolds },
        { "pressureGradient", &CalcState::pressureGradient },
    };
    for (const auto& [name, field] : floats)
        if (!sameBits(a.*field, b.*field))
            return QStringLiteral("%1: %2 vs %3")
                .arg(QLatin1StringView(name))
                .arg(a.*field, 0, 'g', 9)
                .arg(b.*field, 0, 'g', 9);
    if (a.material != b.material) return QStringLiteral("material");
    if (a.manualMode != b.manualMode) return QStringLiteral("manualMode");
    if (a.selectedPipe != b.selectedPipe) return QStringLiteral("selectedPipe");
    return {};
}

QString describe(const CalcState& s, const SettingsRecord& settings)
{
    return QStringLiteral("Q %1 W, dT %2 K, material %3, manual %4 (%5 mm), rho %6, c %7, nu %8, eps %9, d %10, w %11")
        .arg(s.heatOutput, 0, 'g', 9)
        .arg(s.temperatureDifference, 0, 'g', 9)
        .arg(s.material)
        .arg(s.manualMode)
        .arg(s.manualDiameter, 0, 'g', 9)
        .arg(settings.densityInUse, 0, 'g', 9)
        .arg(settings.heatCapacityInUse, 0, 'g', 9)
        .arg(settings.viscosityInUse, 0, 'g', 9)
        .arg(SettingsRecord::validMaterial(s.material) ? settings.roughnessAt(s.material) : 0.0f, 0, 'g', 9)
        .arg(s.diameter, 0, 'g', 9)
        .arg(s.velocity, 0, 'g', 9);
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class TestCalculationIdentity : public QObject
{
    Q_OBJECT

private:
    PipeCatalogue catalogue;

private Q_SLOTS:
    void initTestCase() { catalogue.fill(); }

    void sameBitsAsTheTenIterationLoop_data()
    {
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("count");
        QTest::newRow("standard table") << Inputs::StandardTable << 1u << 70000;
        QTest::newRow("random water, roughness and limits") << Inputs::RandomProperties << 2u << 70000;
        QTest::newRow("manual diameters") << Inputs::ManualDiameters << 3u << 40000;
        QTest::newRow("arithmetic faults") << Inputs::Faults << 4u << 20000;
        QTest::newRow("friction factor alone") << Inputs::FrictionFactor << 5u << 40000;
    }
    void sameBitsAsTheTenIterationLoop()
    {
        QFETCH(Inputs, inputs);
        QFETCH(uint, seed);
        QFETCH(int, count);
        Generator generate(seed, catalogue);
        int faults = 0;
        for (int n = 0; n < count; ++n) {
            SettingsRecord settings {};
            CalcState state = generate.state();
            switch (inputs) {
            case Inputs::StandardTable:
                generate.standardTable(settings);
                break;
            case Inputs::RandomProperties:
                generate.randomProperties(settings);
                break;
            case Inputs::ManualDiameters:
                generate.chance(0.5) ? generate.standardTable(settings) : generate.randomProperties(settings);
                state.manualMode = true;
                state.manualDiameter = generate.manualDiameter();
                break;
            case Inputs::Faults:
                generate.chance(0.5) ? generate.standardTable(settings) : generate.randomProperties(settings);
                state.manualMode = generate.chance(0.3);
                generate.breakSomething(state, settings);
                break;
            case Inputs::FrictionFactor:
                generate.randomProperties(settings);
                state.diameter = float(generate.logUniform(0.1, 2000));
                state.velocity = float(generate.logUniform(1e-6, 100));
                break;
            }

            const CalcState input = state;
            CalcState expected = state;
            ArithmeticFault expectedFault;
            ArithmeticFault fault;
            float expectedLambda = 0;
            float lambda = 0;
            if (inputs == Inputs::FrictionFactor) {
                expectedFault = ReferenceCalculation::LAMBDA(expected, settings, expectedLambda);
                fault = Calculation::LAMBDA(state, settings, lambda);
            } else {
                expectedFault = ReferenceCalculation::Berechnen(expected, settings, catalogue);
                fault = Calculation::Berechnen(state, settings, catalogue);
            }
            faults += fault != ArithmeticFault::None;

            QString difference = firstDifference(state, expected);
            if (fault != expectedFault)
                difference = QStringLiteral("fault %1 vs %2").arg(int(fault)).arg(int(expectedFault));
            else if (!sameBits(lambda, expectedLambda))
                difference = QStringLiteral("lambda %1 vs %2").arg(lambda, 0, 'g', 9).arg(expectedLambda, 0, 'g', 9);
            if (!difference.isEmpty())
                QFAIL(
                    qPrintable(QStringLiteral("input %1 (%2): %3").arg(n).arg(describe(input, settings), difference)));
        }
        // The generated inputs reach both outcomes where they should.
        if (inputs == Inputs::Faults)
            QVERIFY2(faults > count / 2, qPrintable(QString::number(faults)));
        else if (inputs != Inputs::FrictionFactor)
            QVERIFY2(faults < count / 100, qPrintable(QString::number(faults)));
    }
};

QTEST_APPLESS_MAIN(TestCalculationIdentity)
#include "tst_calculation_identity.moc"
