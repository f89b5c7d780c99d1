#include "core/ResultText.h"

#include "core/NumberText.h"

namespace ResultText
{

Panels panels(const CalcState& calc, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    Panels p;
    if (PipeCatalogue::validSlot(calc.selectedPipe))
        p.designation = catalogue.designation(calc.material, calc.selectedPipe);
    p.innerDiameter = NumberText::grouped(calc.diameter, 1);
    p.pressureGradient = NumberText::grouped(calc.pressureGradient, 2);
    p.volumeFlow = NumberText::grouped(calc.volumeFlow * 3600.0L, 3);
    p.massFlow = NumberText::grouped(calc.massFlow * 3600.0L, 0);
    p.velocity = NumberText::grouped(calc.velocity, 3);
    p.tooSteep = calc.pressureGradient > settings.rMax;
    p.tooFast = calc.velocity > settings.wMax;
    p.materialLine = p.overloaded()
        ? overloadWarning()
        : QStringLiteral("- ") + catalogue.materialName(calc.material) + QStringLiteral(" -");
    return p;
}

QString overloadWarning()
{
    return QStringLiteral("LEISTUNG ZU GROSS !");
}

QString pipeCaption(bool manualMode)
{
    return manualMode ? QStringLiteral("gewähltes Rohr") : QStringLiteral("empfohlenes Rohr");
}

Block block(const Inputs& inputs, const CalcState& calc, const SettingsRecord& settings, const PipeCatalogue& catalogue)
{
    const Panels p = panels(calc, settings, catalogue);
    Block b;
    b.lines = {
        { QStringLiteral("Leistung"), inputs.heatOutput, QStringLiteral("kW") },
        { QStringLiteral("Temperaturdifferenz"), inputs.temperatureDifference, QStringLiteral("K") },
        { QStringLiteral("Rohrmaterial"), catalogue.materialName(calc.material), {} },
        { pipeCaption(calc.manualMode), p.designation, {} },
        { QStringLiteral("Innen-Nennweite"), p.innerDiameter, QStringLiteral("mm") },
        { QStringLiteral("Rohrwiderstand R"), p.pressureGradient, QStringLiteral("Pa/m"), p.tooSteep },
        { QStringLiteral("Volumenstrom V"), p.volumeFlow, QStringLiteral("m³/h") },
        { QStringLiteral("Massenstrom m"), p.massFlow, QStringLiteral("kg/h") },
        { QStringLiteral("Geschwindigkeit w"), p.velocity, QStringLiteral("m/s"), p.tooFast },
    };
    if (p.overloaded()) b.warning = overloadWarning();
    return b;
}

QString plainText(const Block& block)
{
    QString text;
    for (const Line& line : block.lines) {
        text += line.caption + u':';
        if (!line.value.isEmpty()) text += u' ' + line.value;
        if (!line.unit.isEmpty()) text += u' ' + line.unit;
        text += u'\n';
    }
    if (!block.warning.isEmpty()) text += block.warning + u'\n';
    return text;
}

QString html(const Block& block)
{
    const QString red = QStringLiteral(" style=\"color:#ff0000\"");
    QString text = QStringLiteral("<html><head><meta charset=\"utf-8\"/></head><body>\n"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const Line& line : block.lines) {
        text += QStringLiteral("<tr><td>") + line.caption.toHtmlEscaped() + QStringLiteral("</td><td align=\"right\"")
            + (line.overLimit ? red : QString()) + u'>' + line.value.toHtmlEscaped() + QStringLiteral("</td><td>")
            + line.unit.toHtmlEscaped() + QStringLiteral("</td></tr>\n");
    }
    if (!block.warning.isEmpty()) {
        text += QStringLiteral("<tr><td colspan=\"3\" style=\"color:#ff0000;font-weight:bold\">")
            + block.warning.toHtmlEscaped() + QStringLiteral("</td></tr>\n");
    }
    text += QStringLiteral("</table>\n</body></html>\n");
    return text;
}

} // namespace ResultText
