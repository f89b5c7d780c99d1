#include "forms/sections/SectionGrid.h"

#include "forms/sections/SectionModel.h"
#include "widgets/NumericKeys.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace
{

const char NumberEditor[] = "fluvanoNumberEditor";

} // namespace

SectionGrid::SectionGrid(QWidget* parent)
    : QTableView(parent)
{
    setItemDelegate(new SectionDelegate(this));
    setEditTriggers(
        QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
}

QModelIndex SectionGrid::nextTypedCell(const QModelIndex& from, bool forward) const
{
    if (!model() || !from.isValid()) return {};
    int row = from.row();
    int column = from.column();
    for (;;) {
        column += forward ? 1 : -1;
        if (column >= CircuitTable::ColumnCount) {
            column = 0;
            ++row;
        } else if (column < 0) {
            column = CircuitTable::ColumnCount - 1;
            --row;
        }
        if (row < 0 || row >= model()->rowCount()) return {};
        if (SectionModel::isEditable(column)) return model()->index(row, column);
    }
}

void SectionGrid::commitEditing()
{
    if (state() != EditingState) return;
    QWidget* editor = QApplication::focusWidget();
    while (editor && editor->parentWidget() != viewport())
        editor = editor->parentWidget();
    if (!editor) return;
    commitData(editor);
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

QModelIndex SectionGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveNext || cursorAction == MovePrevious) {
        const QModelIndex current = currentIndex();
        if (!current.isValid())
            return model() && model()->rowCount() ? model()->index(0, SectionModel::Name) : QModelIndex();
        return nextTypedCell(current, cursorAction == MoveNext);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void SectionGrid::moveOn()
{
    const QModelIndex next = nextTypedCell(currentIndex(), true);
    if (next.isValid())
        setCurrentIndex(next);
    else
        Q_EMIT rowWanted();
}

void SectionGrid::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && event->modifiers() == Qt::NoModifier) {
        moveOn();
        return;
    }
    // Delete empties a typed cell (the material stays).
    if (event->key() == Qt::Key_Delete && state() != EditingState && model()) {
        const QModelIndex current = currentIndex();
        if (current.isValid() && SectionModel::isEditable(current.column())
            && current.column() != SectionModel::Material)
            model()->setData(current, QString());
        return;
    }
    QTableView::keyPressEvent(event);
}

void SectionGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Enter in a cell takes its text and moves on, as Tab does.
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) moveOn();
}

QWidget* SectionDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.column() == SectionModel::Valve) {
        auto* box = new QComboBox(parent);
        const ValveCatalogue& valves = static_cast<const SectionModel*>(index.model())->valves();
        box->addItem(QStringLiteral("kein Ventil"), QString());
        for (int v = 1; v <= valves.count(); ++v)
            if (valves.contains(v))
                box->addItem(QStringLiteral("%1  %2").arg(v).arg(valves.series(v).caption), QString::number(v));
        return box;
    }
    if (index.column() == SectionModel::Material) {
        auto* box = new QComboBox(parent);
        const PipeCatalogue& catalogue = static_cast<const SectionModel*>(index.model())->catalogue();
        for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m)
            if (catalogue.pipeCount(m) > 0)
                box->addItem(QStringLiteral("%1  %2").arg(m).arg(catalogue.materialName(m)), m);
        return box;
    }
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && SectionModel::isNumberColumn(index.column())) {
        edit->setProperty(NumberEditor, true);
        NumericKeys::guard(edit);
    }
    // A row number: digits only.
    if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && SectionModel::isRowColumn(index.column()))
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
    return editor;
}

void SectionDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const QVariant value = index.data(Qt::EditRole);
        const QVariant wanted = index.column() == SectionModel::Valve ? QVariant(value.toString().trimmed()) : value;
        box->setCurrentIndex(std::max(0, box->findData(wanted)));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void SectionDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentData());
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

bool SectionDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && edit->property(NumberEditor).toBool()) {
        if (NumericKeys::filter(edit, event)) return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
