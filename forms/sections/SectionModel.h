#pragma once

#include "core/Circuit.h"
#include "core/CircuitTable.h"

#include <QAbstractTableModel>

class AppState;

// The section list behind StringGrid1, a view of the circuit in core: the
// sections as typed and their evaluation (Circuit::evaluate), shown cell by
// cell as CircuitTable says. A changed cell computes the list again, sizing
// only its own pipe anew; a changed temperature difference, constant or pipe
// series sizes every pipe again.
class SectionModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using enum CircuitTable::Column;
    static bool isRowColumn(int column)
    {
        return CircuitTable::column(column).kind == CircuitTable::ColumnInfo::Kind::Row;
    }
    static bool isNumberColumn(int column)
    {
        return CircuitTable::column(column).kind == CircuitTable::ColumnInfo::Kind::Number;
    }
    static bool isEditable(int column) { return CircuitTable::column(column).typed(); }

    explicit SectionModel(AppState& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The sections, the temperature difference and the further losses.
    const Circuit::Document& document() const { return document_; }
    const QList<Circuit::Section>& sections() const { return document_.sections; }
    void setSections(const QList<Circuit::Section>& sections);
    void setExtraLoss(const QString& text);
    void setProject(const QString& text);
    void setMinValveLoss(const QString& text);

    // Computes every row when the temperature difference (as typed in the
    // main window) differs from the last one; a change of the shared
    // constants or pipe series does so by itself.
    void setTemperatureDifference(const QString& text);
    const QString& temperatureDifference() const { return document_.temperatureDifference; }
    // The material of new rows.
    void setDefaultMaterial(int material) { defaultMaterial_ = material; }
    int defaultMaterial() const { return defaultMaterial_; }

    // Inserts an empty section before `row`, hanging from the row above;
    // false at the limit. The Vorgänger of the rows below follow.
    bool insertSection(int row);
    // Removes a section; the sections hanging from it then hang from its
    // Vorgänger. restoreSection() undoes it; false at the limit.
    Circuit::Removed takeSection(int row);
    bool restoreSection(const Circuit::Removed& removed);
    // Swaps the section with the one below it.
    void moveDown(int row);

    const PipeCatalogue& catalogue() const;
    const ValveCatalogue& valves() const;
    const Circuit::Evaluation& evaluation() const { return evaluation_; }
    const QList<Circuit::Row>& results() const { return evaluation_.rows; }
    const Circuit::Totals& totals() const { return evaluation_.totals; }

Q_SIGNALS:
    // Any change of a section, the further losses or the results.
    void changed();

private:
    AppState& data_;
    Circuit::Document document_;
    Circuit::Evaluation evaluation_;
    int defaultMaterial_ = 1;

    // Computes the list again; `keepSizing`: the pipes of unchanged sections
    // stay as they were.
    void evaluate(bool keepSizing);
    void computeAll();
    // Keeps the evaluation's lists beside the sections after inserting (1) or
    // removing (-1) row `row`.
    void keepAligned(int row, int inserted);
};
