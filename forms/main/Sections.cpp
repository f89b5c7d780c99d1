// The main window's side of the section window TForm7: it opens on demand
// (F3, the result menu, a file given at start), follows the temperature
// difference, the material and the constants after every completeness
// check, and is asked before the program ends.
#include "forms/main/TForm1.h"

#include "core/AppState.h"
#include "forms/sections/TForm7.h"
#include "widgets/FormLook.h"

void TForm1::connectSections()
{
    connect(ActionTeilstrecken, &QAction::triggered, this, &TForm1::ActionTeilstreckenExecute);
    Edit4->addAction(ActionTeilstrecken);
}

TForm7* TForm1::createSectionWindow()
{
    auto* window = new TForm7(appState(), this);
    connect(window, &TForm7::temperatureDifferenceLoaded, this, &TForm1::TemperaturdifferenzUebernehmen);
    connect(window, &TForm7::valvesRequested, this, &TForm1::ActionVentileExecute);
    FormLook::centerOnScreen(window);
    Form7 = window;
    refreshSections();
    return window;
}

TForm7* TForm1::sectionWindow() const
{
    return Form7;
}

void TForm1::ActionTeilstreckenExecute()
{
    if (!Form7) createSectionWindow();
    FormLook::present(Form7);
    Form7->StringGrid1->setFocus();
}

void TForm1::openCircuit(const QString& path)
{
    ActionTeilstreckenExecute();
    Form7->openFile(path);
}

void TForm1::refreshSections()
{
    if (!Form7) return;
    Form7->followMainWindow(enteredInputs().temperatureDifference, appState().calc.material);
}

// A document computed with another temperature difference: its button, or
// "andere" with the value.
void TForm1::TemperaturdifferenzUebernehmen(const QString& temperatureDifference)
{
    const QString wanted = temperatureDifference.trimmed();
    if (wanted.isEmpty()) return;
    for (QRadioButton* button : differenceButtons()) {
        QString value = button->text();
        value.remove(u'&');
        value.remove(QStringLiteral(" K"));
        if (value == wanted) {
            button->click();
            return;
        }
    }
    Edit2->setText(wanted);
    RadioButton7->click();
}

bool TForm1::sectionsMayClose()
{
    return !Form7 || Form7->mayDiscardChanges();
}
