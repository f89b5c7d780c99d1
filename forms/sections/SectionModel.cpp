#include "forms/sections/SectionModel.h"

#include "core/AppState.h"
#include "widgets/FormLook.h"

#include <QBrush>

#include <algorithm>

SectionModel::SectionModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    // Every row follows the constants and the pipe series.
    connect(&appState(), &AppState::changed, this, &SectionModel::computeAll);
}

int SectionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(sections_.size());
}

int SectionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SectionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return Circuit::columnCaptions().value(section);
}

Qt::ItemFlags SectionModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isEditable(index.column())) f |= Qt::ItemIsEditable;
    return f;
}

QVariant SectionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= sections_.size()) return {};
    const Circuit::Section& s = sections_[index.row()];
    const Circuit::Row& r = rows_[index.row()];
    const int column = index.column();

    if (role == Qt::TextAlignmentRole) {
        const bool left = column == Name || column == Material || column == Pipe;
        return int(Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignRight));
    }
    if (role == Qt::BackgroundRole) {
        if ((column == Velocity && r.computed() && r.panels.tooFast)
            || (column == Gradient && r.computed() && r.panels.tooSteep))
            return QBrush(FormLook::Red);
        if (!isEditable(column) && column != Number) return QBrush(QColor(246, 246, 246));
        return {};
    }
    if (role == Qt::ForegroundRole && column == Pipe && !r.empty && !r.computed()) return QBrush(FormLook::Red);
    if (role == Qt::ToolTipRole) {
        if (column == Material) return appState().catalogue().materialName(s.material);
        if (!r.empty && !r.computed()) return r.reason;
        if (r.computed() && r.panels.overloaded()) return ResultText::overloadWarning();
        if (column == InnerDiameter) return QStringLiteral("leer: empfohlenes Rohr; ein Wert: gewähltes Rohr");
        return {};
    }
    if (role == Qt::EditRole) {
        switch (column) {
        case Name:
            return s.name;
        case HeatOutput:
            return s.heatOutput;
        case Length:
            return s.length;
        case Zeta:
            return s.zeta;
        case Material:
            return s.material;
        case InnerDiameter:
            return s.innerDiameter;
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};

    // The typed columns show what was typed; the material by its caption.
    if (column == Material) return appState().catalogue().caption(s.material);
    if (isEditable(column)) return data(index, Qt::EditRole);
    switch (column) {
    case Number:
        return index.row() + 1;
    case RunningTotal:
        return r.empty ? QString() : Circuit::pascal(running_[std::size_t(index.row())]);
    default:
        break;
    }
    if (!r.computed()) return column == Pipe ? r.reason : QString();
    switch (column) {
    case Pipe:
        return r.panels.designation;
    case Diameter:
        return r.panels.innerDiameter;
    case Velocity:
        return r.panels.velocity;
    case Gradient:
        return r.panels.pressureGradient;
    case GradientLoss:
        return Circuit::pascal(r.gradientLoss);
    case FittingsLoss:
        return Circuit::pascal(r.fittingsLoss);
    case Loss:
        return Circuit::pascal(r.loss);
    default:
        return {};
    }
}

bool SectionModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isEditable(index.column())) return false;
    Circuit::Section& s = sections_[index.row()];
    const Circuit::Section before = s;
    const QString text = value.toString().trimmed();
    switch (index.column()) {
    case Name:
        s.name = text;
        break;
    case HeatOutput:
        s.heatOutput = text;
        break;
    case Length:
        s.length = text;
        break;
    case Zeta:
        s.zeta = text;
        break;
    case Material:
        s.material = value.toInt();
        break;
    case InnerDiameter:
        s.innerDiameter = text;
        break;
    default:
        break;
    }
    if (s == before) return true;
    const int row = index.row();
    computeRow(row);
    sumFrom(row);
    Q_EMIT dataChanged(this->index(row, 0), this->index(row, ColumnCount - 1));
    if (row + 1 < sections_.size())
        Q_EMIT dataChanged(this->index(row + 1, RunningTotal), this->index(int(sections_.size()) - 1, RunningTotal));
    Q_EMIT changed();
    return true;
}

void SectionModel::setSections(const QList<Circuit::Section>& sections)
{
    beginResetModel();
    sections_ = sections;
    rows_.resize(sections_.size());
    for (int r = 0; r < sections_.size(); ++r)
        computeRow(r);
    sumFrom(0);
    endResetModel();
    Q_EMIT changed();
}

void SectionModel::setTemperatureDifference(const QString& text)
{
    if (text == temperatureDifference_) return;
    temperatureDifference_ = text;
    computeAll();
}

void SectionModel::computeAll()
{
    for (int r = 0; r < sections_.size(); ++r)
        computeRow(r);
    sumFrom(0);
    if (!sections_.isEmpty()) Q_EMIT dataChanged(index(0, 0), index(int(sections_.size()) - 1, ColumnCount - 1));
    Q_EMIT changed();
}

bool SectionModel::insertSection(int row, const std::optional<Circuit::Section>& section)
{
    if (sections_.size() >= Circuit::MaxSections) return false;
    row = std::clamp(row, 0, int(sections_.size()));
    Circuit::Section s;
    s.material = defaultMaterial_;
    beginInsertRows({}, row, row);
    sections_.insert(row, section.value_or(s));
    rows_.insert(row, Circuit::Row {});
    computeRow(row);
    sumFrom(row);
    endInsertRows();
    // The numbers and running totals below it moved.
    if (row + 1 < sections_.size())
        Q_EMIT dataChanged(index(row + 1, 0), index(int(sections_.size()) - 1, ColumnCount - 1));
    Q_EMIT changed();
    return true;
}

Circuit::Section SectionModel::takeSection(int row)
{
    beginRemoveRows({}, row, row);
    const Circuit::Section s = sections_.takeAt(row);
    rows_.removeAt(row);
    sumFrom(row);
    endRemoveRows();
    if (row < sections_.size()) Q_EMIT dataChanged(index(row, 0), index(int(sections_.size()) - 1, ColumnCount - 1));
    Q_EMIT changed();
    return s;
}

Circuit::Totals SectionModel::totals(const QString& extraLoss) const
{
    long double largest = 0;
    int computed = 0;
    int notComputed = 0;
    for (const Circuit::Row& r : rows_) {
        if (r.computed()) {
            ++computed;
            largest = std::max(largest, r.volumeFlowPerHour());
        } else if (!r.empty) {
            ++notComputed;
        }
    }
    return Circuit::totals(
        running_.empty() ? 0 : running_.back(), largest, computed, notComputed, extraLoss, appState().settings());
}

void SectionModel::computeRow(int row)
{
    const AppState& state = appState();
    rows_[row] = Circuit::compute(sections_[row], temperatureDifference_, state.settings(), state.catalogue());
}

void SectionModel::sumFrom(int row)
{
    running_.resize(std::size_t(sections_.size()));
    long double sum = row > 0 ? running_[std::size_t(row - 1)] : 0;
    for (std::size_t r = std::size_t(row); r < running_.size(); ++r) {
        if (rows_[qsizetype(r)].computed()) sum += rows_[qsizetype(r)].loss;
        running_[r] = sum;
    }
}
