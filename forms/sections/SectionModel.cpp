#include "forms/sections/SectionModel.h"

#include "core/AppState.h"
#include "core/NumberText.h"
#include "widgets/FormLook.h"

#include <QBrush>
#include <QFont>

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

const ValveCatalogue& SectionModel::valves() const
{
    return data_.valves();
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
        if ((column == Pipe || column == Hint) && !r.empty && !r.computed()) return QBrush(FormLook::Red);
        if (column == Number && r.critical) return QBrush(FormLook::Red);
        if (column == HeatOutput && r.heatOutputSummed) return QBrush(QColor(110, 110, 110));
        return {};
    case Qt::FontRole: {
        // The critical path in bold, a summed heat output in italics.
        const bool italic = column == HeatOutput && r.heatOutputSummed;
        if (!r.critical && !italic) return {};
        QFont font;
        font.setBold(r.critical);
        font.setItalic(italic);
        return font;
    }
    case Qt::ToolTipRole:
        if (column == Material) return data_.catalogue().materialName(s.material);
        if (column == Valve && !s.valve.isEmpty())
            return data_.valves().series(NumberText::readInteger(s.valve).value_or(0)).name;
        if (column == Predecessor)
            return QStringLiteral("leer: beginnt am Wärmeerzeuger; sonst die Nr. der Teilstrecke davor");
        if (column == HeatOutput && r.heatOutputSummed) return QStringLiteral("Summe der Nachfolger");
        if (column == ConsumerLoss)
            return QStringLiteral("Druckverlust des Verbrauchers (Heizkörper, Fußbodenkreis) am Strangende");
        if (!CircuitTable::hint(r).isEmpty()) return CircuitTable::hint(r);
        if (column == InnerDiameter) return QStringLiteral("leer: empfohlenes Rohr; ein Wert: gewähltes Rohr");
        return {};
    case Qt::EditRole:
        if (column == Material) return s.material;
        if (column == Valve) return s.valve;
        if (!info.typed()) return {};
        [[fallthrough]];
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return CircuitTable::cell(document_, evaluation_, index.row(), column, CircuitTable::Purpose::Screen,
            data_.catalogue(), data_.valves());
    default:
        return {};
    }
}

bool SectionModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isEditable(index.column())) return false;
    const int row = index.row();
    const QString text = index.column() == Material ? QString::number(value.toInt()) : value.toString().trimmed();
    if (isRowColumn(index.column()) && !text.isEmpty()) {
        // The number of another row, or nothing.
        const std::optional<int> number = NumberText::readInteger(text);
        if (!number || *number < 1 || *number > rowCount() || *number == row + 1) return false;
    }
    Circuit::Section& s = document_.sections[row];
    const Circuit::Section before = s;
    CircuitTable::setTypedValue(s, index.column(), text);
    if (s != before) evaluate(true);
    return true;
}

void SectionModel::setSections(const QList<Circuit::Section>& sections)
{
    beginResetModel();
    document_.sections = sections;
    evaluation_ = Circuit::evaluate(document_, data_.settings(), data_.catalogue(), data_.valves());
    endResetModel();
    Q_EMIT changed();
}

void SectionModel::setExtraLoss(const QString& text)
{
    if (text == document_.extraLoss) return;
    document_.extraLoss = text;
    evaluate(true);
}

void SectionModel::setProject(const QString& text)
{
    if (text == document_.project) return;
    document_.project = text;
    Q_EMIT changed();
}

void SectionModel::setMinValveLoss(const QString& text)
{
    if (text == document_.minValveLoss) return;
    document_.minValveLoss = text;
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
    evaluation_ = Circuit::evaluate(
        document_, data_.settings(), data_.catalogue(), data_.valves(), keepSizing ? &evaluation_ : nullptr);
    if (!document_.sections.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(document_.sections.size()) - 1, CircuitTable::ColumnCount - 1));
    Q_EMIT changed();
}

bool SectionModel::insertSection(int row)
{
    if (document_.sections.size() >= Circuit::MaxSections) return false;
    row = std::clamp(row, 0, int(document_.sections.size()));
    Circuit::Section s;
    s.material = defaultMaterial_;
    if (row > 0 && !document_.sections[row - 1].isEmpty()) s.predecessor = QString::number(row);
    beginInsertRows({}, row, row);
    Circuit::insertSection(document_.sections, row, s);
    keepAligned(row, 1);
    endInsertRows();
    evaluate(true);
    return true;
}

Circuit::Removed SectionModel::takeSection(int row)
{
    beginRemoveRows({}, row, row);
    const Circuit::Removed removed = Circuit::removeSection(document_.sections, row);
    keepAligned(row, -1);
    endRemoveRows();
    evaluate(true);
    return removed;
}

bool SectionModel::restoreSection(const Circuit::Removed& removed)
{
    if (document_.sections.size() >= Circuit::MaxSections) return false;
    beginInsertRows({}, removed.row, removed.row);
    Circuit::restoreSection(document_.sections, removed);
    keepAligned(removed.row, 1);
    endInsertRows();
    evaluate(true);
    return true;
}

void SectionModel::moveDown(int row)
{
    if (row < 0 || row + 1 >= document_.sections.size()) return;
    beginMoveRows({}, row + 1, row + 1, {}, row);
    Circuit::swapSections(document_.sections, row);
    for (auto* list : { &evaluation_.rows, &evaluation_.pipes })
        list->swapItemsAt(row, row + 1);
    evaluation_.sized.swapItemsAt(row, row + 1);
    endMoveRows();
    evaluate(true);
}

void SectionModel::keepAligned(int row, int inserted)
{
    // Until the list is computed again: an empty row in place of a new one,
    // the other rows' pipes kept.
    if (inserted > 0) {
        evaluation_.rows.insert(row, Circuit::Row {});
        evaluation_.pipes.insert(row, Circuit::Row {});
        evaluation_.sized.insert(row, Circuit::Section {});
    } else {
        evaluation_.rows.removeAt(row);
        evaluation_.pipes.removeAt(row);
        evaluation_.sized.removeAt(row);
    }
}
