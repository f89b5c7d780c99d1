// The main window's result column.
#include "forms/main/TForm1.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "core/ResultText.h"
#include "widgets/FocusFrame.h"
#include "widgets/FormLook.h"

namespace
{

// A screen reader hears a result's caption as its name and the value it
// shows as its description; the result's focus frame, which takes the
// keyboard for it, carries both and announces a changed value.
void describeValues(std::initializer_list<QLabel*> results)
{
    for (QLabel* result : results) {
        if (result->accessibleDescription() == result->text()) continue;
        result->setAccessibleDescription(result->text());
        if (auto* frame = result->findChild<FocusFrame*>(QString(), Qt::FindDirectChildrenOnly)) frame->describe();
    }
}

} // namespace

void TForm1::Anzeigen()
{
    const AppState& state = appState();
    if (state.settingsFileError()) return;
    const CalcState& calc = state.calc;

    const ResultText::Panels panels = ResultText::panels(calc, state.settings(), state.catalogue());

    Panel1->setText(panels.designation);
    Panel6->setText(panels.innerDiameter);
    // The recommended pipe's diameter, where manual mode starts from. Edit4 is
    // hidden now, and its change runs no check until manual mode.
    if (!calc.manualMode) Edit4->setText(NumberText::fixed(calc.manualDiameter, 1));
    Panel2->setText(panels.pressureGradient);
    Panel3->setText(panels.volumeFlow);
    Panel4->setText(panels.massFlow);
    Panel5->setText(panels.velocity);

    FormLook::setPanelColor(Panel2, panels.tooSteep ? FormLook::Red : FormLook::buttonFace());
    FormLook::setPanelColor(Panel5, panels.tooFast ? FormLook::Red : FormLook::buttonFace());
    Label5->setText(panels.materialLine);
    FormLook::setTextColor(Label5, panels.overloaded() ? FormLook::Red : FormLook::Blue);
    Label5->adjustSize();
    describeValues({ Label5, Panel1, Panel6, Panel2, Panel3, Panel4, Panel5 });
    keepShownResult();
}

void TForm1::ErgebnisseLoeschen()
{
    if (!appState().calc.manualMode) Panel1->clear();
    for (QLabel* panel : { Panel2, Panel3, Panel4, Panel5, Panel6 })
        panel->clear();
    FormLook::setPanelColor(Panel2, FormLook::buttonFace());
    FormLook::setPanelColor(Panel5, FormLook::buttonFace());
    describeValues({ Panel1, Panel6, Panel2, Panel3, Panel4, Panel5 });
    dropShownResult();
}
