#include "forms/constants/TForm2.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "forms/constants/Settings.h"
#include "widgets/FormLook.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumericKeys.h"

#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace
{

// The fifteen number fields in read-back order: the record value each edits,
// its decimals, and for the three water properties the table a temperature
// choice fills them from.
struct NumberField {
    QLineEdit* Ui::TForm2::*edit;
    float& (*value)(SettingsRecord&);
    int decimals;
    float (*atTemperature)(const SettingsRecord&, int k) = nullptr;
};

constexpr NumberField NumberFields[] {
    { &Ui::TForm2::Edit1, [](SettingsRecord& r) -> float& { return r.densityInUse; }, 1,
        [](const SettingsRecord& r, int k) { return r.densityAt(k); } },
    { &Ui::TForm2::Edit2, [](SettingsRecord& r) -> float& { return r.heatCapacityInUse; }, 0,
        [](const SettingsRecord& r, int k) { return r.heatCapacityAt(k); } },
    { &Ui::TForm2::Edit3, [](SettingsRecord& r) -> float& { return r.viscosityInUse; }, 3,
        [](const SettingsRecord& r, int k) { return r.viscosityAt(k); } },
    { &Ui::TForm2::Edit11, [](SettingsRecord& r) -> float& { return r.roughnessAt(1); }, 4 },
    { &Ui::TForm2::Edit12, [](SettingsRecord& r) -> float& { return r.roughnessAt(2); }, 4 },
    { &Ui::TForm2::Edit13, [](SettingsRecord& r) -> float& { return r.roughnessAt(3); }, 4 },
    { &Ui::TForm2::Edit14, [](SettingsRecord& r) -> float& { return r.roughnessAt(4); }, 4 },
    { &Ui::TForm2::Edit15, [](SettingsRecord& r) -> float& { return r.roughnessAt(5); }, 4 },
    { &Ui::TForm2::Edit16, [](SettingsRecord& r) -> float& { return r.roughnessAt(6); }, 4 },
    { &Ui::TForm2::Edit17, [](SettingsRecord& r) -> float& { return r.roughnessAt(7); }, 4 },
    { &Ui::TForm2::Edit18, [](SettingsRecord& r) -> float& { return r.roughnessAt(8); }, 4 },
    { &Ui::TForm2::Edit19, [](SettingsRecord& r) -> float& { return r.roughnessAt(9); }, 4 },
    { &Ui::TForm2::Edit20, [](SettingsRecord& r) -> float& { return r.roughnessAt(10); }, 4 },
    { &Ui::TForm2::Edit8, [](SettingsRecord& r) -> float& { return r.rMax; }, 0 },
    { &Ui::TForm2::Edit9, [](SettingsRecord& r) -> float& { return r.wMax; }, 2 },
};

constexpr int RoughnessField = 3; // NumberFields index of roughness 1

// Outer size of the window, frame included.
constexpr QSize DesignFrameSize { 384, 489 };

QIcon standardIcon(const QStyle* style, QStyle::StandardPixmap wanted, QStyle::StandardPixmap fallback)
{
    const QIcon icon = style->standardIcon(wanted);
    return icon.isNull() ? style->standardIcon(fallback) : icon;
}

} // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, FormLook::ToolWindow)
{
    setupUi(this);
    FormLook::applyPixelFonts(this);
    BitBtn1->setIcon(standardIcon(style(), QStyle::SP_DialogOkButton, QStyle::SP_DialogApplyButton));
    BitBtn3->setIcon(standardIcon(style(), QStyle::SP_DialogRetryButton, QStyle::SP_BrowserReload));
    BitBtn2->setIcon(standardIcon(style(), QStyle::SP_DialogAbortButton, QStyle::SP_DialogCancelButton));
    BitBtn4->setIcon(standardIcon(style(), QStyle::SP_FileDialogDetailedView, QStyle::SP_FileIcon));
    BitBtn5->setIcon(standardIcon(style(), QStyle::SP_FileDialogDetailedView, QStyle::SP_FileIcon));
    refreshLabelSizes();

    for (QRadioButton* button : temperatureButtons())
        connect(button, &QRadioButton::clicked, this, [this, button] { TempButtonClick(button); });
    FormLook::tabToCheckedRadioButtons(this);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm2::CheckBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm2::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm2::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm2::seriesRequested);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm2::valvesRequested);
    showMaterialCaptions();
    connect(&appState(), &AppState::changed, this, [this](AppState::Parts what) {
        if (what.testFlag(AppState::Part::Catalogue)) showMaterialCaptions();
    });
    for (const NumberField& field : NumberFields) {
        (this->*field.edit)->installEventFilter(this);
        NumericKeys::guard(this->*field.edit);
    }
    // The first control of the tab order has the focus when the dialog opens.
    BitBtn1->setFocus();

    FormLook::centerOnScreen(this);
}

// The design position: centred on the screen, with the design outer size
// once the platform tells the frame's size.
void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownBefore) return;
    shownBefore = true;
    placeAtDesignPosition();
}

void TForm2::placeAtDesignPosition()
{
    const QSize frame = frameGeometry().size() - size();
    if (!frame.isNull()) resize(DesignFrameSize - frame);
    FormLook::centerOnScreen(this);
}

TForm2::Shared& TForm2::shared()
{
    static Shared state;
    return state;
}

TForm2* TForm2::current()
{
    return shared().current;
}

void TForm2::setCurrent(TForm2* dialog)
{
    shared().current = dialog;
}

QPoint TForm2::placeBeside(const QRect& mainFrame, int dialogFrameWidth)
{
    const double halfDifference = (double(mainFrame.width()) - double(dialogFrameWidth)) / 2.0;
    return { mainFrame.left() + int(std::trunc(halfDifference)), mainFrame.top() + 68 };
}

void TForm2::Startprozeduren()
{
    if (const QWidget* mainWindow = parentWidget())
        move(placeBeside(mainWindow->frameGeometry(), frameGeometry().width()));
    refreshLabelSizes();
    if (!appState().settingsFileError()) {
        if (!Settings::Vorgaben_einlesen(this)) Q_EMIT settingsReadFailed();
        Vorgaben_eintragen();
    }
    shared().dialogInitialised = true;
}

void TForm2::showMaterialCaptions()
{
    const PipeCatalogue& catalogue = appState().catalogue();
    const auto buttons = materialButtons();
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m) {
        QString caption = catalogue.caption(m);
        buttons[m - 1]->setText(caption.replace(u'&', QStringLiteral("&&")));
        (this->*NumberFields[RoughnessField + m - 1].edit)
            ->setAccessibleName(QStringLiteral("Rauhigkeit %1 in mm").arg(catalogue.caption(m)));
    }
}

void TForm2::refreshLabelSizes()
{
    const auto labels = findChildren<QLabel*>();
    for (QLabel* label : labels)
        label->adjustSize();
}

void TForm2::Vorgaben_eintragen()
{
    const SettingsRecord& settings = appState().settings();

    const int temperature = settings.temperatureIndex;
    if (temperature >= 1 && temperature <= int(temperatureButtons().size()))
        temperatureButtons()[temperature - 1]->setChecked(true);
    CheckBox1->setChecked(settings.manualOverride != 0);
    Aendern();
    const int material = settings.materialIndex;
    if (material >= 1 && material <= int(materialButtons().size())) materialButtons()[material - 1]->setChecked(true);
    SettingsRecord shown = settings;
    for (const NumberField& field : NumberFields)
        (this->*field.edit)->setText(NumberText::fixed(field.value(shown), field.decimals));
}

void TForm2::Einlesen()
{
    SettingsRecord settings = appState().settings();

    const auto temperatures = temperatureButtons();
    for (int k = 1; k <= int(temperatures.size()); ++k) {
        if (temperatures[k - 1]->isChecked()) {
            settings.temperatureIndex = std::uint8_t(k);
            break;
        }
    }
    const auto materials = materialButtons();
    for (int m = 1; m <= int(materials.size()); ++m) {
        if (materials[m - 1]->isChecked()) {
            settings.materialIndex = std::uint8_t(m);
            break;
        }
    }

    // Each field is stored as soon as it is read; the first one that does not
    // hold a number stops the read-back, and what was read before it stays.
    for (const NumberField& field : NumberFields) {
        const auto value = NumberText::read((this->*field.edit)->text());
        if (!value) {
            appState().setSettings(settings);
            MessageBoxes::warning(this, QStringLiteral("Eingabe überprüfen"),
                QStringLiteral("Fehlerhafte Eingabe in einem Eingabefeld !\rBitte überprüfen."));
            shared().dialogInputError = true;
            return;
        }
        field.value(settings) = static_cast<float>(*value); // read() accepts only values within float range
    }
    appState().setSettings(settings);
}

void TForm2::Aendern()
{
    const bool manual = CheckBox1->isChecked();
    for (QLineEdit* edit : { Edit1, Edit2, Edit3 })
        edit->setEnabled(manual);
    if ((appState().settings().manualOverride != 0) != manual) {
        SettingsRecord settings = appState().settings();
        settings.manualOverride = manual ? 1 : 0;
        appState().setSettings(settings);
    }
    Label1->setEnabled(!manual);
    // Unchecking gives back the visible buttons only; "0° C" stays as it was.
    const auto temperatures = temperatureButtons();
    for (QRadioButton* button : temperatures) {
        if (manual)
            button->setEnabled(false);
        else if (button != RadioButton1)
            button->setEnabled(true);
    }
}

void TForm2::TempButtonClick(QRadioButton* sender)
{
    const auto temperatures = temperatureButtons();
    const auto found = std::find(temperatures.begin(), temperatures.end(), sender);
    if (found == temperatures.end()) return;
    const int k = int(found - temperatures.begin()) + 1;
    SettingsRecord settings = appState().settings();
    settings.temperatureIndex = std::uint8_t(k);
    appState().setSettings(settings);
    for (const NumberField& field : NumberFields) {
        if (field.atTemperature)
            (this->*field.edit)->setText(NumberText::fixed(field.atTemperature(settings, k), field.decimals));
    }
}

void TForm2::Standardwerte()
{
    AppState& state = appState();
    SettingsRecord settings = state.settings();
    settings.applyStandardValues(state.settingsFileError());
    if (!state.settingsFileError()) settings.manualOverride = 0;
    state.setSettings(settings);
    if (!state.settingsFileError()) {
        CheckBox1->setChecked(false);
        RadioButton6->setChecked(true);
        Aendern();
    }
    Vorgaben_eintragen();
}

void TForm2::BitBtn1Click()
{
    Einlesen();
    if (!shared().dialogInputError) {
        Settings::Vorgaben_Speichern(this);
        leave();
    }
    shared().dialogInputError = false;
}

void TForm2::BitBtn2Click()
{
    leave();
}

// Saved or cancelled, a dialog is never shown again: the next "Konstanten"
// creates a fresh one. So it goes, instead of piling up hidden.
void TForm2::leave()
{
    close();
    shared().dialogInitialised = false;
    deleteLater();
    Q_EMIT left();
}

bool TForm2::Real_Press(QLineEdit* edit, QEvent* event)
{
    return NumericKeys::filter(edit, event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
        for (const NumberField& field : NumberFields) {
            if (this->*field.edit == edit) return Real_Press(edit, event);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Enter in a control that leaves it unhandled (edits, check box, radio
// buttons) presses the default button; a focused button handles Enter itself.
// Escape does nothing.
void TForm2::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && BitBtn1->isEnabled()) {
        event->accept();
        BitBtn1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

std::array<QRadioButton*, 7> TForm2::temperatureButtons() const
{
    return { RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5, RadioButton6, RadioButton7 };
}

std::array<QRadioButton*, 10> TForm2::materialButtons() const
{
    return { RadioButton11, RadioButton12, RadioButton13, RadioButton14, RadioButton15, RadioButton16, RadioButton17,
        RadioButton18, RadioButton19, RadioButton20 };
}
