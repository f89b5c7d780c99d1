// The main window's result leaves the program: copy, print, PDF and the pipe
// overview, all from the result as the panels show it.
#include "forms/main/ResultActions.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "core/PipeOverview.h"
#include "forms/main/TForm1.h"
#include "forms/overview/TForm6.h"
#include "report/ResultSheet.h"
#include "widgets/FileDialogs.h"
#include "widgets/MessageBoxes.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

namespace ResultActions
{

namespace
{
    QString fileNamePart(const QString& text)
    {
        QString part;
        for (const QChar c : text) {
            if (c.isSpace()) continue;
            const bool safe = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')
                || c == u',' || c == u'-';
            part += safe ? c : u'_';
        }
        return part;
    }
} // namespace

QString suggestedFileName(const ResultText::Inputs& inputs, const QString& designation)
{
    return QStringLiteral("Fluvano_%1kW_%2K_%3.pdf")
        .arg(fileNamePart(inputs.heatOutput), fileNamePart(inputs.temperatureDifference), fileNamePart(designation));
}

} // namespace ResultActions

namespace
{

// A number field with a selection copies it on Ctrl+C; without one the key
// copies the result. QLineEdit claims the key in either case.
class CopyKeyInEdits : public QObject
{
public:
    CopyKeyInEdits(QAction* copy, QObject* parent)
        : QObject(parent)
        , copy_(copy)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto* edit = qobject_cast<const QLineEdit*>(watched);
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!edit || edit->hasSelectedText() || !copy_->isEnabled()
            || QKeySequence(key->keyCombination()) != copy_->shortcut())
            return false;
        event->ignore();
        return true;
    }

private:
    QAction* copy_;
};

} // namespace

void TForm1::connectActions()
{
    connect(ActionKopieren, &QAction::triggered, this, &TForm1::ActionKopierenExecute);
    connect(ActionDrucken, &QAction::triggered, this, &TForm1::ActionDruckenExecute);
    connect(ActionPdf, &QAction::triggered, this, &TForm1::ActionPdfExecute);
    connect(ActionRohruebersicht, &QAction::triggered, this, &TForm1::ActionRohruebersichtExecute);
    connect(ActionRohrsysteme, &QAction::triggered, this, &TForm1::ActionRohrsystemeExecute);
    auto* copyKey = new CopyKeyInEdits(ActionKopieren, this);
    for (QLineEdit* edit : { Edit1, Edit2, Edit4 })
        edit->installEventFilter(copyKey);
    // Edit4 stands on the result side: its own menu offers them after its
    // editing commands.
    Edit4->addActions({ ActionKopieren, ActionDrucken, ActionPdf, ActionRohruebersicht, ActionRohrsysteme });
}

ResultText::Inputs TForm1::enteredInputs() const
{
    ResultText::Inputs inputs;
    inputs.heatOutput = Edit1->text();
    inputs.temperatureDifference
        = RadioButton7->isChecked() ? Edit2->text() : NumberText::fixed(appState().calc.temperatureDifference, 0);
    return inputs;
}

void TForm1::keepShownResult()
{
    const AppState& state = appState();
    shownResult = ShownResult { enteredInputs(), state.calc, state.settings() };
    updateResultActions();
}

void TForm1::dropShownResult()
{
    shownResult.reset();
    updateResultActions();
}

void TForm1::updateResultActions()
{
    for (QAction* action : { ActionKopieren, ActionDrucken, ActionPdf })
        action->setEnabled(shownResult.has_value());
    refreshPipeOverview();
}

void TForm1::refreshPipeOverview()
{
    if (!Form6 || !Form6->isVisible()) return;
    if (!shownResult) {
        Form6->Anzeigen({}, false);
        return;
    }
    Form6->Anzeigen(PipeOverview::compute(shownResult->calc, shownResult->settings, appState().catalogue()),
        shownResult->calc.manualMode);
}

void TForm1::ActionKopierenExecute()
{
    if (!shownResult) return;
    const ResultText::Block block
        = ResultText::block(shownResult->inputs, shownResult->calc, shownResult->settings, appState().catalogue());
    auto* data = new QMimeData;
    data->setText(ResultText::plainText(block));
    data->setHtml(ResultText::html(block));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TForm1::ActionDruckenExecute()
{
    if (!shownResult) return;
    const ResultSheet sheet(
        shownResult->inputs, shownResult->calc, shownResult->settings, appState().catalogue(), QDate::currentDate());
    FileDialogs::print(
        this, ResultSheet::title(), QStringLiteral("Ergebnis drucken"), QPageLayout::Portrait,
        [&sheet](
            QPainter& painter, QPrinter& printer) { sheet.paint(painter, printer.paperRect(QPrinter::DevicePixel)); },
        QStringLiteral("Das Ergebnis konnte nicht gedruckt werden."));
}

void TForm1::ActionPdfExecute()
{
    if (!shownResult) return;
    const AppState& state = appState();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString designation
        = ResultText::panels(shownResult->calc, shownResult->settings, state.catalogue()).designation;
    QString path = FileDialogs::choose(this, FileDialogs::Purpose::Pdf,
        QDir(folder).filePath(ResultActions::suggestedFileName(shownResult->inputs, designation)));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");

    const ResultSheet sheet(
        shownResult->inputs, shownResult->calc, shownResult->settings, state.catalogue(), QDate::currentDate());
    QString reason;
    if (!sheet.writePdf(path, &reason)) {
        MessageBoxes::error(this,
            QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden:\r%1\r%2")
                .arg(QDir::toNativeSeparators(path), reason));
    }
}

void TForm1::RohrUebernehmen(int pipe)
{
    AppState& state = appState();
    // The overview lists the shown result's material; a material changed
    // since (by a calculation that failed) has other pipes.
    if (!shownResult || shownResult->calc.material != state.calc.material) return;
    if (!CheckBox1->isChecked()) CheckBox1->click();
    if (!state.calc.manualMode) return;
    state.calc.selectedPipe = std::clamp(pipe, 1, PipeCatalogue::SlotCount);
    Edit5->setText(QString::number(state.calc.selectedPipe));
    const QString diameter = state.catalogue().innerDiameterText(state.calc.material, state.calc.selectedPipe);
    if (Edit4->text() == diameter)
        DatenVollstaendig(); // the pipe may differ while the diameter does not
    else
        Edit4->setText(diameter);
}
