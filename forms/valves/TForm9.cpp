#include "forms/valves/TForm9.h"

#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "core/ValveSeries.h"
#include "widgets/FormLook.h"
#include "widgets/MessageBoxes.h"

#include <QCloseEvent>
#include <QHeaderView>

#include <algorithm>

namespace
{

enum Column { Label, Kv };
constexpr int Unlimited = 32767; // QLineEdit's maximum length by default

} // namespace

TForm9::TForm9(QWidget* parent)
    : QWidget(parent, FormLook::ToolWindow)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    FormLook::applyPixelFonts(this);
    setFixedSize(size());
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    const ValveCatalogue& catalogue = appState().valves();
    for (int n = 1; n <= catalogue.count(); ++n) {
        series_.append(catalogue.series(n));
        if (!catalogue.contains(n)) continue; // a vacant number
        auto* item = new QListWidgetItem(entry(n), ListBox1);
        item->setData(Qt::UserRole, n);
    }
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TForm9::ListBox1Change);
    connect(Edit2, &QLineEdit::textEdited, this, &TForm9::Edit2Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm9::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm9::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm9::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm9::BitBtn4Click);
    // The user's first series, else the first standard one.
    showSeries(catalogue.count() > ValveCatalogue::standardCount() ? ValveCatalogue::standardCount() + 1 : 1);
}

int TForm9::number() const
{
    const QListWidgetItem* item = ListBox1->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

QListWidgetItem* TForm9::itemOf(int number) const
{
    for (int row = 0; row < ListBox1->count(); ++row)
        if (ListBox1->item(row)->data(Qt::UserRole).toInt() == number) return ListBox1->item(row);
    return nullptr;
}

QString TForm9::entry(int number) const
{
    const QString caption = series_[number - 1].caption;
    return QStringLiteral("%1  %2").arg(number).arg(caption.isEmpty() ? QStringLiteral("(neu)") : caption);
}

void TForm9::showSeries(int number)
{
    QListWidgetItem* item = itemOf(number);
    if (!item) return;
    if (number == this->number() && shown_ == number) return;
    if (number == this->number())
        ListBox1Change();
    else
        ListBox1->setCurrentItem(item); // runs ListBox1Change
}

void TForm9::ListBox1Change()
{
    if (number() < 1) return;
    if (shown_) store(shown_);
    shown_ = number();
    fill(shown_);
}

void TForm9::Edit2Change()
{
    if (!editable(shown_)) return;
    series_[shown_ - 1].caption = Edit2->text().trimmed();
    if (QListWidgetItem* item = itemOf(shown_)) item->setText(entry(shown_));
}

void TForm9::fill(int number)
{
    const ValveCatalogue::Series& series = series_[number - 1];
    const bool own = editable(number);
    // The standard series' names may be longer than the user's.
    Edit1->setMaxLength(own ? ValveCatalogue::NameLength : Unlimited);
    Edit2->setMaxLength(own ? ValveCatalogue::CaptionLength : Unlimited);
    Edit1->setText(series.name);
    Edit2->setText(series.caption);
    Edit1->setReadOnly(!own);
    Edit2->setReadOnly(!own);
    StringGrid1->setEditTriggers(own ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    Label4->setText(own ? QStringLiteral("Bis zu %1 Stufen, kv aufsteigend.").arg(ValveCatalogue::MaxSteps)
                        : QStringLiteral("Standardreihe: fest eingebaut, nur zu sehen."));
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        const bool step = row < series.steps.size();
        for (int column : { Label, Kv }) {
            const QString text = !step ? QString() : column == Label ? series.steps[row].label : series.steps[row].kv;
            auto* item = new QTableWidgetItem(text);
            if (!own) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            StringGrid1->setItem(row, column, item);
        }
    }
    StringGrid1->scrollToTop();
    updateButtons();
}

void TForm9::store(int number)
{
    if (!editable(number)) return;
    ValveCatalogue::Series& series = series_[number - 1];
    series.name = Edit1->text().trimmed();
    series.caption = Edit2->text().trimmed();
    series.steps.clear();
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        auto text = [&](int column) {
            const QTableWidgetItem* item = StringGrid1->item(row, column);
            return item ? item->text().trimmed() : QString();
        };
        QString kv = text(Kv);
        kv.replace(u'.', u',');
        if (text(Label).isEmpty() && kv.isEmpty()) continue; // blank rows close up
        series.steps.append({ text(Label), kv });
    }
    if (QListWidgetItem* item = itemOf(number)) item->setText(entry(number));
}

void TForm9::updateButtons()
{
    BitBtn3->setEnabled(series_.size() < ValveCatalogue::MaxSeries);
    BitBtn4->setEnabled(editable(shown_));
}

// A cell still being edited gives its text up as it loses the focus.
void TForm9::takeEditedCell()
{
    if (QWidget* editor = focusWidget(); editor && StringGrid1->viewport()->isAncestorOf(editor)) editor->clearFocus();
}

void TForm9::BitBtn1Click()
{
    takeEditedCell();
    store(shown_);
    fill(shown_);
    for (int n = ValveCatalogue::standardCount() + 1; n <= series_.size(); ++n) {
        if (!itemOf(n)) continue; // a vacant number
        const auto fault = ValveSeries::check(series_[n - 1]);
        if (!fault) continue;
        showSeries(n);
        QString where = QStringLiteral("Ventilreihe %1").arg(n);
        if (!series_[n - 1].caption.isEmpty()) where += QStringLiteral(" (%1)").arg(series_[n - 1].caption);
        if (fault->row >= 1 && fault->row <= StringGrid1->rowCount()) {
            where += QStringLiteral(", Zeile %1").arg(fault->row);
            StringGrid1->setCurrentCell(fault->row - 1, Label);
            StringGrid1->setFocus();
        } else {
            Edit1->setFocus();
        }
        MessageBoxes::warning(this, QStringLiteral("Ventile"),
            where + QStringLiteral(": ") + fault->text + QStringLiteral("\rEs wurde nichts gespeichert."));
        return;
    }

    ValveCatalogue catalogue;
    QList<ValveCatalogue::Series> own = series_.mid(ValveCatalogue::standardCount());
    for (int k = 0; k < own.size(); ++k)
        if (!itemOf(ValveCatalogue::standardCount() + 1 + k)) own[k] = {};
    catalogue.setUserSeries(own);
    const SaveFile::Result written = ValveSeries::save(catalogue);
    if (!written) MessageBoxes::error(this, SettingsFile::writeErrorMessage(written.path, written.reason));
    Q_EMIT saved();
    appState().setValves(catalogue);
    close();
}

void TForm9::BitBtn2Click()
{
    close();
}

void TForm9::BitBtn3Click()
{
    if (series_.size() >= ValveCatalogue::MaxSeries) return;
    takeEditedCell();
    series_.append(ValveCatalogue::Series {});
    const int added = int(series_.size());
    auto* item = new QListWidgetItem(entry(added), ListBox1);
    item->setData(Qt::UserRole, added);
    showSeries(added);
    Edit1->setFocus();
}

void TForm9::BitBtn4Click()
{
    if (!editable(shown_)) return;
    takeEditedCell();
    const int gone = shown_;
    series_[gone - 1] = {}; // its number stays vacant
    shown_ = 0; // nothing to store
    {
        const QSignalBlocker quiet(ListBox1);
        const int row = ListBox1->row(itemOf(gone));
        delete ListBox1->takeItem(row);
        ListBox1->setCurrentRow(std::min(row, ListBox1->count() - 1));
    }
    ListBox1Change();
    ListBox1->setFocus();
}

void TForm9::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT left();
}
