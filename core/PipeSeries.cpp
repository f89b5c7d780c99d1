#include "core/PipeSeries.h"

#include "core/Csv.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace PipeSeries
{

namespace
{

    using Series = PipeCatalogue::Series;

    enum { MaterialColumn, CaptionColumn, NameColumn, DesignationColumn, DiameterColumn, Columns };
    const QList<Csv::Column> SeriesColumns { { QStringLiteral("Material"), true }, { QStringLiteral("Kurzname"), true },
        { QStringLiteral("Name"), true }, { QStringLiteral("Bezeichnung"), true },
        { QStringLiteral("Innen_mm"), true } };
    constexpr qint64 MaxFileSize = 1024 * 1024; // far beyond 4 x 20 lines

    QByteArray& remembered()
    {
        static QByteArray image;
        return image;
    }

    QString quoted(const QString& text)
    {
        return u'„' + text + u'“';
    }

    QString materialWithCaption(int m)
    {
        return QStringLiteral("Material %1 (%2)").arg(m).arg(PipeCatalogue::standardSeries(m).caption);
    }

} // namespace

QString fileName()
{
    return QStringLiteral("Fluvano-Rohrsysteme.csv");
}

QString path()
{
    return SettingsFile::besidePath(fileName());
}

QString readPath()
{
    return SettingsFile::besideReadPath(fileName());
}

std::optional<Fault> check(const Series& series)
{
    static const SeriesCheck::Rules rules {
        .nameLength = PipeCatalogue::NameLength,
        .captionLength = PipeCatalogue::CaptionLength,
        .maxRows = PipeCatalogue::SlotCount,
        .labelLength = PipeCatalogue::TextLength,
        .numberLength = PipeCatalogue::TextLength,
        .noRow = QStringLiteral("Die Liste enthält kein Rohr."),
        .tooManyRows = QStringLiteral("Mehr als %1 Rohre passen nicht in die Liste."),
        .label = QStringLiteral("Die Bezeichnung"),
        .number = QStringLiteral("Der Innendurchmesser"),
        .rows = QStringLiteral("die Rohre"),
        .numberMissing = {}, // an empty diameter is no positive number
    };
    QList<SeriesCheck::Row> rows;
    rows.reserve(series.pipes.size());
    for (const PipeCatalogue::Pipe& pipe : series.pipes) rows.append({ pipe.designation, pipe.innerDiameter });
    return SeriesCheck::check(series.name, series.caption, rows, rules);
}

Content parse(const QByteArray& bytes, const QString& where)
{
    Content content;
    Csv::Reader reader(bytes, SeriesColumns);

    struct Gathered {
        Series series;
        QList<int> lines; // file line of each pipe
        bool faulty = false;
    };
    std::array<Gathered, PipeCatalogue::MaterialCount + 1> gathered;
    auto tell = [&](int line, const QString& problem, int m = 0) {
        QString message = where + QStringLiteral(", Zeile %1: ").arg(line) + problem;
        if (m) message += QStringLiteral(" Für %1 gelten die Standardwerte.").arg(materialWithCaption(m));
        content.problems.append(message);
    };
    auto fault = [&](int m, int line, const QString& problem) {
        gathered[m].faulty = true;
        tell(line, problem, m);
    };
    if (!reader.error().isEmpty()) {
        content.problems.append(
            where + QStringLiteral(": ") + reader.error() + QStringLiteral(" Es gelten die Standardwerte."));
        return content;
    }

    for (Csv::Record record; reader.next(record);) {
        const int n = record.line();
        bool isNumber = false;
        const int m = record.view(MaterialColumn).toInt(&isNumber);
        if (!isNumber || !PipeCatalogue::validMaterial(m)) {
            tell(
                n, QStringLiteral("Unbekanntes Rohrmaterial %1 (7 bis 10).").arg(quoted(record.field(MaterialColumn))));
            continue;
        }
        if (!PipeCatalogue::editable(m)) {
            tell(n, QStringLiteral("Material %1 ist fest eingebaut; die Zeile gilt nicht.").arg(m));
            continue;
        }
        Gathered& material = gathered[m];
        if (material.faulty) continue;
        if (record.size() != record.expectedSize()) {
            fault(m, n, QStringLiteral("%1 Spalten statt %2.").arg(record.size()).arg(record.expectedSize()));
            continue;
        }
        const QString caption = record.field(CaptionColumn);
        const QString name = record.field(NameColumn);
        if (material.lines.isEmpty()) {
            material.series.caption = caption;
            material.series.name = name;
        } else if (caption != material.series.caption || name != material.series.name) {
            fault(m, n, QStringLiteral("Kurzname oder Name weicht von Zeile %1 ab.").arg(material.lines.first()));
            continue;
        }
        QString diameter = Csv::number(record.view(DiameterColumn), reader.dialect());
        diameter.replace(u'.', u',');
        material.series.pipes.append({ record.field(DesignationColumn), diameter });
        material.lines.append(n);
    }

    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m) {
        const Gathered& material = gathered[m];
        if (material.faulty || material.lines.isEmpty()) continue;
        if (const auto problem = check(material.series)) {
            const int index = std::clamp(problem->row, 1, int(material.lines.size())) - 1;
            tell(material.lines[index], problem->text, m);
            continue;
        }
        content.series[m] = material.series;
    }
    return content;
}

QByteArray image(const PipeCatalogue& catalogue)
{
    QStringList header;
    for (const Csv::Column& column : SeriesColumns)
        header.append(column.name);
    QString text = Csv::row(header) + QStringLiteral("\r\n");
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m) {
        const Series series = catalogue.series(m);
        for (const PipeCatalogue::Pipe& pipe : series.pipes)
            text += Csv::row({ QString::number(m), series.caption, series.name, pipe.designation, pipe.innerDiameter })
                + QStringLiteral("\r\n");
    }
    return QByteArray(Csv::Bom) + text.toUtf8();
}

QStringList load(PipeCatalogue& catalogue)
{
    const QString from = readPath();
    Content content;
    QFile file(from);
    if (file.exists()) {
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.read(MaxFileSize);
            content = parse(bytes, QDir::toNativeSeparators(from));
            if (from == path()) remembered() = bytes;
        } else {
            content.problems.append(QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                                        .arg(QDir::toNativeSeparators(from), file.errorString()));
        }
    }
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m)
        catalogue.setSeries(m, content.series[m].value_or(PipeCatalogue::standardSeries(m)));
    return content.problems;
}

SettingsFile::WriteResult save(const PipeCatalogue& catalogue)
{
    const QByteArray bytes = image(catalogue);
    const SaveFile::Result result = SaveFile::write(path(), bytes, SettingsFile::location().perUser);
    if (result) remembered() = bytes;
    return result;
}

QByteArray lastImage()
{
    return remembered();
}

} // namespace PipeSeries
