#include "app/CommandLine.h"

#include "app/CircuitCommand.h"
#include "app/Console.h"

#include "core/CsvBatch.h"
#include "core/PipeCatalogue.h"
#include "core/SettingsFile.h"
#include "core/TypedInputs.h"
#include "core/ValveSeries.h"
#include "report/ResultSheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <memory>

namespace CommandLine
{

using namespace Console;

namespace
{

    const QString OutputFailed = Console::outputFailed();

#ifdef Q_OS_WIN
    // fluvano.exe is a GUI program, which cmd.exe and PowerShell neither wait for nor show.
    const QString ConsoleNote
        = QStringLiteral("\nIn der Eingabeaufforderung (cmd, PowerShell): fluvano-cli [Optionen]\n");
#else
    const QString ConsoleNote;
#endif

    // Qt's own options, which leave the window program as it is.
    constexpr const char* QtOptions[]
        = { "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
              "qwindowtitle", "reverse", "session", "style", "stylesheet", "widgetcount", "geometry", "title",
              "display", "name", "dialogs", "nograb", "dograb", "visual", "qmljsdebugger", "testability" };

    bool isQtOption(const char* name)
    {
        const char* end = std::strchr(name, '=');
        const std::size_t length = end ? std::size_t(end - name) : std::strlen(name);
        for (const char* option : QtOptions)
            if (std::strlen(option) == length && std::strncmp(option, name, length) == 0) return true;
        return false;
    }

    QString helpText(const PipeCatalogue& catalogue)
    {
        QString materials;
        for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m)
            materials += QStringLiteral("                        %1 %2\n").arg(m).arg(catalogue.materialName(m));
        return QStringLiteral("Aufruf: fluvano [Optionen]\n"
                              "Ohne Optionen startet Fluvano mit seinem Fenster.\n"
                              "\n"
                              "Ein Ergebnis als Text (wie \"Ergebnis kopieren\") oder als PDF-Ergebnisblatt:\n"
                              "  --heat-output <kW>    Leistung in kW (Dezimalkomma oder -punkt)\n"
                              "  --delta-t <K>         Temperaturdifferenz in K\n"
                              "  --material <1..10>    Rohrmaterial:\n")
            + materials
            + QStringLiteral("  --diameter <mm>       gewählte Innen-Nennweite in mm statt des empfohlenen Rohrs\n"
                             "  --pdf <Datei>         schreibt das Ergebnisblatt (A4) in diese PDF-Datei\n"
                             "\n"
                             "Viele Ergebnisse:\n"
                             "  --csv <Datei|->       liest nach einer Kopfzeile Zeilen\n"
                             "                        Leistung_kW;Temperaturdifferenz_K;Material[;Innen_mm]\n"
                             "                        (\"-\": Standardeingabe) und schreibt je Zeile die Eingaben,\n"
                             "                        das Ergebnis und einen Hinweis auf die Standardausgabe\n"
                             "                        (UTF-8, Semikolon, Dezimalkomma)\n"
                             "\n"
                             "Ventilreihen:\n"
                             "  --valves              schreibt alle Ventilreihen, die Standardreihen und die\n"
                             "                        eigenen, wie Fluvano-Ventile.csv sie enthält, auf die\n"
                             "                        Standardausgabe: Ventil;Kurzname;Name;Stufe;kv_m3h\n"
                             "                        (UTF-8, Semikolon, Dezimalkomma)\n"
                             "\n"
                             "  -h, --help            zeigt diese Hilfe\n"
                             "\n"
                             "Die Konstanten kommen aus der Einstellungsdatei des Programms:\n"
                             "  ")
            + SettingsFile::path()
            + QStringLiteral("\n"
                             "Sie wird nur gelesen. Die eigenen Ventilreihen stehen in:\n"
                             "  ")
            + ValveSeries::path()
            + QStringLiteral("\n"
                             "\n"
                             "Rückgabewert: 0 alles berechnet, 1 mindestens ein Ergebnis nicht berechnet,\n"
                             "2 Aufruffehler oder eine Datei nicht lesbar bzw. nicht schreibbar.\n");
    }

    struct Options {
        QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?") },
            QStringLiteral("zeigt diese Hilfe") };
        QCommandLineOption heatOutput { QStringLiteral("heat-output"), {}, QStringLiteral("kW") };
        QCommandLineOption deltaT { QStringLiteral("delta-t"), {}, QStringLiteral("K") };
        QCommandLineOption material { QStringLiteral("material"), {}, QStringLiteral("1..10") };
        QCommandLineOption diameter { QStringLiteral("diameter"), {}, QStringLiteral("mm") };
        QCommandLineOption pdf { QStringLiteral("pdf"), {}, QStringLiteral("Datei") };
        QCommandLineOption csv { QStringLiteral("csv"), {}, QStringLiteral("Datei") };
        QCommandLineOption valves { QStringLiteral("valves") };
    };

    // What is wrong with the options given, or an empty text.
    QString usageProblem(const QCommandLineParser& parser, const Options& options)
    {
        if (!parser.positionalArguments().isEmpty())
            return QStringLiteral("Unerwartetes Argument '") + parser.positionalArguments().first() + u'\'';
        if (parser.isSet(options.valves))
            return parser.optionNames().size() > 1
                ? QStringLiteral("--valves lässt sich nicht mit anderen Optionen verbinden")
                : QString();
        for (const QCommandLineOption* option :
            { &options.heatOutput, &options.deltaT, &options.material, &options.diameter, &options.pdf, &options.csv })
            if (parser.values(*option).size() > 1)
                return QStringLiteral("Option --") + option->names().first() + QStringLiteral(" doppelt");

        const bool single = parser.isSet(options.heatOutput) || parser.isSet(options.deltaT)
            || parser.isSet(options.material) || parser.isSet(options.diameter) || parser.isSet(options.pdf);
        if (parser.isSet(options.csv) && single)
            return QStringLiteral("--csv lässt sich nicht mit den Optionen für ein Ergebnis verbinden");
        if (!parser.isSet(options.csv)) {
            for (const QCommandLineOption* option : { &options.heatOutput, &options.deltaT, &options.material })
                if (!parser.isSet(*option))
                    return QStringLiteral("Option --") + option->names().first() + QStringLiteral(" fehlt");
        }
        if (parser.isSet(options.diameter) && parser.value(options.diameter).trimmed().isEmpty())
            return QStringLiteral("Option --diameter ohne Wert");
        return {};
    }

    // CSV rows from a file or standard input ("-") to standard output.
    int runCsv(const QString& name, const SettingsRecord& settings, const PipeCatalogue& catalogue)
    {
        QFile in;
        const bool opened = name == QStringLiteral("-") ? in.open(stdin, QIODevice::ReadOnly)
                                                        : (in.setFileName(name), in.open(QIODevice::ReadOnly));
        const auto unreadable = [&] {
            return failure(QStringLiteral("CSV-Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ")
                + in.errorString());
        };
        if (!opened) return unreadable();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) return failure(OutputFailed);
        const CsvBatch::Summary summary = CsvBatch::convert(in, out, settings, catalogue);
        if (!summary.columnsError.isEmpty())
            return failure(QStringLiteral("CSV-Datei ") + name + QStringLiteral(": ") + summary.columnsError);
        if (summary.writeError || !out.flush()) return failure(OutputFailed);
        if (summary.readError) return unreadable();
        return summary.notComputed == 0 ? AllComputed : NotComputed;
    }

    // Every valve series, the standard ones first, as the series file holds
    // them; the faults of the user's file on standard error.
    int runValves()
    {
        ValveCatalogue catalogue;
        fillValves(catalogue);
        return write(stdout, ValveSeries::image(catalogue, ValveSeries::AllSeries)) ? AllComputed
                                                                                    : failure(OutputFailed);
    }

    // One result as text on standard output, or as the PDF sheet.
    int runSingle(const QCommandLineParser& parser, const Options& options, const SettingsRecord& settings,
        const PipeCatalogue& catalogue)
    {
        const TypedInputs::Outcome outcome
            = TypedInputs::evaluate({ parser.value(options.heatOutput), parser.value(options.deltaT),
                                        parser.value(options.material), parser.value(options.diameter) },
                settings, catalogue);
        if (!outcome.computed()) {
            write(stderr, QStringLiteral("fluvano: nicht berechnet: ") + outcome.reason + u'\n');
            return NotComputed;
        }
        if (parser.isSet(options.pdf)) {
            const QString file = parser.value(options.pdf);
            const ResultSheet sheet(outcome.shown, outcome.calc, settings, catalogue, QDate::currentDate());
            QString error;
            if (!sheet.writePdf(file, &error))
                return failure(
                    QStringLiteral("PDF-Datei ") + file + QStringLiteral(" kann nicht geschrieben werden: ") + error);
            return AllComputed;
        }
        if (!write(stdout, ResultText::plainText(ResultText::block(outcome.shown, outcome.calc, settings, catalogue))))
            return failure(OutputFailed);
        return AllComputed;
    }

} // namespace

bool requested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "-?") == 0) return true;
        if (std::strncmp(arg, "--", 2) == 0 && !isQtOption(arg + 2)) return true;
    }
    return false;
}

int run(int argc, char* argv[])
{
    if (CircuitCommand::requested(argc, argv)) return CircuitCommand::run(argc, argv);
    const std::unique_ptr<QCoreApplication> application = Console::makeApplication(argc, argv);
    const Options options;
    QCommandLineParser parser;
    parser.addOptions({ options.help, options.heatOutput, options.deltaT, options.material, options.diameter,
        options.pdf, options.csv, options.valves });
    if (!parser.parse(QCoreApplication::arguments())) return usageError(parser.errorText());
    // The valve series need neither the pipe series nor the settings.
    if (parser.isSet(options.valves) && !parser.isSet(options.help)) {
        const QString problem = usageProblem(parser, options);
        return problem.isEmpty() ? runValves() : usageError(problem);
    }

    PipeCatalogue catalogue;
    Console::fillCatalogue(catalogue);
    if (parser.isSet(options.help))
        return write(stdout, helpText(catalogue) + CircuitCommand::helpText() + ConsoleNote) ? AllComputed
                                                                                             : failure(OutputFailed);
    if (const QString problem = usageProblem(parser, options); !problem.isEmpty()) return usageError(problem);

    SettingsRecord settings {};
    if (!Console::readSettings(settings)) return UsageError;

    if (parser.isSet(options.csv)) return runCsv(parser.value(options.csv), settings, catalogue);
    return runSingle(parser, options, settings, catalogue);
}

} // namespace CommandLine
