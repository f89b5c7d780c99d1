#include "core/CircuitFile.h"

#include "core/CircuitTable.h"
#include "core/Csv.h"
#include "core/NumberText.h"
#include "core/SaveFile.h"

#include <QFile>
#include <QStringList>

namespace CircuitFile
{

namespace
{

    const QString FormatKey = QStringLiteral("Fluvano-Teilstrecken");
    const QString ProjectKey = QStringLiteral("Projekt");
    const QString DifferenceKey = QStringLiteral("Temperaturdifferenz_K");
    const QString ExtraKey = QStringLiteral("Weitere_Druckverluste_Pa");
    const QString MinValveKey = QStringLiteral("Mindest_dp_Ventil_Pa");

    QString row(const QStringList& fields)
    {
        return Csv::row(fields) + u'\n';
    }

    bool fail(QString* error, const QString& reason)
    {
        if (error) *error = reason;
        return false;
    }

    // The typed columns of the section table. By position (a list without a
    // header) the six columns of the first lists come first, in their order.
    // Made on first use, after the table's columns.
    const QList<int>& columnsRead()
    {
        static const QList<int> Columns = [] {
            QList<int> columns { CircuitTable::Name, CircuitTable::HeatOutput, CircuitTable::Length, CircuitTable::Zeta,
                CircuitTable::Material, CircuitTable::InnerDiameter };
            for (const CircuitTable::ColumnInfo& c : CircuitTable::columns())
                if (c.typed() && !columns.contains(c.key)) columns.append(c.key);
            return columns;
        }();
        return Columns;
    }
    // The first lists' columns, Innen_mm aside, must be there.
    constexpr int RequiredColumns = 5;
    const QList<Csv::Column>& csvColumns()
    {
        static const QList<Csv::Column> CsvColumns = [] {
            QList<Csv::Column> columns;
            for (qsizetype k = 0; k < columnsRead().size(); ++k)
                columns.append({ CircuitTable::column(columnsRead()[k]).csvName, k < RequiredColumns });
            return columns;
        }();
        return CsvColumns;
    }

    bool readSections(Csv::Reader& reader, QList<Circuit::Section>& sections, QString* error)
    {
        if (!reader.error().isEmpty()) return fail(error, reader.error());
        QList<Circuit::Section> read;
        for (Csv::Record record; reader.next(record);) {
            if (read.size() == Circuit::MaxSections)
                return fail(error,
                    QStringLiteral("Mehr als %1 Teilstrecken").arg(NumberText::grouped(Circuit::MaxSections, 0)));
            Circuit::Section s;
            for (qsizetype k = 0; k < columnsRead().size(); ++k) {
                const int c = columnsRead()[k];
                const bool number = CircuitTable::column(c).kind == CircuitTable::ColumnInfo::Kind::Number;
                CircuitTable::setTypedValue(
                    s, c, number ? Csv::number(record.view(k), reader.dialect()) : record.field(k));
            }
            read.append(s);
        }
        // A list without the Vorgänger column is one chain.
        if (!reader.byName() || !reader.hasColumn(columnsRead().indexOf(CircuitTable::Predecessor)))
            Circuit::makeChain(read);
        sections = read;
        return true;
    }

} // namespace

QString suffix()
{
    return QStringLiteral("fluvano");
}

QByteArray toText(const Circuit::Document& document)
{
    QString text = row({ FormatKey, QString::number(Version) });
    text += row({ ProjectKey, document.project });
    text += row({ DifferenceKey, document.temperatureDifference });
    text += row({ ExtraKey, document.extraLoss });
    text += row({ MinValveKey, document.minValveLoss });
    QStringList names;
    for (const CircuitTable::ColumnInfo& c : CircuitTable::columns())
        if (c.typed()) names.append(c.csvName);
    text += row(names);
    for (const Circuit::Section& s : document.sections) {
        QStringList fields;
        for (const CircuitTable::ColumnInfo& c : CircuitTable::columns())
            if (c.typed()) fields.append(CircuitTable::typedValue(s, c.key));
        text += row(fields);
    }
    return text.toUtf8();
}

bool isDocument(const QByteArray& text)
{
    const QByteArray start = text.startsWith(Csv::Bom) ? text.mid(qsizetype(sizeof Csv::Bom) - 1, 64) : text.left(64);
    return start.startsWith(FormatKey.toUtf8() + ';');
}

bool fromText(const QByteArray& text, Circuit::Document& document, QString* error)
{
    if (!isDocument(text)) return fail(error, QStringLiteral("Keine Fluvano-Teilstreckendatei"));
    // The lines before the column line are "Key;value" records.
    Csv::Reader keys(text, {});
    Csv::Record record;
    keys.next(record);
    bool isNumber = false;
    const int version = record.at(1).toInt(&isNumber);
    if (!isNumber || version < 1) return fail(error, QStringLiteral("Unbekannte Formatversion"));
    if (version > Version)
        return fail(error,
            QStringLiteral("Formatversion %1 stammt aus einer neueren Fluvano-Version (diese liest Version %2)")
                .arg(version)
                .arg(Version));

    Circuit::Document read;
    read.temperatureDifference.clear();
    int columnLine = 0;
    while (keys.next(record)) {
        const QStringView key = record.at(0);
        if (key == u"Bezeichnung") {
            columnLine = record.line();
            break;
        }
        const QString value = record.at(1).toString();
        if (key == ProjectKey) read.project = value;
        if (key == DifferenceKey) read.temperatureDifference = value;
        if (key == ExtraKey) read.extraLoss = value;
        if (key == MinValveKey) read.minValveLoss = value;
    }
    if (!columnLine) return fail(error, QStringLiteral("Die Spaltenzeile fehlt"));

    // From the column line on, a section list (of version 1: one chain).
    qsizetype from = 0;
    for (int line = 1; line < columnLine; ++line)
        from = text.indexOf('\n', from) + 1;
    Csv::Reader sections(text.mid(from), csvColumns());
    if (!readSections(sections, read.sections, error)) return false;
    document = read;
    return true;
}

bool save(const QString& path, const Circuit::Document& document, QString* error)
{
    const SaveFile::Result saved = SaveFile::write(path, toText(document));
    return saved || fail(error, saved.reason);
}

bool load(const QString& path, Circuit::Document& document, QString* error, bool* wasDocument)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(error, file.errorString());
    // 2,000 sections take some 200 kB; anything far larger is another file.
    constexpr qint64 MaxSize = 16 * 1024 * 1024;
    if (file.size() > MaxSize) return fail(error, QStringLiteral("Die Datei ist zu groß für eine Teilstreckenliste"));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) return fail(error, file.errorString());
    if (wasDocument) *wasDocument = isDocument(text);
    return fromAny(text, document, error);
}

bool sectionsFromCsv(const QByteArray& text, QList<Circuit::Section>& sections, QString* error)
{
    Csv::Reader reader(text, csvColumns());
    return readSections(reader, sections, error);
}

bool fromAny(const QByteArray& text, Circuit::Document& document, QString* error)
{
    if (isDocument(text)) return fromText(text, document, error);
    QList<Circuit::Section> sections;
    if (!sectionsFromCsv(text, sections, error)) return false;
    document.sections = sections;
    document.extraLoss.clear();
    return true;
}

} // namespace CircuitFile
