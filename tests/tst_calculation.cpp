#include "core/Calculation.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace
{

SettingsRecord standardSettings()
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    return record;
}

CalcState workedExample()
{
    CalcState state;
    state.heatOutput = 10000;
    state.temperatureDifference = 15;
    state.material = 1;
    return state;
}

bool near(double actual, double expected, double tolerance)
{
    return std::fabs(actual - expected) <= tolerance;
}

} // namespace

class TestCalculation : public QObject
{
    Q_OBJECT

private:
    PipeCatalogue catalogue;

private Q_SLOTS:
    void initTestCase() { catalogue.fill(); }

    void workedExampleSelectsDn25()
    {
        CalcState state = workedExample();
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::None);
        QVERIFY(near(state.massFlow, 0.15930, 0.000005));
        QVERIFY(near(state.volumeFlow, 1.6202e-4, 0.00005e-4));
        QCOMPARE(state.selectedPipe, 4);
        QCOMPARE(state.diameter, 27.2f);
        QCOMPARE(state.manualDiameter, 27.2f);
        QVERIFY(near(state.velocity, 0.279, 0.0005));
        QVERIFY(near(state.reynolds, 15800, 50));
        QVERIFY(near(state.pressureGradient, 42.7, 0.05));
    }

    // The worked example evaluated pipe by pipe, each pipe as a manual diameter.
    void workedExamplePipeByPipe_data()
    {
        QTest::addColumn<float>("diameter");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("velocityTolerance");
        QTest::addColumn<double>("gradient");
        QTest::addColumn<double>("gradientTolerance");
        QTest::newRow("DN 10") << 12.5f << 1.320 << 0.0005 << 2099.0 << 0.5;
        QTest::newRow("DN 15") << 16.0f << 0.806 << 0.0005 << 598.5 << 0.05;
        QTest::newRow("DN 20") << 21.6f << 0.442 << 0.0005 << 133.0 << 0.5;
        QTest::newRow("DN 25") << 27.2f << 0.279 << 0.0005 << 42.7 << 0.05;
    }
    void workedExamplePipeByPipe()
    {
        QFETCH(float, diameter);
        QFETCH(double, velocity);
        QFETCH(double, velocityTolerance);
        QFETCH(double, gradient);
        QFETCH(double, gradientTolerance);
        CalcState state = workedExample();
        state.manualMode = true;
        state.manualDiameter = diameter;
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::None);
        QCOMPARE(state.diameter, diameter);
        QVERIFY2(near(state.velocity, velocity, velocityTolerance), qPrintable(QString::number(state.velocity)));
        QVERIFY2(near(state.pressureGradient, gradient, gradientTolerance),
            qPrintable(QString::number(state.pressureGradient)));
        QCOMPARE(state.selectedPipe, 1); // manual mode leaves the selection alone
    }

    void firstPipeOfTheWorkedExample()
    {
        CalcState state = workedExample();
        state.manualMode = true;
        state.manualDiameter = 12.5f;
        SettingsRecord settings = standardSettings();
        QCOMPARE(Calculation::Berechnen(state, settings, catalogue), ArithmeticFault::None);
        QVERIFY(near(state.reynolds, 34382, 1));
        float lambda = 0;
        QCOMPARE(Calculation::LAMBDA(state, settings, lambda), ArithmeticFault::None);
        QVERIFY(near(lambda, 0.0306, 0.00005));
    }

    // Exact roots of Colebrook–White (3.71 form), computed independently.
    void frictionFactorAgainstColebrookRoots_data()
    {
        QTest::addColumn<float>("diameter");
        QTest::addColumn<float>("velocity");
        QTest::addColumn<float>("roughness");
        QTest::addColumn<double>("lambda");
        // d = 100 mm and ν = 1 mm²/s: Re = 100 000 · w; k/d = ε / 100.
        QTest::newRow("Re 4000, k/d 1.25e-4") << 100.0f << 0.04f << 0.0125f << 0.04003341;
        QTest::newRow("Re 1e5, k/d 1e-4") << 100.0f << 1.0f << 0.01f << 0.01851250;
        QTest::newRow("Re 1e6, k/d 5e-3") << 100.0f << 10.0f << 0.5f << 0.03044041;
    }
    void frictionFactorAgainstColebrookRoots()
    {
        QFETCH(float, diameter);
        QFETCH(float, velocity);
        QFETCH(float, roughness);
        QFETCH(double, lambda);
        SettingsRecord settings = standardSettings();
        settings.viscosityInUse = 1.0f;
        settings.roughnessAt(3) = roughness;
        CalcState state;
        state.material = 3;
        state.diameter = diameter;
        state.velocity = velocity;
        float computed = 0;
        QCOMPARE(Calculation::LAMBDA(state, settings, computed), ArithmeticFault::None);
        QVERIFY2(std::fabs(computed - lambda) <= 2e-6 * lambda, qPrintable(QString::number(computed, 'g', 9)));
    }

    // A published pressure-loss table for steel pipe (k = 0,045 mm, water at
    // 20 °C); the table runs a few per cent above exact Colebrook.
    void publishedPressureLossTable_data()
    {
        QTest::addColumn<float>("bore");
        QTest::addColumn<double>("litresPerSecond");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("gradient");
        QTest::newRow("12,5 mm, 0,03 l/s") << 12.5f << 0.03 << 0.24 << 114.55;
        QTest::newRow("12,5 mm, 0,10 l/s") << 12.5f << 0.10 << 0.81 << 981.08;
        QTest::newRow("12,5 mm, 0,14 l/s") << 12.5f << 0.14 << 1.14 << 1818.97;
        QTest::newRow("15,8 mm, 0,03 l/s") << 15.8f << 0.03 << 0.153 << 36.98;
        QTest::newRow("15,8 mm, 0,10 l/s") << 15.8f << 0.10 << 0.51 << 312.28;
        QTest::newRow("15,8 mm, 0,12 l/s") << 15.8f << 0.12 << 0.61 << 437.85;
    }
    void publishedPressureLossTable()
    {
        QFETCH(float, bore);
        QFETCH(double, litresPerSecond);
        QFETCH(double, velocity);
        QFETCH(double, gradient);
        SettingsRecord settings = standardSettings();
        settings.densityInUse = 998.3f;
        settings.viscosityInUse = 1.004f;
        settings.heatCapacityInUse = 1.0f; // so that Q in W is the mass flow in kg/s
        CalcState state;
        state.material = 3;
        state.manualMode = true;
        state.manualDiameter = bore;
        state.temperatureDifference = 1;
        state.heatOutput = float(litresPerSecond / 1000 * 998.3);
        QCOMPARE(Calculation::Berechnen(state, settings, catalogue), ArithmeticFault::None);
        QVERIFY2(std::fabs(state.velocity - velocity) <= 0.01 * velocity + 0.005,
            qPrintable(QString::number(state.velocity)));
        QVERIFY2(std::fabs(state.pressureGradient - gradient) <= 0.06 * gradient,
            qPrintable(QString::number(state.pressureGradient)));
    }

    void walkEndsAtTheLastPipe_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<int>("lastPipe");
        QTest::addColumn<float>("lastDiameter");
        QTest::newRow("medium threaded") << 1 << 12 << 155.4f;
        QTest::newRow("heavy threaded") << 2 << 12 << 154.3f;
        QTest::newRow("seamless") << 3 << 12 << 388.8f;
        QTest::newRow("welded") << 4 << 12 << 393.8f;
        QTest::newRow("copper") << 5 << 13 << 103.0f;
        QTest::newRow("precision") << 6 << 8 << 51.0f;
    }
    void walkEndsAtTheLastPipe()
    {
        QFETCH(int, material);
        QFETCH(int, lastPipe);
        QFETCH(float, lastDiameter);
        CalcState state = workedExample();
        state.heatOutput = 1.0e8f; // 100 000 kW
        state.material = material;
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::None);
        QCOMPARE(state.selectedPipe, lastPipe);
        QCOMPARE(state.diameter, lastDiameter);
        QVERIFY(state.pressureGradient > 100 || state.velocity > 2);
    }

    void zeroLimitsRejectEveryPipe_data()
    {
        QTest::addColumn<float>("rMax");
        QTest::addColumn<float>("wMax");
        QTest::newRow("R max 0") << 0.0f << 2.0f;
        QTest::newRow("w max 0") << 100.0f << 0.0f;
        QTest::newRow("both 0") << 0.0f << 0.0f;
    }
    void zeroLimitsRejectEveryPipe()
    {
        QFETCH(float, rMax);
        QFETCH(float, wMax);
        SettingsRecord settings = standardSettings();
        settings.rMax = rMax;
        settings.wMax = wMax;
        CalcState state = workedExample();
        QCOMPARE(Calculation::Berechnen(state, settings, catalogue), ArithmeticFault::None);
        QCOMPARE(state.selectedPipe, 12);
        QCOMPARE(state.diameter, 155.4f);
    }

    void limitsAreStrict()
    {
        SettingsRecord settings = standardSettings();
        CalcState state = workedExample();
        QCOMPARE(Calculation::Berechnen(state, settings, catalogue), ArithmeticFault::None);
        QCOMPARE(state.selectedPipe, 4);

        settings.rMax = state.pressureGradient; // R equal to R max is passed over
        state = workedExample();
        QCOMPARE(Calculation::Berechnen(state, settings, catalogue), ArithmeticFault::None);
        QCOMPARE(state.selectedPipe, 5);

        settings = standardSettings();
        CalcState probe = workedExample();
        probe.manualMode = true;
        probe.manualDiameter = 21.6f;
        QCOMPARE(Calculation::Berechnen(probe, settings, catalogue), ArithmeticFault::None);
        settings.rMax = 1000;
        settings.wMax = probe.velocity; // w equal to w max is passed over too
        state = workedExample();
        QCOMPARE(Calculation::Berechnen(state, settings, catalogue), ArithmeticFault::None);
        QCOMPARE(state.selectedPipe, 4);
    }

    void manualModeKeepsSelectionAndUsesTheDiameter()
    {
        CalcState state = workedExample();
        state.manualMode = true;
        state.manualDiameter = 16.0f;
        state.selectedPipe = 7;
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::None);
        QCOMPARE(state.selectedPipe, 7);
        QCOMPARE(state.diameter, 16.0f);
        QCOMPARE(state.manualDiameter, 16.0f);
    }

    // Materials 7..10 with the standard constants at 15 K. Expected values
    // from a separate double-precision Colebrook computation with the inner
    // diameter taken from each designation (outer - 2 x wall) and the
    // standard roughness 0.007, 0.0015, 0.025 and 0.007 mm.
    void newMaterialsSelectAndCompute_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<float>("kilowatts");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<float>("diameter");
        QTest::addColumn<double>("gradient");
        QTest::addColumn<double>("velocity");
        QTest::newRow("multilayer 10 kW") << 7 << 10.0f << QStringLiteral("32x3") << 26.0f << 48.71 << 0.305;
        QTest::newRow("stainless 10 kW") << 8 << 10.0f << QStringLiteral("28x1,2") << 25.6f << 51.65 << 0.315;
        QTest::newRow("carbon steel 10 kW") << 9 << 10.0f << QStringLiteral("28x1,5") << 25.0f << 61.67 << 0.330;
        QTest::newRow("carbon steel 30 kW") << 9 << 30.0f << QStringLiteral("42x1,5") << 39.0f << 51.49 << 0.407;
        QTest::newRow("PE-X 5 kW") << 10 << 5.0f << QStringLiteral("25x2,3") << 20.4f << 45.89 << 0.248;
        QTest::newRow("PE-X 30 kW, largest too small")
            << 10 << 30.0f << QStringLiteral("32x2,9") << 26.2f << 333.74 << 0.902;
    }
    void newMaterialsSelectAndCompute()
    {
        QFETCH(int, material);
        QFETCH(float, kilowatts);
        QFETCH(QString, designation);
        QFETCH(float, diameter);
        QFETCH(double, gradient);
        QFETCH(double, velocity);
        CalcState state = workedExample();
        state.heatOutput = kilowatts * 1000;
        state.material = material;
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::None);
        QCOMPARE(catalogue.designation(material, state.selectedPipe), designation);
        QCOMPARE(state.diameter, diameter);
        QVERIFY2(near(state.pressureGradient, gradient, 0.01), qPrintable(QString::number(state.pressureGradient)));
        QVERIFY2(near(state.velocity, velocity, 0.001), qPrintable(QString::number(state.velocity)));
    }

    void emptyMaterialComputesFlowsOnly()
    {
        PipeCatalogue empty = catalogue;
        empty.setSeries(8, { QStringLiteral("leer"), QStringLiteral("leer"), {} });
        CalcState state = workedExample();
        state.material = 8;
        state.velocity = 1.5f;
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), empty), ArithmeticFault::None);
        QCOMPARE(state.diameter, 0.0f);
        QCOMPARE(state.velocity, 1.5f);
        QVERIFY(state.massFlow > 0);
    }

    // A fault stops the calculation at its step; values of earlier steps are
    // stored, later ones keep what they held.
    void faultsStopAtTheirStep_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("lastStored");
        const int byZero = int(ArithmeticFault::DivisionByZero);
        const int invalid = int(ArithmeticFault::InvalidOperation);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        QTest::newRow("heat capacity 0") << QStringLiteral("c") << 0.0f << byZero << QString();
        QTest::newRow("density 0") << QStringLiteral("rho") << 0.0f << byZero << QStringLiteral("massFlow");
        QTest::newRow("viscosity 0") << QStringLiteral("nu") << 0.0f << byZero << QStringLiteral("velocity");
        QTest::newRow("roughness 0") << QStringLiteral("eps") << 0.0f << byZero << QStringLiteral("reynolds");
        QTest::newRow("density NaN") << QStringLiteral("rho") << nan << invalid << QStringLiteral("massFlow");
        QTest::newRow("heat capacity NaN") << QStringLiteral("c") << nan << invalid << QString();
        QTest::newRow("viscosity NaN") << QStringLiteral("nu") << nan << invalid << QStringLiteral("velocity");
        QTest::newRow("roughness NaN") << QStringLiteral("eps") << nan << invalid << QStringLiteral("reynolds");
        QTest::newRow("density infinite") << QStringLiteral("rho") << inf << byZero << QStringLiteral("reynolds");
        QTest::newRow("heat capacity infinite") << QStringLiteral("c") << inf << byZero << QStringLiteral("reynolds");
        QTest::newRow("roughness negative")
            << QStringLiteral("eps") << -0.045f << invalid << QStringLiteral("reynolds");
    }
    void faultsStopAtTheirStep()
    {
        QFETCH(QString, field);
        QFETCH(float, value);
        QFETCH(int, fault);
        QFETCH(QString, lastStored);
        SettingsRecord settings = standardSettings();
        if (field == u"c")
            settings.heatCapacityInUse = value;
        else if (field == u"rho")
            settings.densityInUse = value;
        else if (field == u"nu")
            settings.viscosityInUse = value;
        else
            settings.roughnessAt(1) = value;

        constexpr float Untouched = -7.0f;
        CalcState state = workedExample();
        state.massFlow = state.volumeFlow = state.velocity = state.reynolds = state.pressureGradient = Untouched;
        QCOMPARE(int(Calculation::Berechnen(state, settings, catalogue)), fault);

        const QStringList steps { QStringLiteral("massFlow"), QStringLiteral("volumeFlow"), QStringLiteral("velocity"),
            QStringLiteral("reynolds"), QStringLiteral("pressureGradient") };
        const float values[]
            = { state.massFlow, state.volumeFlow, state.velocity, state.reynolds, state.pressureGradient };
        const qsizetype stored = steps.indexOf(lastStored); // -1: nothing stored
        for (qsizetype i = 0; i < steps.size(); ++i) {
            QVERIFY2(std::isfinite(values[i]), qPrintable(steps[i]));
            QVERIFY2((values[i] != Untouched) == (i <= stored), qPrintable(steps[i]));
        }
    }

    void overflowingVelocityIsAFault()
    {
        CalcState state = workedExample();
        state.manualMode = true;
        state.manualDiameter = 1e-30f;
        QCOMPARE(Calculation::Berechnen(state, standardSettings(), catalogue), ArithmeticFault::Overflow);
        QVERIFY(std::isfinite(state.velocity));
    }

    void faultMessagesNameTheFault()
    {
        QCOMPARE(
            arithmeticFaultMessage(ArithmeticFault::DivisionByZero), QStringLiteral("Gleitkommadivision durch Null."));
        QCOMPARE(arithmeticFaultMessage(ArithmeticFault::InvalidOperation),
            QStringLiteral("Ungültige Gleitkommaoperation."));
        QCOMPARE(arithmeticFaultMessage(ArithmeticFault::Overflow), QStringLiteral("Gleitkommaüberlauf."));
    }
};

QTEST_APPLESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
