#include "core/CircuitFile.h"

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
    const QString DifferenceKey = QStringLiteral("Temperaturdifferenz_K");
    const QString ExtraKey = QStringLiteral("Weitere_Druckverluste_Pa");

    QString row(const QStringList& fields)
    {
        return Csv::row(fields) + u'\n';
    }

    // The columns of a section, in the order of the document and of a CSV
    // list without header.
    enum SectionColumn { Name, HeatOutput, Length, Zeta, Material, InnerDiameter };
    const QList<Csv::Column> SectionColumns { { QStringLiteral("Bezeichnung"), true },
        { QStringLiteral("Leistung_kW"), true }, { QStringLiteral("Laenge_m"), true }, { QStringLiteral("Zeta"), true },
        { QStringLiteral("Material"), true }, { QStringLiteral("Innen_mm") } };

    Circuit::Section section(const Csv::Record& record, const Csv::Dialect& dialect)
    {
        auto number = [&](int column) { return Csv::number(record.view(column), dialect); };
        Circuit::Section s;
        s.name = record.field(Name);
        s.heatOutput = number(HeatOutput);
        s.length = number(Length);
        s.zeta = number(Zeta);
        bool ok = false;
        const int m = record.view(Material).toInt(&ok);
        s.material = ok && PipeCatalogue::validMaterial(m) ? m : 0;
        s.innerDiameter = number(InnerDiameter);
        return s;
    }

    // The material is written also when unknown (0), so that no section's
    // line is blank.
    QStringList inputFields(const Circuit::Section& s)
    {
        return { s.name, s.heatOutput, s.length, s.zeta, QString::number(s.material), s.innerDiameter };
    }

    bool fail(QString* error, const QString& reason)
    {
        if (error) *error = reason;
        return false;
    }

    QString tooMany()
    {
        return QStringLiteral("Mehr als %1 Teilstrecken").arg(NumberText::grouped(Circuit::MaxSections, 0));
    }

} // namespace

QString suffix()
{
    return QStringLiteral("fluvano");
}

QByteArray toText(const Circuit::Document& document)
{
    QString text = row({ FormatKey, QString::number(Version) });
    text += row({ DifferenceKey, document.temperatureDifference });
    text += row({ ExtraKey, document.extraLoss });
    QStringList columns;
    for (const Csv::Column& column : SectionColumns)
        columns.append(column.name);
    text += row(columns);
    for (const Circuit::Section& s : document.sections)
        text += row(inputFields(s));
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
    bool ok = false;
    const int version = record.at(1).toInt(&ok);
    if (!ok || version < 1) return fail(error, QStringLiteral("Unbekannte Formatversion"));
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
        if (key == DifferenceKey) read.temperatureDifference = record.at(1).toString();
        if (key == ExtraKey) read.extraLoss = record.at(1).toString();
    }
    if (!columnLine) return fail(error, QStringLiteral("Die Spaltenzeile fehlt"));

    // From the column line on, a section list.
    qsizetype from = 0;
    for (int line = 1; line < columnLine; ++line)
        from = text.indexOf('\n', from) + 1;
    Csv::Reader sections(text.mid(from), SectionColumns);
    if (!sections.error().isEmpty()) return fail(error, sections.error());
    while (sections.next(record)) {
        if (read.sections.size() == Circuit::MaxSections) return fail(error, tooMany());
        read.sections.append(section(record, sections.dialect()));
    }
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
    // 1,000 sections take some 100 kB; anything far larger is another file.
    constexpr qint64 MaxSize = 16 * 1024 * 1024;
    if (file.size() > MaxSize) return fail(error, QStringLiteral("Die Datei ist zu groß für eine Teilstreckenliste"));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) return fail(error, file.errorString());
    if (wasDocument) *wasDocument = isDocument(text);
    return fromAny(text, document, error);
}

bool sectionsFromCsv(const QByteArray& text, QList<Circuit::Section>& sections, QString* error)
{
    Csv::Reader reader(text, SectionColumns);
    if (!reader.error().isEmpty()) return fail(error, reader.error());
    QList<Circuit::Section> read;
    for (Csv::Record record; reader.next(record);) {
        if (read.size() == Circuit::MaxSections) return fail(error, tooMany());
        read.append(section(record, reader.dialect()));
    }
    sections = read;
    return true;
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
