#include "forms/series/TForm8.h"

#include "core/AppState.h"
#include "core/PipeSeries.h"
#include "widgets/FormLook.h"
#include "widgets/MessageBoxes.h"

#include <QCloseEvent>
#include <QHeaderView>

namespace
{

enum Column { Designation, Diameter };

QString entry(int m, const QString& caption)
{
    return QStringLiteral("%1  %2").arg(m).arg(caption);
}

} // namespace

TForm8::TForm8(QWidget* parent)
    : QWidget(parent, FormLook::ToolWindow)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FormLook::applyPixelFonts(this);
    setFixedSize(size());
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    const PipeCatalogue& catalogue = appState().catalogue();
    for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m) {
        series_[m] = catalogue.series(m);
        ComboBox1->addItem(entry(m, series_[m].caption));
    }
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm8::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm8::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm8::BitBtn3Click);
    showMaterial(PipeCatalogue::FirstEditable);
}

void TForm8::showMaterial(int m)
{
    if (!PipeCatalogue::validMaterial(m)) return;
    if (m == material() && shown_ == m) return;
    if (m == material())
        ComboBox1Change();
    else
        ComboBox1->setCurrentIndex(m - 1); // runs ComboBox1Change
}

void TForm8::ComboBox1Change()
{
    if (shown_) store(shown_);
    shown_ = material();
    fill(shown_);
}

void TForm8::fill(int m)
{
    const PipeCatalogue::Series& series = series_[m];
    const bool editable = PipeCatalogue::editable(m);
    Edit1->setText(series.name);
    Edit2->setText(series.caption);
    Edit1->setReadOnly(!editable);
    Edit2->setReadOnly(!editable);
    BitBtn3->setEnabled(editable);
    StringGrid1->setEditTriggers(editable ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    Label4->setText(editable ? QStringLiteral("Bis zu 20 Rohre, vom kleinsten zum größten.")
                             : QStringLiteral("Materialien 1 bis 6 sind fest eingebaut und hier nur zu sehen."));
    for (int row = 0; row < PipeCatalogue::SlotCount; ++row) {
        const bool pipe = row < series.pipes.size();
        for (int column : { Designation, Diameter }) {
            const QString text = !pipe  ? QString()
                : column == Designation ? series.pipes[row].designation
                                        : series.pipes[row].innerDiameter;
            auto* item = new QTableWidgetItem(text);
            if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            StringGrid1->setItem(row, column, item);
        }
    }
    StringGrid1->scrollToTop();
}

void TForm8::store(int m)
{
    if (!PipeCatalogue::editable(m)) return;
    PipeCatalogue::Series& series = series_[m];
    series.name = Edit1->text().trimmed();
    series.caption = Edit2->text().trimmed();
    series.pipes.clear();
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        auto text = [&](int column) {
            const QTableWidgetItem* item = StringGrid1->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        QString diameter = text(Diameter);
        diameter.replace(u'.', u',');
        if (text(Designation).isEmpty() && diameter.isEmpty()) continue; // blank rows close up
        series.pipes.append({ text(Designation), diameter });
    }
    ComboBox1->setItemText(m - 1, entry(m, series.caption));
}

void TForm8::BitBtn1Click()
{
    // A cell still being edited gives its text up as it loses the focus.
    if (QWidget* editor = focusWidget(); editor && StringGrid1->viewport()->isAncestorOf(editor)) editor->clearFocus();
    store(shown_);
    fill(shown_);
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m) {
        const auto fault = PipeSeries::check(series_[m]);
        if (!fault) continue;
        showMaterial(m);
        QString where = QStringLiteral("Material %1 (%2)").arg(m).arg(series_[m].caption);
        if (fault->row >= 1 && fault->row <= PipeCatalogue::SlotCount) {
            where += QStringLiteral(", Zeile %1").arg(fault->row);
            StringGrid1->setCurrentCell(fault->row - 1, Designation);
            StringGrid1->setFocus();
        } else {
            Edit1->setFocus();
        }
        MessageBoxes::warning(this, QStringLiteral("Rohrsysteme"),
            where + QStringLiteral(": ") + fault->text + QStringLiteral("\rEs wurde nichts gespeichert."));
        return;
    }

    PipeCatalogue catalogue = appState().catalogue();
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m)
        catalogue.setSeries(m, series_[m]);
    const SettingsFile::WriteResult written = PipeSeries::save(catalogue);
    if (!written) MessageBoxes::error(this, SettingsFile::writeErrorMessage(written.path, written.reason));
    Q_EMIT saved();
    appState().setCatalogue(catalogue);
    close();
}

void TForm8::BitBtn2Click()
{
    close();
}

void TForm8::BitBtn3Click()
{
    if (!PipeCatalogue::editable(shown_)) return;
    series_[shown_] = PipeCatalogue::standardSeries(shown_);
    ComboBox1->setItemText(shown_ - 1, entry(shown_, series_[shown_].caption));
    fill(shown_);
}

void TForm8::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT left();
}
