// The main window's inputs: key filter, reading the inputs into the
// calculation state, the completeness check that runs the calculation after
// every change, and manual-diameter mode.
#include "forms/main/TForm1.h"

#include "core/AppState.h"
#include "core/Calculation.h"
#include "core/InputRules.h"
#include "core/NumberText.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumericKeys.h"

#include <QScopeGuard>
#include <optional>

void TForm1::connectInputs()
{
    for (QLineEdit* edit : { Edit1, Edit2, Edit4 }) {
        edit->installEventFilter(this);
        NumericKeys::guard(edit);
    }
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::EditChange);
    connect(Edit2, &QLineEdit::textChanged, this, &TForm1::EditChange);
    // In automatic mode Edit4 is hidden and written only by Anzeigen, with the
    // result of the check that is running; checking again would repeat it.
    connect(Edit4, &QLineEdit::textChanged, this, [this] {
        if (appState().calc.manualMode) EditChange();
    });
    for (QRadioButton* button : differenceButtons())
        connect(button, &QRadioButton::clicked, this, &TForm1::RadioButton1Click);
    connect(RadioButton7, &QRadioButton::clicked, this, &TForm1::RadioButton1Click);
    for (QRadioButton* button : materialButtons())
        connect(button, &QRadioButton::clicked, this, &TForm1::RohrClick);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(UpDown1, &UpDown::changing, this, &TForm1::UpDown1Changing);
}

bool TForm1::Edit1KeyPress(QLineEdit* edit, QEvent* event)
{
    return NumericKeys::filter(edit, event);
}

void TForm1::Einlesen()
{
    CalcState& calc = appState().calc;
    inputError = false;

    // Reads a field; an empty one counts as 0. Sets the input-error flag and
    // tells the user when the text is not a number.
    auto read = [&](const QLineEdit* edit) {
        const std::optional<long double> value = InputRules::fieldValue(edit->text());
        if (!value) {
            MessageBoxes::plain(this, QStringLiteral("Fehlerhafte Eingabe!"));
            inputError = true;
        }
        return value;
    };

    const auto kilowatts = read(Edit1);
    if (!kilowatts) return;
    calc.heatOutput = InputRules::toFloat(*kilowatts * 1000);

    if (calc.manualMode) {
        const auto diameter = read(Edit4);
        if (!diameter) return;
        calc.manualDiameter = InputRules::toFloat(*diameter);
    }

    const auto buttons = differenceButtons();
    if (const auto checked = std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); });
        checked != buttons.end()) {
        calc.temperatureDifference = InputRules::TemperatureDifferences[std::size_t(checked - buttons.begin())];
    } else if (RadioButton7->isChecked()) {
        const auto difference = read(Edit2);
        if (!difference) return;
        calc.temperatureDifference = InputRules::toFloat(*difference);
    }

    const auto materials = materialButtons();
    if (const auto checked = std::find_if(materials.begin(), materials.end(), [](auto* b) { return b->isChecked(); });
        checked != materials.end())
        calc.material = int(checked - materials.begin()) + 1;
}

void TForm1::DatenVollstaendig()
{
    const CalcState& calc = appState().calc;
    if (appState().settingsFileError()) return;
    const auto sections = qScopeGuard([this] { refreshSections(); });

    Einlesen();
    if (inputError) return;

    InputRules::Gap gap = InputRules::gap(calc, InputRules::fieldValue(Edit1->text()).value_or(0));
    // Without a checked button the difference is unknown.
    const auto buttons = differenceButtons();
    if (gap == InputRules::Gap::None && !RadioButton7->isChecked()
        && std::none_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); }))
        gap = InputRules::Gap::TemperatureDifference;
    if (gap != InputRules::Gap::None) {
        resultsValid = false;
        ErgebnisseLoeschen();
        if (gap == InputRules::Gap::HeatOutputTooLarge) Edit1->setText(QStringLiteral("0"));
        return;
    }
    resultsValid = true;
    Berechnen();
}

void TForm1::Berechnen()
{
    AppState& state = appState();
    if (state.settingsFileError() || creating) return;
    const ArithmeticFault fault = Calculation::Berechnen(state.calc, state.settings(), state.catalogue());
    if (fault != ArithmeticFault::None) {
        MessageBoxes::show(this, { QMessageBox::Critical, QStringLiteral("Fluvano"), arithmeticFaultMessage(fault) });
        return;
    }
    Anzeigen();
}

void TForm1::RadioButton1Click()
{
    if (RadioButton7->isChecked()) {
        Edit2->setEnabled(true);
        Edit2->setFocus();
    } else {
        Edit2->setEnabled(false);
    }
    DatenVollstaendig();
}

void TForm1::CheckBox1Click()
{
    CalcState& calc = appState().calc;
    const bool manual = CheckBox1->isChecked();
    if (manual) {
        Edit4->show();
        Panel6->hide();
        Edit4->setFocus();
        calc.manualMode = true;
        UpDown1->show();
        Edit5->setText(QString::number(calc.selectedPipe));
        Label4->setText(QStringLiteral("&gewähltes Rohr:"));
        Panel1->setAccessibleName(QStringLiteral("gewähltes Rohr"));
    } else {
        Edit4->hide();
        Panel6->show();
        UpDown1->hide();
        Label4->setText(QStringLiteral("empfohlenes Rohr:"));
        Panel1->setAccessibleName(QStringLiteral("empfohlenes Rohr"));
        calc.manualMode = false;
    }
    for (QRadioButton* button : materialButtons())
        button->setEnabled(!manual);
    DatenVollstaendig();
}

void TForm1::UpDown1Changing()
{
    AppState& state = appState();
    const int shown = NumberText::readInteger(Edit5->text()).value_or(state.calc.selectedPipe);
    state.calc.selectedPipe = std::clamp(shown, 1, PipeCatalogue::SlotCount);
    Edit4->setText(state.catalogue().innerDiameterText(state.calc.material, state.calc.selectedPipe));
}
