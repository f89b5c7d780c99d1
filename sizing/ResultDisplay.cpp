// The main window's result column.
#include "app/TForm1.h"

#include "app/AppState.h"
#include "app/FormLook.h"
#include "sizing/NumberText.h"

#include <QAccessible>

namespace
{

// A screen reader hears a result's caption as its name and the value it
// shows as its description, and announces a changed description.
void describeValues(std::initializer_list<QLabel*> results)
{
    for (QLabel* result : results) {
        if (result->accessibleDescription() == result->text()) continue;
        result->setAccessibleDescription(result->text());
        QAccessibleEvent changed(result, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

} // namespace

void TForm1::Anzeigen()
{
    const AppState& state = appState();
    if (state.settingsFileError) return;
    const CalcState& calc = state.calc;

    Panel1->setText(state.catalogue.designation(calc.material, calc.selectedPipe));
    Panel6->setText(NumberText::grouped(calc.diameter, 1));
    // Runs the completeness check again when the text changes; the repeated
    // calculation sets the same text, which raises no further change.
    if (!calc.manualMode) Edit4->setText(NumberText::fixed(calc.manualDiameter, 1));
    Panel2->setText(NumberText::grouped(calc.pressureGradient, 2));
    Panel3->setText(NumberText::grouped(calc.volumeFlow * 3600.0L, 3));
    Panel4->setText(NumberText::grouped(calc.massFlow * 3600.0L, 0));
    Panel5->setText(NumberText::grouped(calc.velocity, 3));

    const bool tooSteep = calc.pressureGradient > state.settings.rMax;
    const bool tooFast = calc.velocity > state.settings.wMax;
    FormLook::setPanelColor(Panel2, tooSteep ? FormLook::Red : FormLook::buttonFace());
    FormLook::setPanelColor(Panel5, tooFast ? FormLook::Red : FormLook::buttonFace());
    if (tooSteep || tooFast) {
        Label5->setText(QStringLiteral("LEISTUNG ZU GROSS !"));
        FormLook::setTextColor(Label5, FormLook::Red);
    } else {
        Label5->setText(QStringLiteral("- ") + state.catalogue.materialName(calc.material) + QStringLiteral(" -"));
        FormLook::setTextColor(Label5, FormLook::Blue);
    }
    Label5->adjustSize();
    describeValues({ Label5, Panel1, Panel6, Panel2, Panel3, Panel4, Panel5 });
}

void TForm1::ErgebnisseLoeschen()
{
    if (!appState().calc.manualMode) Panel1->clear();
    for (QLabel* panel : { Panel2, Panel3, Panel4, Panel5, Panel6 })
        panel->clear();
    FormLook::setPanelColor(Panel2, FormLook::buttonFace());
    FormLook::setPanelColor(Panel5, FormLook::buttonFace());
    describeValues({ Panel1, Panel6, Panel2, Panel3, Panel4, Panel5 });
}
