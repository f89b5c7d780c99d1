#include "app/CircuitCommand.h"

#include "app/Console.h"

#include "core/CircuitFile.h"
#include "core/CircuitTable.h"
#include "core/NumberText.h"
#include "core/TypedInputs.h"
#include "report/CircuitSheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

namespace CircuitCommand
{

using Console::AllComputed;
using Console::hasOption;
using Console::NotComputed;
using Console::UsageError;
using Console::write;

namespace
{

    int failure(const QString& message, bool usage = false)
    {
        return usage ? Console::usageError(message) : Console::failure(message);
    }

} // namespace

bool requested(int argc, char* argv[])
{
    return hasOption(argc, argv, "--circuit");
}

QString helpText()
{
    return QStringLiteral("\n"
                          "Teilstrecken eines Heizkreises als Netz (Druckverlust R·l + Z, jeder Weg, der\n"
                          "ungünstigste Verbraucher, Pumpe und hydraulischer Abgleich):\n"
                          "  --circuit <Datei|->   liest eine Teilstreckendatei (.fluvano) oder eine CSV-Liste\n"
                          "                        Bezeichnung;Vorgaenger;Leistung_kW;Laenge_m;Zeta;Material;\n"
                          "                        Innen_mm;Verbraucher_Pa;Ventil (ohne Vorgaenger: eine Kette)\n"
                          "                        und schreibt die berechnete Tabelle als CSV auf die\n"
                          "                        Standardausgabe, die Summen und die Pumpe auf die\n"
                          "                        Standardfehlerausgabe\n"
                          "  --delta-t <K>         Temperaturdifferenz (sonst die der Datei, sonst 15)\n"
                          "  --extra-pa <Pa>       weitere Druckverluste (Wärmeerzeuger, Ventile)\n"
                          "  --valve-min-pa <Pa>   Mindest-Δp Thermostatventil (sonst das der Datei, sonst 5000;\n"
                          "                        0: ohne Mindestwert)\n"
                          "  --pdf <Datei>         schreibt stattdessen die Einstellwerte als PDF\n");
}

QString fileToOpen(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(u'-')) return arguments[i];
    return {};
}

int run(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> application = Console::makeApplication(argc, argv);

    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption circuit(QStringLiteral("circuit"), {}, QStringLiteral("Datei"));
    const QCommandLineOption deltaT(QStringLiteral("delta-t"), {}, QStringLiteral("K"));
    const QCommandLineOption extra(QStringLiteral("extra-pa"), {}, QStringLiteral("Pa"));
    const QCommandLineOption valveMinimum(QStringLiteral("valve-min-pa"), {}, QStringLiteral("Pa"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("Datei"));
    QCommandLineParser parser;
    parser.addOptions({ help, circuit, deltaT, extra, valveMinimum, pdf });
    if (!parser.parse(QCoreApplication::arguments())) return failure(parser.errorText(), true);
    if (parser.isSet(help)) return write(stdout, helpText().toUtf8()) ? AllComputed : UsageError;
    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Unerwartetes Argument '") + parser.positionalArguments().first() + u'\'', true);
    for (const QCommandLineOption* option : { &circuit, &deltaT, &extra, &valveMinimum, &pdf })
        if (parser.values(*option).size() > 1)
            return failure(QStringLiteral("Option --") + option->names().first() + QStringLiteral(" doppelt"), true);
    for (const QCommandLineOption* option : { &extra, &valveMinimum })
        if (parser.isSet(*option) && !TypedInputs::number(parser.value(*option)).ok)
            return failure(
                QStringLiteral("Option --") + option->names().first() + QStringLiteral(": Fehlerhafte Eingabe!"), true);

    SettingsRecord settings {};
    if (!Console::readSettings(settings)) return UsageError;
    PipeCatalogue catalogue;
    Console::fillCatalogue(catalogue);

    const QString name = parser.value(circuit);
    QFile in;
    const bool opened = name == QStringLiteral("-") ? in.open(stdin, QIODevice::ReadOnly)
                                                    : (in.setFileName(name), in.open(QIODevice::ReadOnly));
    // In pieces until the end: readAll() asks a pipe (standard input on
    // Windows) for its size, which fails there.
    QByteArray text;
    bool failed = !opened;
    while (!failed) {
        const QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty()) {
            failed = !in.atEnd();
            break;
        }
        text += piece;
    }
    if (failed)
        return failure(
            QStringLiteral("Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ") + in.errorString());
    Circuit::Document document;
    QString reason;
    if (!CircuitFile::fromAny(text, document, &reason))
        return failure(QStringLiteral("Datei ") + name + QStringLiteral(" kann nicht gelesen werden: ") + reason);
    if (parser.isSet(deltaT)) document.temperatureDifference = parser.value(deltaT);
    if (parser.isSet(extra)) document.extraLoss = parser.value(extra);
    if (parser.isSet(valveMinimum)) document.minValveLoss = parser.value(valveMinimum);

    ValveCatalogue valves;
    Console::fillValves(valves);
    const Circuit::Evaluation evaluation = Circuit::evaluate(document, settings, catalogue, valves);
    const Circuit::Totals& totals = evaluation.totals;

    if (parser.isSet(pdf)) {
        const CircuitSheet sheet(document, evaluation, settings, catalogue, valves, QDate::currentDate(), name);
        QString error;
        if (!sheet.writePdf(parser.value(pdf), &error))
            return failure(QStringLiteral("PDF-Datei ") + parser.value(pdf)
                + QStringLiteral(" kann nicht geschrieben werden: ") + error);
    } else if (!write(stdout, CircuitTable::csv(document, evaluation, catalogue, valves))) {
        return failure(Console::outputFailed());
    }

    const CircuitTable::TotalTexts texts = CircuitTable::totalTexts(document, totals);
    QString summary = QStringLiteral("Δp ungünstigster Weg: %1 Pa\n").arg(texts.criticalLoss)
        + QStringLiteral("ungünstigster Verbraucher: %1\n").arg(texts.criticalConsumer)
        + QStringLiteral("weitere Druckverluste: %1 Pa\n").arg(CircuitTable::pascal(totals.extraLoss))
        + QStringLiteral("Pumpe: Förderhöhe: %1 m\n").arg(texts.head)
        + QStringLiteral("Pumpe: Volumenstrom: %1 m³/h\n").arg(texts.volumeFlow)
        + QStringLiteral("Mindest-Δp Thermostatventil: %1 Pa\n").arg(texts.minValveLoss);
    if (!texts.pump.isEmpty()) summary += texts.pump + u'\n';
    if (totals.notComputed > 0)
        summary += QStringLiteral("nicht berechnet: %1 Teilstrecke(n)\n").arg(totals.notComputed);
    write(stderr, summary.toUtf8());
    return totals.notComputed == 0 && totals.headOk ? AllComputed : NotComputed;
}

} // namespace CircuitCommand
