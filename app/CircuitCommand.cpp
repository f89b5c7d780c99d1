#include "app/CircuitCommand.h"

#include "core/CircuitFile.h"
#include "core/NumberText.h"
#include "core/SettingsFile.h"
#include "core/TypedInputs.h"
#include "report/CircuitSheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace CircuitCommand
{

namespace
{

    enum Status { AllComputed = 0, NotComputed = 1, UsageError = 2 };

    bool write(FILE* stream, const QByteArray& bytes)
    {
        const bool written
            = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
        return std::fflush(stream) == 0 && written;
    }

    int failure(const QString& message, bool usage = false)
    {
        QString text = QStringLiteral("fluvano: ") + message + u'\n';
        if (usage) text += QStringLiteral("Hilfe: fluvano --help\n");
        write(stderr, text.toUtf8());
        return UsageError;
    }

    bool hasOption(int argc, char* argv[], const char* name)
    {
        const std::size_t length = std::strlen(name);
        for (int i = 1; i < argc; ++i)
            if (std::strncmp(argv[i], name, length) == 0 && (argv[i][length] == 0 || argv[i][length] == '='))
                return true;
        return false;
    }

    // Without a desktop session the offscreen platform complains about the
    // runtime directory it does not use.
    QtMessageHandler defaultHandler = nullptr;
    void withoutRuntimeDirNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
        defaultHandler(type, context, message);
    }

} // namespace

bool requested(int argc, char* argv[])
{
    return hasOption(argc, argv, "--circuit");
}

QString helpText()
{
    return QStringLiteral("\n"
                          "Teilstrecken eines Heizkreises (Druckverlust R·l + Z, Summe und Pumpe):\n"
                          "  --circuit <Datei|->   liest eine Teilstreckendatei (.fluvano) oder eine CSV-Liste\n"
                          "                        Bezeichnung;Leistung_kW;Laenge_m;Zeta;Material[;Innen_mm]\n"
                          "                        und schreibt die berechnete Tabelle als CSV auf die\n"
                          "                        Standardausgabe, die Summen auf die Standardfehlerausgabe\n"
                          "  --delta-t <K>         Temperaturdifferenz (sonst die der Datei, sonst 15)\n"
                          "  --extra-pa <Pa>       weitere Druckverluste (Wärmeerzeuger, Ventile)\n"
                          "  --pdf <Datei>         schreibt stattdessen die Liste mit den Summen als PDF\n");
}

QString fileToOpen(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(u'-')) return arguments[i];
    return {};
}

int run(int argc, char* argv[])
{
    std::unique_ptr<QCoreApplication> application;
    if (hasOption(argc, argv, "--pdf")) {
        defaultHandler = qInstallMessageHandler(withoutRuntimeDirNotes);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Fluvano"));

    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption circuit(QStringLiteral("circuit"), {}, QStringLiteral("Datei"));
    const QCommandLineOption deltaT(QStringLiteral("delta-t"), {}, QStringLiteral("K"));
    const QCommandLineOption extra(QStringLiteral("extra-pa"), {}, QStringLiteral("Pa"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("Datei"));
    QCommandLineParser parser;
    parser.addOptions({ help, circuit, deltaT, extra, pdf });
    if (!parser.parse(QCoreApplication::arguments())) return failure(parser.errorText(), true);
    if (parser.isSet(help)) return write(stdout, helpText().toUtf8()) ? AllComputed : UsageError;
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Unerwartetes Argument '") + parser.positionalArguments().first() + u'\'', true);
    for (const QCommandLineOption* option : { &circuit, &deltaT, &extra, &pdf })
        if (parser.values(*option).size() > 1)
            return failure(QStringLiteral("Option --") + option->names().first() + QStringLiteral(" doppelt"), true);
    if (parser.isSet(extra) && !TypedInputs::number(parser.value(extra)).ok)
        return failure(QStringLiteral("Option --extra-pa: Fehlerhafte Eingabe!"), true);

    SettingsRecord settings {};
    if (SettingsFile::read(settings) != SettingsFile::ReadResult::Ok)
        return failure(QStringLiteral("Einstellungsdatei ") + SettingsFile::path()
            + QStringLiteral(" fehlt oder ist beschädigt. Bitte im Programm bei den Konstanten Standardwerte "
                             "setzen und speichern."));
    PipeCatalogue catalogue;
    catalogue.fill();

    const QString name = parser.value(circuit);
    QFile in;
    const bool opened = name == QStringLiteral("-") ? in.open(stdin, QIODevice::ReadOnly)
                                                    : (in.setFileName(name), in.open(QIODevice::ReadOnly));
    const QByteArray text = opened ? in.readAll() : QByteArray();
    if (!opened || in.error() != QFileDevice::NoError)
        return failure(
            QStringLiteral("Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ") + in.errorString());
    Circuit::Document document;
    QString reason;
    if (!CircuitFile::fromAny(text, document, &reason))
        return failure(QStringLiteral("Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ") + reason);
    if (parser.isSet(deltaT)) document.temperatureDifference = parser.value(deltaT);
    if (parser.isSet(extra)) document.extraLoss = parser.value(extra);

    QList<Circuit::Row> rows;
    rows.reserve(document.sections.size());
    for (const Circuit::Section& section : document.sections)
        rows.append(Circuit::compute(section, document.temperatureDifference, settings, catalogue));
    const Circuit::Totals totals = Circuit::totals(rows, document.extraLoss, settings);

    if (parser.isSet(pdf)) {
        const CircuitSheet sheet(document, rows, settings, catalogue, QDate::currentDate(), name);
        QString error;
        if (!sheet.writePdf(parser.value(pdf), &error))
            return failure(QStringLiteral("PDF-Datei ") + parser.value(pdf)
                + QStringLiteral(" kann nicht geschrieben werden: ") + error);
    } else if (!write(stdout, CircuitFile::toCsv(document, rows))) {
        return failure(QStringLiteral("Standardausgabe kann nicht geschrieben werden"));
    }

    QString summary = QStringLiteral("Σ Δp Teilstrecken: %1 Pa\n").arg(Circuit::pascal(totals.sectionLoss))
        + QStringLiteral("weitere Druckverluste: %1 Pa\n").arg(Circuit::pascal(totals.extraLoss))
        + QStringLiteral("Pumpe: Förderhöhe: %1 m\n").arg(totals.headOk ? Circuit::headText(totals.head) : QString())
        + QStringLiteral("Pumpe: Volumenstrom: %1 m³/h\n").arg(Circuit::flowText(totals.volumeFlow));
    if (totals.notComputed > 0)
        summary += QStringLiteral("nicht berechnet: %1 Teilstrecke(n)\n").arg(totals.notComputed);
    write(stderr, summary.toUtf8());
    return totals.notComputed == 0 && totals.headOk ? AllComputed : NotComputed;
}

} // namespace CircuitCommand
