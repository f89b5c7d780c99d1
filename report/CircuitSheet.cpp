#include "report/CircuitSheet.h"

#include "report/Sheet.h"

#include "core/CircuitTable.h"
#include "core/NumberText.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace
{

// Laid out in tenths of a millimetre on 297 × 210 mm.
constexpr double PaperWidth = 2970;
constexpr double Left = 150;
constexpr double Right = PaperWidth - 150;
constexpr double Width = Right - Left;
constexpr double Bottom = 2100 - 130; // the footer's rule
constexpr double Limit = Bottom - 40; // where the content ends
constexpr double FirstTop = 110;
constexpr double RunningHeadTop = 95;
constexpr double OtherTop = 175;
constexpr double Gap = 55; // between the parts
constexpr double Pad = 18; // in a cell, left and right
constexpr double VPad = 9; // in a cell, above and below
constexpr double Slack = 6; // measured texts wrap this much narrower than painted
constexpr double SectionNameCap = 450; // a section's Bezeichnung wraps beyond this
constexpr double SectionHintCap = 500; // its Hinweis, unless the group has room
constexpr double MinPictureRoom = 250; // the network below the tables

// The consumers' mass flow, which the section table does not show.
constexpr int MassFlow = CircuitTable::ColumnCount;

using Sheet::Grey;
using Sheet::HeaderFill;
using Sheet::Ink;
using Sheet::Red;
using Sheet::Rule;
const QColor Zebra { 244, 244, 244 };
const QColor Tint { 255, 240, 190 }; // the presetting column

// The consumers' type large for reading on site; the section table's from
// 8 pt down to 7 pt, as it needs fewer groups of columns.
constexpr double ConsumerPoints = 10.5;
constexpr double SectionPoints[] = { 8, 7.5, 7 };
const QFont& presettingFont()
{
    static const QFont font = Sheet::font(16, true);
    return font;
}
const QFont& headingFont()
{
    static const QFont font = Sheet::font(13, true);
    return font;
}

double advance(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The height of `text` broken into lines `width` wide (at least one line).
double wrappedHeight(const QFont& font, const QString& text, double width)
{
    const QFontMetricsF metrics(font);
    if (text.isEmpty()) return metrics.height();
    const QRectF bounds = metrics.boundingRect(
        QRectF(0, 0, std::max(1.0, width - Slack), 1e6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return std::max(metrics.height(), bounds.height());
}

// A column's width for its widest text.
double columnWidth(double widestText)
{
    return widestText * 1.02 + 2 * Pad + Slack;
}

} // namespace

CircuitSheet::CircuitSheet(const Circuit::Document& document, const Circuit::Evaluation& evaluation,
    const SettingsRecord& settings, const PipeCatalogue& catalogue, const ValveCatalogue& valves, const QDate& date,
    const QString& fileName)
    : document_(document)
    , evaluation_(evaluation)
    , settings_(settings)
    , catalogue_(catalogue)
    , valves_(valves)
    , date_(date)
    , fileName_(fileName)
{
    addTables();
    bool typed = false;
    for (const Circuit::Row& row : std::as_const(evaluation_.rows))
        typed = typed || !row.empty;
    if (typed) picture_.emplace(document_, evaluation_, Sheet::font(9));
    layOut();
}

QString CircuitSheet::title()
{
    return QStringLiteral("Einstellwerte");
}

int CircuitSheet::pageCount() const
{
    return int(pages_.size());
}

// The cells.

CircuitSheet::Cell CircuitSheet::cell(const Table& table, const Column& column, int row) const
{
    using namespace CircuitTable;
    const Circuit::Row& r = evaluation_.rows.at(row);
    Cell c { {}, table.text, Ink };
    if (column.key == MassFlow)
        c.text = r.computed() ? r.panels.massFlow : QString();
    else
        c.text = CircuitTable::cell(document_, evaluation_, row, column.key, Purpose::Screen, catalogue_, valves_);
    if (column.key == Hint && !r.computed()) c.colour = Red;
    if (table.consumers) {
        if (column.key == Valve && c.text.isEmpty()) {
            c.text = QStringLiteral("—");
            c.colour = Grey;
        }
        if (column.key == Presetting) c.font = presettingFont();
        return c;
    }
    // The reason of a row not computed spans the computed columns.
    if (column.key == Pipe && !r.computed()) c.text.clear();
    if (r.critical) c.font = table.bold;
    if (overLimit(r, column.key)) {
        c.font = table.bold;
        c.colour = Red;
    }
    return c;
}

// A row not computed in a group of the section table: its reason and the
// group's columns (first to last) it spans; empty when it has none of them.
QString CircuitSheet::reasonIn(const Table& table, int row, int* first, int* last) const
{
    const Circuit::Row& r = evaluation_.rows.at(row);
    if (table.consumers || r.computed() || r.empty) return {};
    *first = -1;
    for (int i = 0; i < table.columns.size(); ++i) {
        const int key = table.columns[i].key;
        if (key < CircuitTable::FirstComputed || key > CircuitTable::LastWithReason) continue;
        if (*first < 0) *first = i;
        *last = i;
    }
    return *first < 0 ? QString() : r.reason;
}

double CircuitSheet::rowHeight(const Table& table, int row) const
{
    double height = QFontMetricsF(table.text).height();
    for (const Column& column : table.columns) {
        const Cell c = cell(table, column, row);
        height = std::max(height,
            column.wrap ? wrappedHeight(c.font, c.text, column.width - 2 * Pad) : QFontMetricsF(c.font).height());
    }
    int first = 0;
    int last = 0;
    const QString reason = reasonIn(table, row, &first, &last);
    if (!reason.isEmpty()) {
        double span = 0;
        for (int i = first; i <= last; ++i)
            span += table.columns[i].width;
        height = std::max(height, wrappedHeight(table.text, reason, span - 2 * Pad));
    }
    return height + 2 * VPad;
}

// The section table's columns in `type`'s fonts at their natural widths
// (`natural`, Bezeichnung and Hinweis capped), in groups that fit the page,
// each starting with Nr. and Bezeichnung.
QList<QList<CircuitSheet::Column>> CircuitSheet::sectionGroups(const Table& type, QList<double>& natural) const
{
    using namespace CircuitTable;
    natural = QList<double>(ColumnCount, 0);
    QList<Column> all;
    for (const ColumnInfo& info : columns()) {
        Column column { info.key, info.caption(), 0, info.left ? Qt::AlignLeft : Qt::AlignRight,
            info.key == Name || info.key == Hint };
        double widest = advance(type.head, column.caption);
        for (int r = 0; r < evaluation_.rows.size(); ++r) {
            if (evaluation_.rows[r].empty) continue;
            const Cell c = cell(type, column, r);
            if (!c.text.isEmpty()) widest = std::max(widest, advance(c.font, c.text));
        }
        natural[info.key] = columnWidth(widest);
        column.width = natural[info.key];
        if (info.key == Name) column.width = std::min(column.width, SectionNameCap);
        if (info.key == Hint) column.width = std::min(column.width, SectionHintCap);
        all.append(column);
    }
    QList<QList<Column>> groups;
    double used = 0;
    for (int c = Predecessor; c < ColumnCount; ++c) {
        if (groups.isEmpty() || used + all[c].width > Width) {
            groups.append({ all[Number], all[Name] });
            used = all[Number].width + all[Name].width;
        }
        groups.last().append(all[c]);
        used += all[c].width;
    }
    return groups;
}

void CircuitSheet::addTables()
{
    using namespace CircuitTable;
    const int n = int(std::min(document_.sections.size(), evaluation_.rows.size()));
    QList<int> consumers;
    QList<int> typed;
    for (int r = 0; r < n; ++r) {
        if (evaluation_.rows[r].empty) continue;
        typed.append(r);
        if (evaluation_.rows[r].consumer) consumers.append(r);
    }
    if (typed.isEmpty()) return;
    const double maxRow = Limit - OtherTop - 200; // a row of absurd length is cut at a page
    const auto setType = [](Table& table, double points) {
        table.text = Sheet::font(points);
        table.bold = Sheet::font(points, true);
        table.head = Sheet::font(points, true);
    };

    // The consumers: fixed columns as wide as their widest text, Bezeichnung
    // and Hinweis sharing the rest.
    if (!consumers.isEmpty()) {
        Table table;
        table.consumers = true;
        setType(table, ConsumerPoints);
        table.head = Sheet::font(ConsumerPoints - 0.5, true);
        table.heading = QStringLiteral("Verbraucher: Ventile und Voreinstellung");
        table.rows = consumers;
        const auto caption = [](int key) { return CircuitTable::column(key).caption(); };
        table.columns = {
            { Number, caption(Number), 0, Qt::AlignRight, false },
            { Name, caption(Name), 0, Qt::AlignLeft, true },
            { HeatOutput, caption(HeatOutput), 0, Qt::AlignRight, false },
            { MassFlow, QStringLiteral("Massenstrom kg/h"), 0, Qt::AlignRight, false },
            { Valve, caption(Valve), 0, Qt::AlignLeft, false },
            { Presetting, QStringLiteral("Voreinstellung"), 0, Qt::AlignHCenter, false },
            { ValveLoss, caption(ValveLoss), 0, Qt::AlignRight, false },
            { Hint, caption(Hint), 0, Qt::AlignLeft, true },
        };
        double fixed = 0;
        double nameWidth = 0;
        double hintWidth = 0;
        for (Column& column : table.columns) {
            double widest = advance(table.head, column.caption);
            for (int r : std::as_const(consumers)) {
                const Cell c = cell(table, column, r);
                widest = std::max(widest, advance(c.font, c.text));
            }
            column.width = columnWidth(widest);
            if (column.key == Name)
                nameWidth = column.width;
            else if (column.key == Hint)
                hintWidth = column.width;
            else
                fixed += column.width;
        }
        const double rest = Width - fixed;
        nameWidth = std::min(nameWidth, std::max(0.45 * rest, rest - hintWidth));
        for (Column& column : table.columns) {
            if (column.key == Name) column.width = nameWidth;
            if (column.key == Hint) column.width = rest - nameWidth;
        }
        tables_.append(table);
    }

    // The sections: every column, in as few groups as the type allows.
    Table type;
    QList<double> natural;
    QList<QList<Column>> groups;
    for (double points : SectionPoints) {
        Table candidate;
        setType(candidate, points);
        QList<double> widths;
        const QList<QList<Column>> grouped = sectionGroups(candidate, widths);
        if (!groups.isEmpty() && grouped.size() >= groups.size()) continue;
        type = candidate;
        natural = widths;
        groups = grouped;
        if (groups.size() == 1) break;
    }
    for (int g = 0; g < groups.size(); ++g) {
        Table table = type;
        table.heading = groups.size() == 1
            ? QStringLiteral("Teilstrecken")
            : QStringLiteral("Teilstrecken, Teil %1 von %2").arg(g + 1).arg(groups.size());
        table.rows = typed;
        table.columns = groups[g];
        // Room left in the group goes to the wrapping columns.
        double room = Width;
        for (const Column& column : std::as_const(table.columns))
            room -= column.width;
        for (int key : { int(Hint), int(Name) }) {
            for (Column& column : table.columns) {
                if (column.key != key) continue;
                const double more = std::clamp(natural[key] - column.width, 0.0, std::max(0.0, room));
                column.width += more;
                room -= more;
            }
        }
        tables_.append(table);
    }

    for (Table& table : tables_) {
        table.headHeight = QFontMetricsF(table.head).height() + 2 * VPad;
        table.heights.reserve(table.rows.size());
        for (int r : std::as_const(table.rows))
            table.heights.append(std::min(maxRow, rowHeight(table, r)));
    }
}

// Page 1's header: title, project, date, the constants and the pump; `y`
// where it ends.
QList<CircuitSheet::Block> CircuitSheet::header(double& y) const
{
    using Kind = Block::Kind;
    QList<Block> blocks;
    const auto text
        = [&](const QRectF& rect, const QString& s, const QFont& font, int flags, const QColor& colour = Ink) {
              blocks.append({ Kind::Text, rect, s, font, colour, flags });
          };
    // A paragraph that wraps, `y` past it.
    const auto paragraph
        = [&](double x, double width, const QString& s, const QFont& font, const QColor& colour = Ink) {
              const double height = wrappedHeight(font, s, width);
              text(QRectF(x, y, width, height), s, font, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, colour);
              y += height;
          };
    // Items side by side with a dot between them, an item that does not fit
    // on the line starting the next; `y` past them.
    const auto items = [&](double left, double width, const QStringList& list, const QFont& font) {
        const QFontMetricsF metrics(font);
        const double line = metrics.height();
        const double gap = metrics.horizontalAdvance(QStringLiteral("   ·   "));
        double x = left;
        for (const QString& item : list) {
            const double itemWidth = metrics.horizontalAdvance(item);
            if (x > left && x + gap + itemWidth + Slack > left + width) {
                x = left;
                y += line;
            }
            if (itemWidth + Slack > width) {
                paragraph(left, width, item, font);
                continue;
            }
            if (x > left) {
                text(QRectF(x, y, gap, line), QStringLiteral("·"), font, Qt::AlignHCenter | Qt::AlignVCenter);
                x += gap;
            }
            text(QRectF(x, y, itemWidth + Slack, line), item, font, Qt::AlignLeft | Qt::AlignVCenter);
            x += itemWidth;
        }
        if (x > left) y += line;
    };

    y = FirstTop;
    text(QRectF(Left, y, Width, 100), title(), Sheet::font(24, true), Qt::AlignLeft | Qt::AlignVCenter);
    text(QRectF(Left, y, Width, 100), QStringLiteral("Fluvano"), Sheet::font(11, true),
        Qt::AlignRight | Qt::AlignVCenter, Grey);
    y += 105;
    const QString project = document_.project.trimmed();
    const QFont dateFont = Sheet::font(11);
    const QString dateText = QStringLiteral("Datum: ") + date_.toString(QStringLiteral("dd.MM.yyyy"));
    const double dateWidth = advance(dateFont, dateText) + 40;
    text(QRectF(Right - dateWidth, y, dateWidth, QFontMetricsF(Sheet::font(15, true)).height()), dateText, dateFont,
        Qt::AlignRight | Qt::AlignVCenter);
    const double top = y;
    paragraph(Left, Width - dateWidth, project.isEmpty() ? fileName_ : project, Sheet::font(15, true));
    y = std::max(y, top + QFontMetricsF(Sheet::font(15, true)).height());
    if (!project.isEmpty() && !fileName_.isEmpty())
        paragraph(Left, Width - dateWidth, QStringLiteral("Datei: ") + fileName_, Sheet::font(9), Grey);
    y += 15;
    blocks.append({ Kind::Rule, QRectF(Left, y, Width, 5), {}, {}, Ink });
    y += 25;

    // The constants in use; the roughness of the materials the sections use.
    const CircuitTable::TotalTexts totals = CircuitTable::totalTexts(document_, evaluation_.totals);
    using NumberText::grouped;
    QStringList roughness;
    for (int m = 1; m <= PipeCatalogue::MaterialCount; ++m) {
        bool used = false;
        for (int r = 0; r < evaluation_.rows.size() && !used; ++r)
            used = !evaluation_.rows[r].empty && document_.sections.value(r).material == m;
        if (used)
            roughness.append(
                QStringLiteral("%1 %2 mm").arg(catalogue_.caption(m), grouped(settings_.roughnessAt(m), 4)));
    }
    const QFont constantFont = Sheet::font(10);
    const QString dash = QStringLiteral("—");
    items(Left, Width,
        { QStringLiteral("Temperaturdifferenz %1 K").arg(document_.temperatureDifference),
            QStringLiteral("Dichte ρ %1 kg/m³").arg(grouped(settings_.densityInUse, 1)),
            QStringLiteral("Wärmekapazität c %1 Ws/(kg·K)").arg(grouped(settings_.heatCapacityInUse, 0)),
            QStringLiteral("kin. Zähigkeit ν %1 mm²/s").arg(grouped(settings_.viscosityInUse, 3)) },
        constantFont);
    y += 8;
    QStringList limits { QStringLiteral("R max %1 Pa/m").arg(grouped(settings_.rMax, 0)),
        QStringLiteral("w max %1 m/s").arg(grouped(settings_.wMax, 2)) };
    if (!roughness.isEmpty()) limits.append(QStringLiteral("Rauigkeit ε: ") + roughness.join(QStringLiteral(", ")));
    items(Left, Width, limits, constantFont);
    y += 8;
    items(Left, Width,
        { QStringLiteral("Mindest-Δp Thermostatventil %1 Pa").arg(totals.minValveLoss),
            QStringLiteral("weitere Druckverluste %1")
                .arg(totals.extraLoss.isEmpty() ? dash : totals.extraLoss + QStringLiteral(" Pa")) },
        constantFont);
    y += 35;

    // The pump's setting, framed.
    const double boxTop = y;
    constexpr double Inset = 30;
    y += Inset;
    if (totals.pump.isEmpty())
        paragraph(Left + Inset, Width - 2 * Inset, QStringLiteral("Pumpe: keine Förderhöhe berechnet"),
            Sheet::font(17, true), Red);
    else
        paragraph(Left + Inset, Width - 2 * Inset, totals.pump, Sheet::font(17, true));
    y += 10;
    const Circuit::Totals& t = evaluation_.totals;
    items(Left + Inset, Width - 2 * Inset,
        { QStringLiteral("Δp ungünstigster Weg %1 Pa").arg(t.criticalConsumer >= 0 ? totals.criticalLoss : dash),
            QStringLiteral("ungünstigster Verbraucher %1")
                .arg(totals.criticalConsumer.isEmpty() ? dash : totals.criticalConsumer),
            QStringLiteral("Förderhöhe %1").arg(totals.head.isEmpty() ? dash : totals.head + QStringLiteral(" m")),
            QStringLiteral("Volumenstrom %1 m³/h").arg(totals.volumeFlow) },
        Sheet::font(10.5));
    if (t.notComputed > 0) {
        y += 8;
        paragraph(Left + Inset, Width - 2 * Inset,
            QStringLiteral("%1 Teilstrecke(n) nicht berechnet: ihre Werte fehlen, Pumpe und Voreinstellung sind "
                           "vorläufig")
                .arg(t.notComputed),
            Sheet::font(10.5, true), Red);
    }
    y += Inset;
    blocks.append({ Kind::Frame, QRectF(Left, boxTop, Width, y - boxTop), {}, {}, Ink });
    return blocks;
}

void CircuitSheet::layOut()
{
    using Kind = Block::Kind;
    double y = 0;
    pages_.append(header(y));
    const QString name = document_.project.trimmed().isEmpty() ? fileName_ : document_.project.trimmed();
    const auto newPage = [&] {
        pages_.append({ { Kind::Text, QRectF(Left, RunningHeadTop, Width, 50),
            name.isEmpty() ? title() : title() + QStringLiteral(" – ") + name, Sheet::font(8.5), Grey,
            Qt::AlignLeft | Qt::AlignVCenter } });
        y = OtherTop;
    };
    const double headingHeight = QFontMetricsF(headingFont()).height() + 10;
    const QFont continuedFont = Sheet::font(9);
    const double continuedHeight = QFontMetricsF(continuedFont).height() + 6;
    const auto heading = [&](const QString& text) {
        pages_.last().append({ Kind::Text, QRectF(Left, y, Width, headingHeight), text, headingFont(), Ink,
            Qt::AlignLeft | Qt::AlignVCenter });
        y += headingHeight;
    };

    if (tables_.isEmpty()) {
        y += Gap;
        pages_.last().append({ Kind::Text, QRectF(Left, y, Width, 60), QStringLiteral("Keine Teilstrecken eingegeben."),
            Sheet::font(11), Grey, Qt::AlignLeft | Qt::AlignVCenter });
    }
    for (int t = 0; t < tables_.size(); ++t) {
        const Table& table = tables_[t];
        double width = 0;
        for (const Column& column : table.columns)
            width += column.width;
        // The heading stays with the header row and the first rows.
        y += Gap;
        double start = headingHeight + table.headHeight;
        for (int i = 0; i < std::min<qsizetype>(3, table.heights.size()); ++i)
            start += table.heights[i];
        if (y + start > Limit) newPage();
        heading(table.heading);
        pages_.last().append({ Kind::Head, QRectF(Left, y, width, table.headHeight), {}, {}, {}, 0, t });
        y += table.headHeight;
        for (int i = 0; i < table.rows.size(); ++i) {
            const double height = table.heights[i];
            if (y + height > Limit) {
                newPage();
                pages_.last().append({ Kind::Text, QRectF(Left, y, Width, continuedHeight),
                    table.heading + QStringLiteral(" (Fortsetzung)"), continuedFont, Grey,
                    Qt::AlignLeft | Qt::AlignVCenter });
                y += continuedHeight;
                pages_.last().append({ Kind::Head, QRectF(Left, y, width, table.headHeight), {}, {}, {}, 0, t });
                y += table.headHeight;
            }
            pages_.last().append({ Kind::Row, QRectF(Left, y, width, height), {}, {}, {}, 0, t, i });
            y += height;
        }
    }

    // The network: in the room left when it fits there on one page, else on
    // pages of its own.
    if (!picture_) return;
    y += Gap;
    const QSizeF room(Width, Limit - y - headingHeight);
    if (room.height() >= MinPictureRoom && picture_->pageCount(room) == 1) {
        heading(QStringLiteral("Netz"));
        pages_.last().append({ Kind::Picture, QRectF(QPointF(Left, y), room), {}, {}, {}, 0, -1, 0 });
        return;
    }
    const QSizeF page(Width, Limit - OtherTop - headingHeight);
    const int count = picture_->pageCount(page);
    for (int i = 0; i < count; ++i) {
        newPage();
        heading(i == 0 ? QStringLiteral("Netz") : QStringLiteral("Netz (Fortsetzung)"));
        pages_.last().append({ Kind::Picture, QRectF(QPointF(Left, y), page), {}, {}, {}, 0, -1, i });
    }
}

// Painting.

void CircuitSheet::paintHead(QPainter& painter, const Table& table, const QRectF& rect) const
{
    painter.fillRect(rect, HeaderFill);
    painter.setFont(table.head);
    double x = rect.left();
    for (const Column& column : table.columns) {
        painter.setPen(Ink);
        painter.drawText(QRectF(x + Pad, rect.top(), column.width - 2 * Pad, rect.height()),
            column.align | Qt::AlignVCenter, column.caption);
        x += column.width;
        if (x < rect.right() - 1) {
            painter.setPen(QPen(Rule, 2));
            painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
        }
    }
    painter.setPen(QPen(Ink, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}

void CircuitSheet::paintRow(QPainter& painter, const Table& table, int index, const QRectF& rect) const
{
    const int row = table.rows[index];
    // Fills leave the rules between the rows alone.
    if (index % 2 == 1) painter.fillRect(rect.adjusted(0, 1.5, 0, -1.5), Zebra);
    int first = -1;
    int last = -1;
    const QString reason = reasonIn(table, row, &first, &last);
    double x = rect.left();
    for (int i = 0; i < table.columns.size(); ++i) {
        const Column& column = table.columns[i];
        const QRectF box(x, rect.top(), column.width, rect.height());
        if (table.consumers && column.key == CircuitTable::Presetting)
            painter.fillRect(box.adjusted(0, 1.5, 0, -1.5), Tint);
        if (i == first) {
            // The reason across the computed columns.
            double span = 0;
            for (int k = first; k <= last; ++k)
                span += table.columns[k].width;
            painter.setFont(table.text);
            painter.setPen(Red);
            painter.drawText(QRectF(x + Pad, rect.top() + VPad, span - 2 * Pad, rect.height() - 2 * VPad),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, reason);
        } else if (first < 0 || i < first || i > last) {
            const Cell c = cell(table, column, row);
            painter.setFont(c.font);
            painter.setPen(c.colour);
            const int flags = column.align | Qt::AlignVCenter | (column.wrap ? Qt::TextWordWrap : 0);
            painter.drawText(box.adjusted(Pad, VPad, -Pad, -VPad), flags, c.text);
        }
        x += column.width;
        if (x < rect.right() - 1 && (first < 0 || i < first || i >= last)) {
            painter.setPen(QPen(Rule, 2));
            painter.drawLine(QPointF(x, rect.top()), QPointF(x, rect.bottom()));
        }
    }
    painter.setPen(QPen(Rule, 2));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.setPen(QPen(Ink, 3));
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void CircuitSheet::paintPage(QPainter& painter, const QRectF& paper, int pageIndex) const
{
    painter.save();
    painter.translate(paper.topLeft());
    const double scale = paper.width() / PaperWidth;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    const QList<Block>& blocks = pages_.at(pageIndex);
    double tableBottom = -1; // the last row's, to close the table's frame
    int tableOpen = -1;
    const auto closeTable = [&] {
        if (tableOpen < 0) return;
        painter.setPen(QPen(Ink, 3));
        painter.drawLine(QPointF(Left, tableBottom), QPointF(Left + blocks[tableOpen].rect.width(), tableBottom));
        tableOpen = -1;
    };
    for (int b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        if (block.kind != Block::Kind::Row) closeTable();
        switch (block.kind) {
        case Block::Kind::Text:
            painter.setFont(block.font);
            painter.setPen(block.colour);
            painter.drawText(block.rect, block.flags, block.text);
            break;
        case Block::Kind::Frame:
            painter.setPen(QPen(block.colour, 6));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(block.rect);
            break;
        case Block::Kind::Rule:
            painter.fillRect(block.rect, block.colour);
            break;
        case Block::Kind::Head:
            paintHead(painter, tables_[block.table], block.rect);
            break;
        case Block::Kind::Row:
            painter.save();
            painter.setClipRect(block.rect.adjusted(-3, -3, 3, 3), Qt::IntersectClip);
            paintRow(painter, tables_[block.table], block.row, block.rect);
            painter.restore();
            tableOpen = b;
            tableBottom = block.rect.bottom();
            break;
        case Block::Kind::Picture:
            picture_->paintPage(painter, block.rect, block.row);
            break;
        }
    }
    closeTable();

    const QString dateText = date_.toString(QStringLiteral("dd.MM.yyyy"));
    painter.fillRect(QRectF(Left, Bottom - 1.5, Width, 3), Rule);
    painter.setFont(Sheet::font(8));
    painter.setPen(Grey);
    painter.drawText(QRectF(Left, Bottom + 10, Width, 45), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Erstellt mit Fluvano am ") + dateText);
    painter.drawText(QRectF(Left, Bottom + 10, Width, 45), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("Seite %1 von %2").arg(pageIndex + 1).arg(pageCount()));
    painter.restore();
}

void CircuitSheet::paint(QPainter& painter, QPagedPaintDevice& device, const QRectF& paper) const
{
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0) device.newPage();
        paintPage(painter, paper, page);
    }
}

bool CircuitSheet::writePdf(const QString& path, QString* error) const
{
    return Sheet::writePdf(
        path, title(), QPageLayout::Landscape,
        [this](QPainter& painter, QPdfWriter& writer) {
            paint(painter, writer, QRectF(0, 0, writer.width(), writer.height()));
        },
        error);
}
