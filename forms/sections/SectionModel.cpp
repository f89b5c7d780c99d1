#include "forms/sections/SectionModel.h"

#include "core/AppState.h"
#include "widgets/FormLook.h"

#include <QBrush>

#include <algorithm>

SectionModel::SectionModel(AppState& data, QObject* parent)
    : QAbstractTableModel(parent)
    , data_(data)
{
    // Every row follows the constants and the pipe series.
    connect(&data_, &AppState::changed, this, &SectionModel::computeAll);
}

const PipeCatalogue& SectionModel::catalogue() const
{
    return data_.catalogue();
}

int SectionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(document_.sections.size());
}

int SectionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : CircuitTable::ColumnCount;
}

QVariant SectionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= CircuitTable::ColumnCount)
        return {};
    return CircuitTable::column(section).caption();
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
    if (!index.isValid() || index.row() >= document_.sections.size()) return {};
    const Circuit::Section& s = document_.sections[index.row()];
    const Circuit::Row& r = evaluation_.rows[index.row()];
    const int column = index.column();
    const CircuitTable::ColumnInfo& info = CircuitTable::column(column);

    switch (role) {
    case Qt::TextAlignmentRole:
        return int(Qt::AlignVCenter | (info.left ? Qt::AlignLeft : Qt::AlignRight));
    case Qt::BackgroundRole:
        if (CircuitTable::overLimit(r, column)) return QBrush(FormLook::Red);
        if (!info.typed() && column != Number) return QBrush(QColor(246, 246, 246));
        return {};
    case Qt::ForegroundRole:
        if (column == Pipe && !r.empty && !r.computed()) return QBrush(FormLook::Red);
        return {};
    case Qt::ToolTipRole:
        if (column == Material) return data_.catalogue().materialName(s.material);
        if (!r.empty && !r.computed()) return r.reason;
        if (r.computed() && r.panels.overloaded()) return ResultText::overloadWarning();
        if (column == InnerDiameter) return QStringLiteral("leer: empfohlenes Rohr; ein Wert: gewähltes Rohr");
        return {};
    case Qt::EditRole:
        if (column == Material) return s.material;
        if (!info.typed()) return {};
        [[fallthrough]];
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return CircuitTable::cell(
            document_, evaluation_, index.row(), column, CircuitTable::Purpose::Screen, data_.catalogue());
    default:
        return {};
    }
}

bool SectionModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isEditable(index.column())) return false;
    Circuit::Section& s = document_.sections[index.row()];
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
    evaluate(true);
    return true;
}

void SectionModel::setSections(const QList<Circuit::Section>& sections)
{
    beginResetModel();
    document_.sections = sections;
    evaluation_ = Circuit::evaluate(document_, data_.settings(), data_.catalogue());
    endResetModel();
    Q_EMIT changed();
}

void SectionModel::setExtraLoss(const QString& text)
{
    if (text == document_.extraLoss) return;
    document_.extraLoss = text;
    evaluate(true);
}

void SectionModel::setTemperatureDifference(const QString& text)
{
    if (text == document_.temperatureDifference) return;
    document_.temperatureDifference = text;
    computeAll();
}

void SectionModel::computeAll()
{
    evaluate(false);
}

void SectionModel::evaluate(bool keepSizing)
{
    evaluation_
        = Circuit::evaluate(document_, data_.settings(), data_.catalogue(), keepSizing ? &evaluation_ : nullptr);
    if (!document_.sections.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(document_.sections.size()) - 1, CircuitTable::ColumnCount - 1));
    Q_EMIT changed();
}

bool SectionModel::insertSection(int row, const std::optional<Circuit::Section>& section)
{
    if (document_.sections.size() >= Circuit::MaxSections) return false;
    row = std::clamp(row, 0, int(document_.sections.size()));
    Circuit::Section s;
    s.material = defaultMaterial_;
    beginInsertRows({}, row, row);
    document_.sections.insert(row, section.value_or(s));
    // An empty row in its place until the list is computed again.
    evaluation_.sections.insert(row, Circuit::Section {});
    evaluation_.rows.insert(row, Circuit::Row {});
    endInsertRows();
    evaluate(true);
    return true;
}

Circuit::Section SectionModel::takeSection(int row)
{
    beginRemoveRows({}, row, row);
    const Circuit::Section s = document_.sections.takeAt(row);
    evaluation_.sections.removeAt(row);
    evaluation_.rows.removeAt(row);
    endRemoveRows();
    evaluate(true);
    return s;
}
