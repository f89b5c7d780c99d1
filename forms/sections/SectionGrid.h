#pragma once

#include <QStyledItemDelegate>
#include <QTableView>

// The section table: Tab and Enter move through the typed cells (Enter at
// the end of a filled last row adds a row), typing into a cell replaces it,
// Delete empties it,
// number cells follow the number fields' input rules, the material is
// chosen from the materials of the catalogue that have pipes.
class SectionGrid : public QTableView
{
    Q_OBJECT

public:
    explicit SectionGrid(QWidget* parent = nullptr);

    // The next (or previous) typed cell after `from`, invalid past the end.
    QModelIndex nextTypedCell(const QModelIndex& from, bool forward) const;

    // Takes the text of a cell being edited into the model.
    void commitEditing();

Q_SIGNALS:
    // Enter at the last typed cell of the last row.
    void rowWanted();

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void moveOn();
};

class SectionDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
