#include "forms/sections/TForm7.h"

#include "core/AppState.h"
#include "core/CircuitFile.h"
#include "core/CircuitTable.h"
#include "core/SaveFile.h"
#include "forms/sections/NetworkView.h"
#include "forms/sections/SectionModel.h"
#include "report/CircuitSheet.h"
#include "widgets/FileDialogs.h"
#include "widgets/FormLook.h"
#include "widgets/MessageBoxes.h"
#include "widgets/NumericKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace
{

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

TForm7::TForm7(AppState& data, QWidget* parent)
    : QWidget(parent, FormLook::ToolWindow)
    , data_(data)
    , model_(new SectionModel(data, this))
{
    setupUi(this);
    FormLook::applyPixelFonts(this);
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    MenuBar->setNativeMenuBar(false);
    QMenu* file = MenuBar->addMenu(QStringLiteral("Da&tei"));
    file->addActions({ ActionNeu, ActionOeffnen, ActionSpeichern, ActionSpeichernUnter });
    file->addSeparator();
    file->addActions({ ActionCsvImportieren, ActionCsvExportieren });
    file->addSeparator();
    file->addActions({ ActionDrucken, ActionPdf });
    file->addSeparator();
    file->addAction(ActionSchliessen);
    QMenu* edit = MenuBar->addMenu(QStringLiteral("B&earbeiten"));
    edit->addActions({ ActionZeileEinfuegen, ActionZeileLoeschen, ActionZeileHoch, ActionZeileRunter });
    edit->addSeparator();
    edit->addAction(ActionRueckgaengig);
    edit->addSeparator();
    edit->addAction(ActionKopieren);
    edit->addSeparator();
    edit->addAction(ActionVentile);
    MenuBar->setGeometry(0, 0, width(), MenuBar->sizeHint().height());
    ActionZeileEinfuegen->setShortcuts({ QKeySequence(Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_Plus) });
    ActionRueckgaengig->setEnabled(false);
    for (QAction* action :
        { ActionNeu, ActionOeffnen, ActionSpeichern, ActionSpeichernUnter, ActionCsvImportieren, ActionCsvExportieren,
            ActionDrucken, ActionPdf, ActionSchliessen, ActionZeileEinfuegen, ActionZeileLoeschen, ActionZeileHoch,
            ActionZeileRunter, ActionRueckgaengig, ActionKopieren, ActionVentile })
        addAction(action);

    StringGrid1->setModel(model_);
    for (const CircuitTable::ColumnInfo& column : CircuitTable::columns())
        StringGrid1->setColumnWidth(column.key, column.width);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    PaintBox1->setModel(model_);
    spaceBelowSplitter_ = height() - (Splitter1->y() + Splitter1->height());
    Splitter1->setSizes({ 300, Splitter1->height() - 300 });
    NumericKeys::guard(Edit1);
    NumericKeys::guard(Edit2);

    connect(ActionNeu, &QAction::triggered, this, &TForm7::ActionNeuExecute);
    connect(ActionOeffnen, &QAction::triggered, this, &TForm7::ActionOeffnenExecute);
    connect(ActionSpeichern, &QAction::triggered, this, &TForm7::ActionSpeichernExecute);
    connect(ActionSpeichernUnter, &QAction::triggered, this, &TForm7::ActionSpeichernUnterExecute);
    connect(ActionCsvImportieren, &QAction::triggered, this, &TForm7::ActionCsvImportierenExecute);
    connect(ActionCsvExportieren, &QAction::triggered, this, &TForm7::ActionCsvExportierenExecute);
    connect(ActionDrucken, &QAction::triggered, this, &TForm7::ActionDruckenExecute);
    connect(ActionPdf, &QAction::triggered, this, &TForm7::ActionPdfExecute);
    connect(ActionSchliessen, &QAction::triggered, this, &QWidget::close);
    connect(ActionZeileEinfuegen, &QAction::triggered, this, &TForm7::ActionZeileEinfuegenExecute);
    connect(ActionZeileLoeschen, &QAction::triggered, this, &TForm7::ActionZeileLoeschenExecute);
    connect(ActionRueckgaengig, &QAction::triggered, this, &TForm7::ActionRueckgaengigExecute);
    connect(ActionKopieren, &QAction::triggered, this, &TForm7::ActionKopierenExecute);
    connect(ActionVentile, &QAction::triggered, this, &TForm7::valvesRequested);
    connect(ActionZeileHoch, &QAction::triggered, this, [this] { moveRow(-1); });
    connect(ActionZeileRunter, &QAction::triggered, this, [this] { moveRow(1); });
    connect(Edit1, &QLineEdit::textChanged, this, &TForm7::Edit1Change);
    connect(Edit3, &QLineEdit::textChanged, model_, &SectionModel::setProject);
    connect(Edit2, &QLineEdit::textChanged, model_, &SectionModel::setMinValveLoss);
    // The table and the picture show the same row.
    connect(PaintBox1, &NetworkView::rowClicked, this, [this](int row) {
        const int column
            = StringGrid1->currentIndex().isValid() ? StringGrid1->currentIndex().column() : int(SectionModel::Name);
        StringGrid1->setCurrentIndex(model_->index(row, column));
    });
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { PaintBox1->setSelectedRow(current.isValid() ? current.row() : -1); });
    connect(StringGrid1, &SectionGrid::rowWanted, this, [this] {
        const int last = model_->rowCount() - 1;
        if (last >= 0 && model_->sections()[last].isEmpty()) return;
        if (model_->insertSection(last + 1)) StringGrid1->setCurrentIndex(model_->index(last + 1, SectionModel::Name));
    });
    connect(model_, &SectionModel::changed, this, &TForm7::Anzeigen);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& first, const QModelIndex& last) {
        if (first.column() <= SectionModel::Pipe && last.column() >= SectionModel::Pipe)
            updateSpans(first.row(), last.row());
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { updateSpans(0, model_->rowCount() - 1); });
    // Keys this window shares with the main window are its own here.
    qApp->installEventFilter(this);

    Circuit::Document empty;
    empty.sections.append(Circuit::Section {});
    setDocument(empty);
}

void TForm7::followMainWindow(const QString& temperatureDifference, int material)
{
    const PipeCatalogue& catalogue = data_.catalogue();
    if (PipeCatalogue::validMaterial(material) && catalogue.pipeCount(material) > 0)
        model_->setDefaultMaterial(material);
    Label1->setText(QStringLiteral("Temperaturdifferenz (Hauptfenster): %1 K").arg(temperatureDifference));
    model_->setTemperatureDifference(temperatureDifference);
}

Circuit::Document TForm7::document() const
{
    return model_->document();
}

bool TForm7::isModified() const
{
    // The temperature difference is the main window's; it makes a change
    // only of a document that was saved or opened.
    Circuit::Document saved = saved_;
    if (filePath_.isEmpty()) saved.temperatureDifference = model_->temperatureDifference();
    return document() != saved;
}

void TForm7::setDocument(const Circuit::Document& document)
{
    deleted_.clear();
    ActionRueckgaengig->setEnabled(false);
    {
        const QSignalBlocker block(Edit1);
        Edit1->setText(document.extraLoss);
    }
    for (const auto& [edit, text] :
        { std::pair { Edit2, document.minValveLoss }, std::pair { Edit3, document.project } }) {
        const QSignalBlocker block(edit);
        edit->setText(text);
    }
    model_->setExtraLoss(document.extraLoss);
    model_->setMinValveLoss(document.minValveLoss);
    model_->setProject(document.project);
    Circuit::Document sections = document;
    for (Circuit::Section& s : sections.sections)
        if (s.isEmpty() && s.material == 0) s.material = model_->defaultMaterial();
    model_->setSections(sections.sections);
    saved_ = this->document();
    saved_.temperatureDifference = document.temperatureDifference;
    if (model_->rowCount() > 0) StringGrid1->setCurrentIndex(model_->index(0, SectionModel::Name));
    Anzeigen();
}

void TForm7::Anzeigen()
{
    const Circuit::Totals& totals = model_->totals();
    const CircuitTable::TotalTexts texts = CircuitTable::totalTexts(model_->document(), totals);
    // Nothing computed: nothing to show.
    const bool any = totals.computed > 0;
    Panel1->setText(any ? texts.criticalLoss : QString());
    Panel2->setText(any ? texts.head : QString());
    Panel3->setText(any ? texts.volumeFlow : QString());
    Panel4->setText(texts.criticalConsumer);
    Label14->setText(any ? texts.pump : QString());
    Edit2->setToolTip(totals.minValveOk ? QString() : QStringLiteral("Fehlerhafte Eingabe!"));
    Edit1->setToolTip(totals.extraOk ? QString() : QStringLiteral("Fehlerhafte Eingabe!"));
    const bool rows = model_->rowCount() > 0;
    for (QAction* action : { ActionDrucken, ActionPdf, ActionKopieren, ActionCsvExportieren, ActionZeileLoeschen })
        action->setEnabled(rows);
    ActionZeileEinfuegen->setEnabled(model_->rowCount() < Circuit::MaxSections);
    updateTitle();
}

void TForm7::updateSpans(int first, int last)
{
    const QList<Circuit::Row>& rows = model_->results();
    constexpr int Span = CircuitTable::LastWithReason - CircuitTable::FirstComputed + 1;
    for (int r = std::max(0, first); r <= last && r < rows.size(); ++r) {
        const bool reason = !rows[r].empty && !rows[r].computed();
        if (reason != (StringGrid1->columnSpan(r, SectionModel::Pipe) > 1))
            StringGrid1->setSpan(r, SectionModel::Pipe, 1, reason ? Span : 1);
    }
}

void TForm7::updateTitle()
{
    QString title = QStringLiteral("Teilstrecken");
    if (!filePath_.isEmpty()) title += QStringLiteral(" – ") + QFileInfo(filePath_).fileName();
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(isModified());
}

void TForm7::Edit1Change()
{
    model_->setExtraLoss(Edit1->text());
}

bool TForm7::mayDiscardChanges()
{
    StringGrid1->commitEditing();
    if (!isModified()) return true;
    const QMessageBox::StandardButton answer = MessageBoxes::ask(this,
        { QMessageBox::Question, QStringLiteral("Teilstrecken"),
            QStringLiteral("Änderungen an den Teilstrecken speichern?") },
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return ActionSpeichernExecute();
    case QMessageBox::Discard: {
        // Back to what was saved; the temperature difference stays the main window's.
        Circuit::Document back = saved_;
        back.temperatureDifference = model_->temperatureDifference();
        const QString path = filePath_;
        setDocument(back);
        filePath_ = path;
        saved_ = document();
        updateTitle();
        return true;
    }
    default:
        return false;
    }
}

void TForm7::closeEvent(QCloseEvent* event)
{
    if (!mayDiscardChanges()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TForm7::openFile(const QString& path)
{
    Circuit::Document read;
    read.temperatureDifference = model_->temperatureDifference();
    QString reason;
    bool document = false;
    if (!CircuitFile::load(path, read, &reason, &document)) {
        MessageBoxes::error(this,
            QStringLiteral("Die Datei kann nicht geöffnet werden:\r%1\r%2")
                .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    const bool csv = !document;
    if (read.temperatureDifference.trimmed().isEmpty()) read.temperatureDifference = model_->temperatureDifference();
    if (read.temperatureDifference != model_->temperatureDifference())
        Q_EMIT temperatureDifferenceLoaded(read.temperatureDifference);
    if (csv) {
        // A new circuit: nothing of it is saved yet.
        filePath_.clear();
        Circuit::Document fresh;
        fresh.temperatureDifference = model_->temperatureDifference();
        setDocument(fresh);
        model_->setSections(read.sections);
        Anzeigen();
    } else {
        filePath_ = path;
        setDocument(read);
    }
    return true;
}

QString TForm7::suggestedPath(const QString& suffix) const
{
    if (!filePath_.isEmpty()) {
        const QFileInfo info(filePath_);
        return info.dir().filePath(info.completeBaseName() + u'.' + suffix);
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Teilstrecken.") + suffix);
}

void TForm7::ActionNeuExecute()
{
    if (!mayDiscardChanges()) return;
    filePath_.clear();
    Circuit::Document empty;
    empty.temperatureDifference = model_->temperatureDifference();
    Circuit::Section first;
    first.material = model_->defaultMaterial();
    empty.sections.append(first);
    setDocument(empty);
}

void TForm7::ActionOeffnenExecute()
{
    if (!mayDiscardChanges()) return;
    const QString path
        = FileDialogs::choose(this, FileDialogs::Purpose::OpenCircuit, suggestedPath(CircuitFile::suffix()));
    if (!path.isEmpty()) openFile(path);
}

bool TForm7::saveTo(const QString& path)
{
    StringGrid1->commitEditing();
    QString reason;
    const Circuit::Document current = document();
    if (!CircuitFile::save(path, current, &reason)) {
        MessageBoxes::error(this,
            QStringLiteral("Die Teilstrecken konnten nicht gespeichert werden:\r%1\r%2")
                .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    filePath_ = path;
    saved_ = current;
    updateTitle();
    return true;
}

bool TForm7::ActionSpeichernExecute()
{
    if (filePath_.isEmpty()) return ActionSpeichernUnterExecute();
    return saveTo(filePath_);
}

bool TForm7::ActionSpeichernUnterExecute()
{
    QString path = FileDialogs::choose(this, FileDialogs::Purpose::SaveCircuit, suggestedPath(CircuitFile::suffix()));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += u'.' + CircuitFile::suffix();
    return saveTo(path);
}

void TForm7::ActionCsvImportierenExecute()
{
    if (!mayDiscardChanges()) return;
    const QString path
        = FileDialogs::choose(this, FileDialogs::Purpose::ImportCsv, suggestedPath(QStringLiteral("csv")));
    if (!path.isEmpty()) openFile(path);
}

void TForm7::ActionCsvExportierenExecute()
{
    StringGrid1->commitEditing();
    QString path = FileDialogs::choose(this, FileDialogs::Purpose::ExportCsv, suggestedPath(QStringLiteral("csv")));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    const SaveFile::Result saved
        = SaveFile::write(path, CircuitTable::csv(document(), model_->evaluation(), data_.catalogue(), data_.valves()));
    if (!saved)
        MessageBoxes::error(this,
            QStringLiteral("Die CSV-Datei konnte nicht gespeichert werden:\r%1\r%2")
                .arg(QDir::toNativeSeparators(path), saved.reason));
}

void TForm7::ActionDruckenExecute()
{
    StringGrid1->commitEditing();
    const CircuitSheet sheet(document(), model_->evaluation(), data_.settings(), data_.catalogue(), data_.valves(),
        QDate::currentDate(), QDir::toNativeSeparators(filePath_));
    FileDialogs::print(
        this, CircuitSheet::title(), QStringLiteral("Einstellwerte drucken"), QPageLayout::Landscape,
        [&sheet](QPainter& painter, QPrinter& printer) {
            sheet.paint(painter, printer, printer.paperRect(QPrinter::DevicePixel));
        },
        QStringLiteral("Die Einstellwerte konnten nicht gedruckt werden."));
}

void TForm7::ActionPdfExecute()
{
    StringGrid1->commitEditing();
    QString path = FileDialogs::choose(this, FileDialogs::Purpose::Pdf, suggestedPath(QStringLiteral("pdf")));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    const CircuitSheet sheet(document(), model_->evaluation(), data_.settings(), data_.catalogue(), data_.valves(),
        QDate::currentDate(), QDir::toNativeSeparators(filePath_));
    QString reason;
    if (!sheet.writePdf(path, &reason))
        MessageBoxes::error(this,
            QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden:\r%1\r%2")
                .arg(QDir::toNativeSeparators(path), reason));
}

void TForm7::ActionZeileEinfuegenExecute()
{
    const QModelIndex current = StringGrid1->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : model_->rowCount();
    if (!model_->insertSection(row)) return;
    StringGrid1->setCurrentIndex(model_->index(row, SectionModel::Name));
    StringGrid1->setFocus();
}

void TForm7::moveRow(int step)
{
    const QModelIndex current = StringGrid1->currentIndex();
    if (!current.isValid()) return;
    const int row = current.row();
    const int to = row + step;
    if (to < 0 || to >= model_->rowCount()) return;
    model_->moveDown(std::min(row, to));
    StringGrid1->setCurrentIndex(model_->index(to, current.column()));
}

void TForm7::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The table and the picture take what the window gains; the totals stay
    // below them.
    const int splitterHeight = std::max(160, height() - Splitter1->y() - spaceBelowSplitter_);
    const int dy = splitterHeight - Splitter1->height();
    Splitter1->resize(std::max(320, width() - 2 * Splitter1->x()), splitterHeight);
    MenuBar->resize(width(), MenuBar->height());
    if (dy == 0) return;
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* widget : children)
        if (widget->y() > Splitter1->y()) widget->move(widget->x(), widget->y() + dy);
}

void TForm7::ActionZeileLoeschenExecute()
{
    const QModelIndex current = StringGrid1->currentIndex();
    if (!current.isValid()) return;
    const int row = current.row();
    deleted_.append(model_->takeSection(row));
    ActionRueckgaengig->setEnabled(true);
    if (model_->rowCount() > 0)
        StringGrid1->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), current.column()));
}

void TForm7::ActionRueckgaengigExecute()
{
    if (deleted_.isEmpty()) return;
    const Circuit::Removed& last = deleted_.last();
    if (!model_->restoreSection(last)) return; // the list is full: kept for later
    StringGrid1->setCurrentIndex(model_->index(last.row, SectionModel::Name));
    deleted_.removeLast();
    ActionRueckgaengig->setEnabled(!deleted_.isEmpty());
}

void TForm7::ActionKopierenExecute()
{
    const QStringList captions = CircuitTable::captions();
    QString text = captions.join(u'\t') + u'\n';
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table border=\"1\">\n<tr>");
    for (const QString& caption : captions)
        html += QStringLiteral("<th>") + escaped(caption) + QStringLiteral("</th>");
    html += QStringLiteral("</tr>\n");
    for (int r = 0; r < model_->rowCount(); ++r) {
        QStringList cells;
        html += QStringLiteral("<tr>");
        for (int c = 0; c < CircuitTable::ColumnCount; ++c) {
            const QModelIndex index = model_->index(r, c);
            QString cell = index.data().toString();
            // A row's reason stands in the pipe column.
            cells << cell;
            const bool red = index.data(Qt::BackgroundRole).value<QBrush>().color() == FormLook::Red
                || index.data(Qt::ForegroundRole).value<QBrush>().color() == FormLook::Red;
            html += (red ? QStringLiteral("<td style=\"color:#ff0000\">") : QStringLiteral("<td>")) + escaped(cell)
                + QStringLiteral("</td>");
        }
        text += cells.join(u'\t') + u'\n';
        html += QStringLiteral("</tr>\n");
    }
    const QStringList totals { Label4->text() + u'\t' + Panel1->text() + QStringLiteral("\tPa"),
        QStringLiteral("weitere Druckverluste (Wärmeerzeuger, Ventile):\t") + Edit1->text() + QStringLiteral("\tPa"),
        Label6->text() + u'\t' + Panel2->text() + QStringLiteral("\tm"),
        Label8->text() + u'\t' + Panel3->text() + QStringLiteral("\tm³/h"), Label10->text() + u'\t' + Panel4->text(),
        QStringLiteral("Mindest-Δp Thermostatventil:\t")
            + CircuitTable::totalTexts(model_->document(), model_->totals()).minValveLoss + QStringLiteral("\tPa"),
        Label14->text() };
    html += QStringLiteral("</table>\n<table>\n");
    for (const QString& line : totals) {
        text += line + u'\n';
        html += QStringLiteral("<tr><td>") + escaped(line).replace(u'\t', QStringLiteral("</td><td>"))
            + QStringLiteral("</td></tr>\n");
    }
    html += QStringLiteral("</table></body></html>\n");
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

void TForm7::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TForm7::ownsShortcut(QObject* watched, QEvent* event, QAction** action) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    // An edit keeps its own editing keys.
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget)) {
        for (const auto standard : { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
                 QKeySequence::Redo, QKeySequence::SelectAll })
            if (key->matches(standard)) return false;
    }
    const QKeySequence sequence(key->keyCombination());
    for (QAction* candidate : actions()) {
        if (candidate->isEnabled() && candidate->shortcuts().contains(sequence)) {
            *action = candidate;
            return true;
        }
    }
    return false;
}

bool TForm7::eventFilter(QObject* watched, QEvent* event)
{
    // The main window's shortcuts stay active in its tool windows; where
    // both have a key (Ctrl+C, Ctrl+P) this window's own action wins.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        QAction* action = nullptr;
        if (ownsShortcut(watched, event, &action)) {
            if (event->type() == QEvent::ShortcutOverride)
                event->accept();
            else
                action->trigger();
            return true;
        }
    }
    if (watched == Edit1 || watched == Edit2) return NumericKeys::filter(static_cast<QLineEdit*>(watched), event);
    return QWidget::eventFilter(watched, event);
}
