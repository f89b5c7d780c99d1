#include "app/CommandLine.h"

#include "core/SettingsFile.h"
#include "core/CsvBatch.h"
#include "core/PipeCatalogue.h"
#include "report/ResultSheet.h"
#include "core/TypedInputs.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>

namespace CommandLine
{

namespace
{

    enum Status { AllComputed = 0, NotComputed = 1, UsageError = 2 };

    const QString OutputFailed = QStringLiteral("Standardausgabe kann nicht geschrieben werden");

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

    bool hasOption(int argc, char* argv[], const char* name)
    {
        const std::size_t length = std::strlen(name);
        for (int i = 1; i < argc; ++i)
            if (std::strncmp(argv[i], name, length) == 0 && (argv[i][length] == 0 || argv[i][length] == '='))
                return true;
        return false;
    }

    // False when the stream did not take the whole text.
    bool write(FILE* stream, const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        const bool written
            = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
        return std::fflush(stream) == 0 && written;
    }

    int usageError(const QString& message)
    {
        write(stderr, QStringLiteral("fluvano: ") + message + QStringLiteral("\nHilfe: fluvano --help\n"));
        return UsageError;
    }

    int failure(const QString& message)
    {
        write(stderr, QStringLiteral("fluvano: ") + message + u'\n');
        return UsageError;
    }

    QString helpText(const PipeCatalogue& catalogue)
    {
        QString materials;
        for (int m = 1; m <= 6; ++m)
            materials += QStringLiteral("                        %1 %2\n").arg(m).arg(catalogue.materialName(m));
        return QStringLiteral("Aufruf: fluvano [Optionen]\n"
                              "Ohne Optionen startet Fluvano mit seinem Fenster.\n"
                              "\n"
                              "Ein Ergebnis als Text (wie \"Ergebnis kopieren\") oder als PDF-Ergebnisblatt:\n"
                              "  --heat-output <kW>    Leistung in kW (Dezimalkomma oder -punkt)\n"
                              "  --delta-t <K>         Temperaturdifferenz in K\n"
                              "  --material <1..6>     Rohrmaterial:\n")
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
                             "  -h, --help            zeigt diese Hilfe\n"
                             "\n"
                             "Die Konstanten kommen aus der Einstellungsdatei des Programms:\n"
                             "  ")
            + SettingsFile::path()
            + QStringLiteral("\n"
                             "Sie wird nur gelesen.\n"
                             "\n"
                             "Rückgabewert: 0 alles berechnet, 1 mindestens ein Ergebnis nicht berechnet,\n"
                             "2 Aufruffehler oder eine Datei nicht lesbar bzw. nicht schreibbar.\n")
            + ConsoleNote;
    }

    // Without a desktop session the offscreen platform complains about the
    // runtime directory it does not use; the rest of Qt's messages stay.
    QtMessageHandler defaultHandler = nullptr;
    void withoutRuntimeDirNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
        defaultHandler(type, context, message);
    }

    void installGermanTexts(QCoreApplication& application)
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto* translator = new QTranslator(&application);
        if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
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
    // Painting the sheet needs a QGuiApplication; without a display it
    // paints offscreen. Text needs no more than QCoreApplication.
    std::unique_ptr<QCoreApplication> application;
    if (hasOption(argc, argv, "--pdf")) {
        defaultHandler = qInstallMessageHandler(withoutRuntimeDirNotes);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Fluvano"));
    installGermanTexts(*application);

    PipeCatalogue catalogue;
    catalogue.fill();

    const QCommandLineOption help(
        { QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?") }, QStringLiteral("zeigt diese Hilfe"));
    const QCommandLineOption heatOutput(QStringLiteral("heat-output"), {}, QStringLiteral("kW"));
    const QCommandLineOption deltaT(QStringLiteral("delta-t"), {}, QStringLiteral("K"));
    const QCommandLineOption material(QStringLiteral("material"), {}, QStringLiteral("1..6"));
    const QCommandLineOption diameter(QStringLiteral("diameter"), {}, QStringLiteral("mm"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("Datei"));
    const QCommandLineOption csv(QStringLiteral("csv"), {}, QStringLiteral("Datei"));
    QCommandLineParser parser;
    parser.addOptions({ help, heatOutput, deltaT, material, diameter, pdf, csv });
    if (!parser.parse(QCoreApplication::arguments())) return usageError(parser.errorText());
    if (parser.isSet(help)) return write(stdout, helpText(catalogue)) ? AllComputed : failure(OutputFailed);
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unerwartetes Argument '") + parser.positionalArguments().first() + u'\'');
    for (const QCommandLineOption* option : { &heatOutput, &deltaT, &material, &diameter, &pdf, &csv })
        if (parser.values(*option).size() > 1)
            return usageError(QStringLiteral("Option --") + option->names().first() + QStringLiteral(" doppelt"));

    const bool single = parser.isSet(heatOutput) || parser.isSet(deltaT) || parser.isSet(material)
        || parser.isSet(diameter) || parser.isSet(pdf);
    if (parser.isSet(csv) && single)
        return usageError(QStringLiteral("--csv lässt sich nicht mit den Optionen für ein Ergebnis verbinden"));
    if (!parser.isSet(csv)) {
        for (const QCommandLineOption* option : { &heatOutput, &deltaT, &material })
            if (!parser.isSet(*option))
                return usageError(QStringLiteral("Option --") + option->names().first() + QStringLiteral(" fehlt"));
    }

    if (parser.isSet(diameter) && parser.value(diameter).trimmed().isEmpty())
        return usageError(QStringLiteral("Option --diameter ohne Wert"));

    SettingsRecord settings {};
    if (SettingsFile::read(settings) != SettingsFile::ReadResult::Ok)
        return failure(QStringLiteral("Einstellungsdatei ") + SettingsFile::path()
            + QStringLiteral(" fehlt oder ist beschädigt. Bitte im Programm bei den Konstanten Standardwerte "
                             "setzen und speichern."));

    if (parser.isSet(csv)) {
        const QString name = parser.value(csv);
        QFile in;
        const bool opened = name == QStringLiteral("-") ? in.open(stdin, QIODevice::ReadOnly)
                                                        : (in.setFileName(name), in.open(QIODevice::ReadOnly));
        if (!opened)
            return failure(QStringLiteral("CSV-Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ")
                + in.errorString());
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) return failure(OutputFailed);
        const CsvBatch::Summary summary = CsvBatch::convert(in, out, settings, catalogue);
        if (summary.writeError || !out.flush()) return failure(OutputFailed);
        if (summary.readError)
            return failure(QStringLiteral("CSV-Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ")
                + in.errorString());
        return summary.notComputed == 0 ? AllComputed : NotComputed;
    }

    const TypedInputs::Outcome outcome = TypedInputs::evaluate(
        { parser.value(heatOutput), parser.value(deltaT), parser.value(material), parser.value(diameter) }, settings,
        catalogue);
    if (!outcome.computed()) {
        write(stderr, QStringLiteral("fluvano: nicht berechnet: ") + outcome.reason + u'\n');
        return NotComputed;
    }
    if (parser.isSet(pdf)) {
        const ResultSheet sheet(outcome.shown, outcome.calc, settings, catalogue, QDate::currentDate());
        QString error;
        if (!sheet.writePdf(parser.value(pdf), &error))
            return failure(QStringLiteral("PDF-Datei ") + parser.value(pdf)
                + QStringLiteral(" kann nicht geschrieben werden: ") + error);
        return AllComputed;
    }
    if (!write(stdout, ResultText::plainText(ResultText::block(outcome.shown, outcome.calc, settings, catalogue))))
        return failure(OutputFailed);
    return AllComputed;
}

} // namespace CommandLine
