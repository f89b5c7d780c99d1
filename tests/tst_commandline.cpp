// The real fluvano executable run from the command line: a copy of it in a
// temporary folder with its settings file beside it, no display, no
// platform set.
#include "core/SettingsFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QByteArray Bom("\xEF\xBB\xBF");
const QString Header = QStringLiteral("Leistung_kW;Temperaturdifferenz_K;Material;Innen_mm;Bezeichnung;"
                                      "Innen-Nennweite_mm;R_Pa/m;V_m³/h;m_kg/h;w_m/s;Hinweis");

const QString WorkedExample = QStringLiteral("Leistung: 10 kW\n"
                                             "Temperaturdifferenz: 15 K\n"
                                             "Rohrmaterial: Mittelschweres Gewinderohr DIN 2440\n"
                                             "empfohlenes Rohr: DN 25\n"
                                             "Innen-Nennweite: 27,2 mm\n"
                                             "Rohrwiderstand R: 42,73 Pa/m\n"
                                             "Volumenstrom V: 0,583 m³/h\n"
                                             "Massenstrom m: 573 kg/h\n"
                                             "Geschwindigkeit w: 0,279 m/s\n");

SettingsRecord standardSettings()
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    return record;
}

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray outBytes; // as written, byte-order mark included
};

const QString qtConf = QFileInfo(QStringLiteral(FLUVANO_PROGRAM)).absolutePath() + QStringLiteral("/qt.conf");

// A copy of the program in its own folder, with or without a settings file.
class Installed
{
public:
    explicit Installed(const SettingsRecord* settings = nullptr, qint64 settingsSize = sizeof(SettingsRecord))
    {
        program = dir.filePath(QFileInfo(QStringLiteral(FLUVANO_PROGRAM)).fileName());
        QVERIFY(QFile::copy(QStringLiteral(FLUVANO_PROGRAM), program));
        // A Windows program folder says where Qt's German texts are.
        if (QFile::exists(qtConf)) QVERIFY(QFile::copy(qtConf, dir.filePath(QStringLiteral("qt.conf"))));
        if (settings) {
            QFile file(settingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(settings), settingsSize);
        }
    }

    QString settingsPath() const { return dir.filePath(SettingsFile::fileName()); }

    Result run(const QStringList& arguments, const QByteArray& input = {}, const QString& outputFile = {}) const
    {
        QProcess process;
        if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path());
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        if (!process.waitForStarted()) return {};
        process.write(input);
        process.closeWriteChannel();
        Result result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return result;
        result.exitCode = process.exitCode();
        result.outBytes = process.readAllStandardOutput();
        result.out = QString::fromUtf8(result.outBytes);
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QTemporaryDir dir;
    QString program;
};

// poppler-utils; not on Windows.
[[maybe_unused]] bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") });
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Installed> fluvano;
    QDateTime settingsWritten;

private Q_SLOTS:
    void initTestCase()
    {
        const SettingsRecord settings = standardSettings();
        fluvano = std::make_unique<Installed>(&settings);
        settingsWritten = QFileInfo(fluvano->settingsPath()).lastModified();
    }

    void singleResult_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // the whole output, or a part of it when whole is false
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QString>("err");
        const QStringList example { QStringLiteral("--heat-output"), QStringLiteral("10"), QStringLiteral("--delta-t"),
            QStringLiteral("15"), QStringLiteral("--material"), QStringLiteral("1") };
        auto with = [&](int index, const QString& value) {
            QStringList arguments = example;
            arguments[index] = value;
            return arguments;
        };
        QTest::newRow("worked example") << example << 0 << WorkedExample << true << QString();
        QTest::newRow("decimal point, chosen diameter")
            << with(1, QStringLiteral("10.0")) + QStringList { QStringLiteral("--diameter"), QStringLiteral("27.2") }
            << 0
            << QString(WorkedExample)
                   .replace(QStringLiteral("10 kW"), QStringLiteral("10,0 kW"))
                   .replace(QStringLiteral("empfohlenes"), QStringLiteral("gewähltes"))
            << true << QString();
        QTest::newRow("largest pipe too small")
            << with(1, QStringLiteral("100000")) << 0
            << QStringLiteral("empfohlenes Rohr: DN 150\nInnen-Nennweite: 155,4 mm\n") << false << QString();
        QTest::newRow("overload warning") << with(1, QStringLiteral("100000")) << 0
                                          << QStringLiteral("m/s\nLEISTUNG ZU GROSS !\n") << false << QString();
        QTest::newRow("help") << QStringList { QStringLiteral("--help") } << 0
                              << QStringLiteral("  --heat-output <kW>    Leistung in kW") << false << QString();
        QTest::newRow("typed exponent") << with(1, QStringLiteral("1e3")) << 1 << QString() << true
                                        << QStringLiteral("Fehlerhafte Eingabe! (Leistung)");
        QTest::newRow("heat output 0") << with(1, QStringLiteral("0")) << 1 << QString() << true
                                       << QStringLiteral("nicht berechnet: Leistung ist 0");
        QTest::newRow("over 100000 kW") << with(1, QStringLiteral("100000,1")) << 1 << QString() << true
                                        << QStringLiteral("Leistung über 100.000 kW");
        QTest::newRow("missing option") << example.mid(0, 4) << 2 << QString() << true
                                        << QStringLiteral("Option --material fehlt");
        QTest::newRow("unknown option") << with(0, QStringLiteral("--heat")) << 2 << QString() << true
                                        << QStringLiteral("Unbekannte Option");
        QTest::newRow("valves beside single options")
            << example + QStringList { QStringLiteral("--valves") } << 2 << QString() << true
            << QStringLiteral("--valves lässt sich nicht mit anderen Optionen verbinden");
        QTest::newRow("csv beside single options")
            << example + QStringList { QStringLiteral("--csv"), QStringLiteral("-") } << 2 << QString() << true
            << QStringLiteral("--csv");
    }
    void singleResult()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(bool, whole);
        QFETCH(QString, err);
        const Result result = fluvano->run(arguments);
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
        if (err.isEmpty()) QCOMPARE(result.err, QString());
        if (whole)
            QCOMPARE(result.out, out);
        else
            QVERIFY2(result.out.contains(out), qPrintable(result.out));
        QCOMPARE(result.exitCode, exitCode);
    }

    // One input row after a header, with a byte-order mark and CRLF.
    void csvRow_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("worked example") << "10;15;1"
                                        << "10;15;1;;DN 25;27,2;42,73;0,583;573;0,279;";
        QTest::newRow("quoted fields") << "\"10\";\"15\";\"1\";"
                                       << "10;15;1;;DN 25;27,2;42,73;0,583;573;0,279;";
        QTest::newRow("decimal points, stepped to DN 20")
            << "10.0;15;1;21.6"
            << "10,0;15;1;21,6;DN 20;21,6;133,25;0,583;573;0,442;LEISTUNG ZU GROSS !";
        QTest::newRow("typed text") << "zehn;15;1"
                                    << "zehn;15;1;;;;;;;;Fehlerhafte Eingabe! (Leistung)";
        QTest::newRow("two commas") << "10;1,5,0;1"
                                    << "10;1,5,0;1;;;;;;;;Fehlerhafte Eingabe! (Temperaturdifferenz)";
        QTest::newRow("minus sign") << "10;15;1;-27,2"
                                    << "10;15;1;-27,2;;;;;;;Fehlerhafte Eingabe! (Innen-Nennweite)";
        QTest::newRow("no heat output") << ";15;1"
                                        << ";15;1;;;;;;;;Leistung fehlt";
        QTest::newRow("only one column") << "10"
                                         << "10;;;;;;;;;;Rohrmaterial fehlt";
        QTest::newRow("zero difference") << "10;0;1"
                                         << "10;0;1;;;;;;;;Temperaturdifferenz ist 0";
        QTest::newRow("zero diameter") << "10;15;1;0"
                                       << "10;15;1;0;;;;;;;Innen-Nennweite ist 0";
        QTest::newRow("over 100000 kW") << "100001;15;1"
                                        << "100001;15;1;;;;;;;;Leistung über 100.000 kW";
        QTest::newRow("material 10") << "10;15;10"
                                     << "10;15;10;;32x2,9;26,2;46,95;0,583;573;0,301;";
        QTest::newRow("material 11") << "10;15;11"
                                     << "10;15;11;;;;;;;;Unbekanntes Rohrmaterial (1 bis 10)";
        QTest::newRow("surplus column") << "10;15;1;;DN 25"
                                        << "10;15;1;;;;;;;;Zu viele Spalten (höchstens 4)";
    }
    void csvRow()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        const QByteArray csv
            = Bom + "Leistung_kW;Temperaturdifferenz_K;Material;Innen_mm\r\n" + input.toUtf8() + "\r\n";
        const Result result = fluvano->run({ QStringLiteral("--csv"), QStringLiteral("-") }, csv);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, QString::fromUtf8(Bom) + Header + u'\n' + output + u'\n');
        QCOMPARE(result.exitCode, output.contains(QStringLiteral(";;;;;;")) ? 1 : 0);
    }

    // A list as spreadsheet programs save it computes what the plain list
    // computes; a header without a needed column says which.
    void spreadsheetLists_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("error");
        QTest::newRow("Windows-1252, own column, reordered") << QByteArray(
            "Material;Raum;Temperaturdifferenz_K;Leistung_kW\r\n1;K\xFC"
            "che;15;10\r\n5;Bad;15;1,5\r\n") << QString();
        QTest::newRow("commas, decimal points")
            << QByteArray("Leistung_kW,Temperaturdifferenz_K,Material\n10,15,1\n1.5,15,5\n") << QString();
        QTest::newRow("tabs") << QByteArray("Leistung_kW\tTemperaturdifferenz_K\tMaterial\n10\t15\t1\n1,5\t15\t5\n")
                              << QString();
        QTest::newRow("quoted") << QByteArray("\"Leistung_kW\";\"Temperaturdifferenz_K\";\"Material\"\n"
                                              "\"10\";\"15\";\"1\"\n\"1,5\";\"15\";\"5\"\n")
                                << QString();
        QTest::newRow("a column missing")
            << QByteArray("Leistung_kW;Material\n10;1\n") << QStringLiteral("„Temperaturdifferenz_K“ fehlt");
    }
    void spreadsheetLists()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        const Result result = fluvano->run({ QStringLiteral("--csv"), QStringLiteral("-") }, csv);
        if (!error.isEmpty()) {
            QCOMPARE(result.exitCode, 2);
            QVERIFY2(result.err.contains(error), qPrintable(result.err));
            QCOMPARE(result.out, QString());
            return;
        }
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out,
            QString::fromUtf8(Bom) + Header + u'\n' + QStringLiteral("10;15;1;;DN 25;27,2;42,73;0,583;573;0,279;\n")
                + QStringLiteral("1,5;15;5;;15x1;13,0;47,73;0,087;86;0,183;\n"));
        QCOMPARE(result.exitCode, 0);
    }

    // The user's pipe series count here as in the window; a faulty line is
    // named on standard error and its material keeps the built-in series.
    void userPipeSeries()
    {
        const SettingsRecord settings = standardSettings();
        const Installed copy(&settings);
        QFile series(copy.dir.filePath(QStringLiteral("Fluvano-Rohrsysteme.csv")));
        QVERIFY(series.open(QIODevice::WriteOnly));
        series.write("Material;Kurzname;Name;Bezeichnung;Innen_mm\n"
                     "7;MSV;Verbundrohr Hersteller Z;20x2;16\n"
                     "9;C-Stahl;Pressrohr Z;15x1;x\n");
        series.close();
        const QStringList arguments { QStringLiteral("--heat-output"), QStringLiteral("10"),
            QStringLiteral("--delta-t"), QStringLiteral("15"), QStringLiteral("--material") };
        const Result seven = copy.run(arguments + QStringList { QStringLiteral("7") });
        QCOMPARE(seven.exitCode, 0);
        QVERIFY2(seven.out.contains(QStringLiteral("Rohrmaterial: Verbundrohr Hersteller Z\nempfohlenes Rohr: 20x2\n")),
            qPrintable(seven.out));
        QVERIFY2(seven.err.startsWith(QStringLiteral("fluvano: ")) && seven.err.contains(QStringLiteral(", Zeile 3: ")),
            qPrintable(seven.err));
        const Result nine = copy.run(arguments + QStringList { QStringLiteral("9") });
        QVERIFY(nine.out.contains(QStringLiteral("Rohrmaterial: C-Stahl-Pressrohr verz. DIN EN 10305-3\n")));
    }

    // Every valve series, the user's with their numbers; a faulty line is
    // named on standard error and its series left out. The
    // output saved as the series file reads without a word and gives the
    // same bytes again.
    void valveSeries()
    {
        const SettingsRecord settings = standardSettings();
        const Installed copy(&settings);
        QFile file(copy.dir.filePath(QStringLiteral("Fluvano-Ventile.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Ventil;Kurzname;Name;Stufe;kv_m3h\n"
                   "5;TV Z;Thermostatventil Z;1;0,1\n"
                   "5;TV Z;Thermostatventil Z;2;0.2\n"
                   "9;RL;Rücklauf;1;abc\n");
        file.close();
        const Result first = copy.run({ QStringLiteral("--valves") });
        QCOMPARE(first.exitCode, 0);
        QVERIFY2(first.err.startsWith(QStringLiteral("fluvano: "))
                && first.err.endsWith(QStringLiteral(", Zeile 4: Der kv-Wert „abc“ ist keine positive Zahl. "
                                                     "Ventilreihe 9 (RL) wird ausgelassen.\n")),
            qPrintable(first.err));
        QVERIFY(first.outBytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY2(first.out.startsWith(QStringLiteral("Ventil;Kurzname;Name;Stufe;kv_m3h\r\n"
                                                     "1;Thermostatventil 8 St.;Thermostatventil mit Voreinstellung, "
                                                     "8 Stufen;1;0,13\r\n")),
            qPrintable(first.out));
        QVERIFY2(first.out.endsWith(QStringLiteral("\r\n5;TV Z;Thermostatventil Z;1;0,1\r\n"
                                                   "5;TV Z;Thermostatventil Z;2;0,2\r\n")),
            qPrintable(first.out));

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(first.outBytes);
        file.close();
        const Result second = copy.run({ QStringLiteral("--valves") });
        QCOMPARE(second.err, QString());
        QCOMPARE(second.outBytes, first.outBytes);
        QCOMPARE(second.exitCode, 0);

        // --circuit knows the user's series: one radiator with valve 5 and the
        // minimum off takes the valve fully preset, kv 0,2 at step 2.
        const Result circuit = copy.run(
            { QStringLiteral("--circuit"), QStringLiteral("-"), QStringLiteral("--valve-min-pa"), QStringLiteral("0") },
            "Bezeichnung;Vorgaenger;Leistung_kW;Laenge_m;Zeta;Material;Ventil\nBad;;1;5;;5;5\n");
        QVERIFY2(circuit.exitCode == 0, qPrintable(circuit.err));
        QVERIFY2(circuit.out.trimmed().endsWith(QStringLiteral(";0,200;2;0,2;0;")), qPrintable(circuit.out));
        QVERIFY2(circuit.err.contains(QStringLiteral("Mindest-Δp Thermostatventil: 0 Pa")), qPrintable(circuit.err));
    }

    void csvFileWithManyRows()
    {
        const QString path = fluvano->dir.filePath(QStringLiteral("kreise.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // No header: a first line that starts with a number is a row.
        file.write(Bom + "10;15;1\n\n10;0;1\n100000;5;1\n2,5;20;5\n");
        file.close();
        const Result result = fluvano->run({ QStringLiteral("--csv"), path });
        QFile::remove(path);
        const QStringList lines = result.out.split(u'\n');
        QCOMPARE(lines.size(), 6); // header, four rows, nothing after the last line break
        QVERIFY(lines[1].endsWith(QStringLiteral(";DN 25;27,2;42,73;0,583;573;0,279;")));
        QVERIFY(lines[2].endsWith(QStringLiteral("Temperaturdifferenz ist 0")));
        QVERIFY(lines[3].contains(QStringLiteral(";DN 150;155,4;"))
            && lines[3].endsWith(QStringLiteral("LEISTUNG ZU GROSS !")));
        QVERIFY(lines[4].startsWith(QStringLiteral("2,5;20;5;;15x1;13,0;")));
        QCOMPARE(result.exitCode, 1); // the faulty row in the middle did not stop the others

        const Result missing = fluvano->run({ QStringLiteral("--csv"), path });
        QCOMPARE(missing.exitCode, 2);
        QVERIFY2(missing.err.contains(path), qPrintable(missing.err));
    }

    void arithmeticFaultInARow()
    {
        SettingsRecord settings = standardSettings();
        settings.roughnessAt(5) = 0;
        const Installed zeroRoughness(&settings);
        const Result result
            = zeroRoughness.run({ QStringLiteral("--csv"), QStringLiteral("-") }, "L;T;M\n10;15;5\n10;15;1\n");
        const QStringList lines = result.out.split(u'\n');
        QCOMPARE(lines.value(1), QStringLiteral("10;15;5;;;;;;;;Gleitkommadivision durch Null."));
        QVERIFY(lines.value(2).endsWith(QStringLiteral(";DN 25;27,2;42,73;0,583;573;0,279;")));
        QCOMPARE(result.exitCode, 1);
    }

    void unreadableSettings_data()
    {
        QTest::addColumn<qint64>("size"); // -1: no file
        QTest::newRow("missing") << qint64(-1);
        QTest::newRow("163 bytes") << qint64(sizeof(SettingsRecord) - 1);
    }
    void unreadableSettings()
    {
        QFETCH(qint64, size);
        const SettingsRecord settings = standardSettings();
        const Installed broken(size < 0 ? nullptr : &settings, size);
        for (const QStringList& arguments : { QStringList { QStringLiteral("--csv"), QStringLiteral("-") },
                 QStringList { QStringLiteral("--heat-output"), QStringLiteral("10"), QStringLiteral("--delta-t"),
                     QStringLiteral("15"), QStringLiteral("--material"), QStringLiteral("1") } }) {
            const Result result = broken.run(arguments, "L;T;M\n10;15;1\n");
            QCOMPARE(result.exitCode, 2);
            QCOMPARE(result.out, QString());
            QVERIFY2(result.err.contains(QDir::toNativeSeparators(broken.settingsPath())), qPrintable(result.err));
        }
    }

    void pdfSheet_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("worked example") << QStringList()
                                        << QStringList { QStringLiteral("DN 25"), QStringLiteral("27,2"),
                                               QStringLiteral("42,73"), QStringLiteral("0,583"), QStringLiteral("573"),
                                               QStringLiteral("0,279"), QStringLiteral("983,2"),
                                               QStringLiteral("- Mittelschweres Gewinderohr DIN 2440 -"),
                                               QStringLiteral("empfohlen") };
        QTest::newRow("chosen DN 20 over R max")
            << QStringList { QStringLiteral("--diameter"), QStringLiteral("21,6") }
            << QStringList { QStringLiteral("DN 20"), QStringLiteral("133,25"), QStringLiteral("0,442"),
                   QStringLiteral("über R max"), QStringLiteral("LEISTUNG ZU GROSS !"), QStringLiteral("gewählt") };
    }
    void pdfSheet()
    {
        QFETCH(QStringList, extra);
        QFETCH(QStringList, shown);
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("Ergebnis.pdf"));
        const Result result = fluvano->run(
            QStringList { QStringLiteral("--heat-output"), QStringLiteral("10"), QStringLiteral("--delta-t"),
                QStringLiteral("15"), QStringLiteral("--material"), QStringLiteral("1"), QStringLiteral("--pdf"), path }
            + extra);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        // The sheet's text comes with its font, wherever the program runs.
        QFile sheet(path);
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        QVERIFY2(sheet.readAll().contains("/FontFile"), "no font embedded in the PDF sheet");
#ifdef Q_OS_WIN
        if (havePdfToText()) {
#else
        {
#endif
            const QString text = pdfText(path);
            QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) found no text");
            for (const QString& value : shown)
                QVERIFY2(text.contains(value), qPrintable(value + QStringLiteral(" not in:\n") + text));
        }

        const QString nowhere = out.filePath(QStringLiteral("fehlt/Ergebnis.pdf"));
        const Result failed = fluvano->run(
            { QStringLiteral("--heat-output"), QStringLiteral("10"), QStringLiteral("--delta-t"), QStringLiteral("15"),
                QStringLiteral("--material"), QStringLiteral("1"), QStringLiteral("--pdf"), nowhere });
        QCOMPARE(failed.exitCode, 2);
        QVERIFY2(failed.err.contains(nowhere), qPrintable(failed.err));
    }

    // Output that does not arrive is a failure, not a success.
    void fullOutput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("csv") << QStringList { QStringLiteral("--csv"), QStringLiteral("-") };
        QTest::newRow("valves") << QStringList { QStringLiteral("--valves") };
        QTest::newRow("one result") << QStringList { QStringLiteral("--heat-output"), QStringLiteral("10"),
            QStringLiteral("--delta-t"), QStringLiteral("15"), QStringLiteral("--material"), QStringLiteral("1") };
    }
    void fullOutput()
    {
        QFETCH(QStringList, arguments);
        const Result result = fluvano->run(arguments, "L;T;M\n10;15;1\n", QStringLiteral("/dev/full"));
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QStringLiteral("Standardausgabe")), qPrintable(result.err));
    }

    // Runs last: nothing above wrote the settings file or left a file beside it.
    void settingsFileOnlyRead()
    {
        QCOMPARE(QFileInfo(fluvano->settingsPath()).lastModified(), settingsWritten);
        QFile file(fluvano->settingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const SettingsRecord settings = standardSettings();
        QCOMPARE(file.readAll(), QByteArray(reinterpret_cast<const char*>(&settings), sizeof settings));
        QStringList files
            = QDir(fluvano->dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
        QStringList expected { QStringLiteral("Fluvano.qel"), QFileInfo(QStringLiteral(FLUVANO_PROGRAM)).fileName() };
        if (QFile::exists(qtConf)) expected << QStringLiteral("qt.conf");
        expected.sort(Qt::CaseInsensitive);
        files.sort(Qt::CaseInsensitive);
        QCOMPARE(files, expected);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
