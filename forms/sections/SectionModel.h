#pragma once

#include "core/Circuit.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

// The section list behind StringGrid1: the sections as typed, each row's
// result and the running total. A changed cell computes its own row again
// and the running totals below it; a changed temperature difference,
// material default or constant computes every row.
class SectionModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Number,
        Name,
        HeatOutput,
        Length,
        Zeta,
        Material,
        InnerDiameter, // typed
        Pipe,
        Diameter,
        Velocity,
        Gradient,
        GradientLoss,
        FittingsLoss,
        Loss,
        RunningTotal, // computed
        ColumnCount
    };
    static bool isNumberColumn(int column)
    {
        return column == HeatOutput || column == Length || column == Zeta || column == InnerDiameter;
    }
    static bool isEditable(int column) { return column >= Name && column <= InnerDiameter; }

    explicit SectionModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The sections and the temperature difference; the further losses stay
    // with the window.
    const QList<Circuit::Section>& sections() const { return sections_; }
    void setSections(const QList<Circuit::Section>& sections);

    // Computes every row when the temperature difference (as typed in the
    // main window) differs from the last one; a change of the shared
    // constants or pipe series does so by itself.
    void setTemperatureDifference(const QString& text);
    const QString& temperatureDifference() const { return temperatureDifference_; }
    // The material of new rows.
    void setDefaultMaterial(int material) { defaultMaterial_ = material; }
    int defaultMaterial() const { return defaultMaterial_; }

    // Inserts an empty section (or the given one) before `row`; false at
    // the limit.
    bool insertSection(int row, const std::optional<Circuit::Section>& section = std::nullopt);
    Circuit::Section takeSection(int row);

    const QList<Circuit::Row>& results() const { return rows_; }
    long double runningTotal(int row) const { return running_[std::size_t(row)]; }
    Circuit::Totals totals(const QString& extraLoss) const;

Q_SIGNALS:
    // Any change of a section or its result.
    void changed();

private:
    QList<Circuit::Section> sections_;
    QList<Circuit::Row> rows_;
    std::vector<long double> running_; // Σ Δp up to and including each row
    QString temperatureDifference_ = QStringLiteral("15");
    int defaultMaterial_ = 1;

    void computeRow(int row);
    void computeAll();
    void sumFrom(int row);
};
