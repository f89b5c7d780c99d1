#include "core/ValveSeries.h"

#include "core/Csv.h"
#include "core/NumberText.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <map>

namespace ValveSeries
{

namespace
{

    using Series = ValveCatalogue::Series;

    enum { NumberColumn, CaptionColumn, NameColumn, LabelColumn, KvColumn };
    const QList<Csv::Column> SeriesColumns { { QStringLiteral("Ventil"), true }, { QStringLiteral("Kurzname"), true },
        { QStringLiteral("Name"), true }, { QStringLiteral("Stufe"), true }, { QStringLiteral("kv_m3h"), true } };
    constexpr qint64 MaxFileSize = 1024 * 1024; // far beyond 99 x 30 lines

    QByteArray& remembered()
    {
        static QByteArray image;
        return image;
    }

    QString quoted(const QString& text)
    {
        return u'„' + text + u'“';
    }

    QString seriesWithCaption(int number, const QString& caption)
    {
        return QStringLiteral("Ventilreihe %1 (%2)").arg(number).arg(caption);
    }

    // A series as read from the file, with the file line of each step.
    struct Gathered {
        Series series;
        QList<int> lines;
        bool faulty = false;
    };

} // namespace

QString fileName()
{
    return QStringLiteral("Fluvano-Ventile.csv");
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
        .nameLength = ValveCatalogue::NameLength,
        .captionLength = ValveCatalogue::CaptionLength,
        .maxRows = ValveCatalogue::MaxSteps,
        .labelLength = ValveCatalogue::LabelLength,
        .numberLength = 0,
        .noRow = QStringLiteral("Die Reihe enthält keine Stufe."),
        .tooManyRows = QStringLiteral("Mehr als %1 Stufen passen nicht in die Reihe."),
        .label = QStringLiteral("Die Stufe"),
        .number = QStringLiteral("Der kv-Wert"),
        .rows = QStringLiteral("die Stufen"),
        .numberMissing = QStringLiteral("Der kv-Wert fehlt."),
    };
    QList<SeriesCheck::Row> rows;
    rows.reserve(series.steps.size());
    for (const ValveCatalogue::Step& step : series.steps) rows.append({ step.label, step.kv });
    return SeriesCheck::check(series.name, series.caption, rows, rules);
}

Content parse(const QByteArray& bytes, const QString& where)
{
    Content content;
    Csv::Reader reader(bytes, SeriesColumns);
    auto tell = [&](int line, const QString& problem) {
        content.problems.append(where + QStringLiteral(", Zeile %1: ").arg(line) + problem);
    };
    if (!reader.error().isEmpty()) {
        content.problems.append(
            where + QStringLiteral(": ") + reader.error() + QStringLiteral(" Es gelten nur die Standardreihen."));
        return content;
    }

    const QList<Series> standard = ValveCatalogue::standardSeries();
    const int standardCount = int(standard.size());
    auto builtIn = [&](int line, int number) {
        tell(line,
            QStringLiteral("%1 ist fest eingebaut; die Zeilen weichen davon ab und gelten nicht.")
                .arg(seriesWithCaption(number, standard[number - 1].caption)));
    };
    auto leftOut = [](int number, const QString& caption) {
        return QStringLiteral(" %1 wird ausgelassen.").arg(seriesWithCaption(number, caption));
    };

    std::map<int, Gathered> gathered; // by the file's number, in its order
    for (Csv::Record record; reader.next(record);) {
        const int n = record.line();
        bool isNumber = false;
        const int number = record.view(NumberColumn).toInt(&isNumber);
        if (!isNumber || number < 1) {
            tell(n,
                QStringLiteral("Unbekannte Ventilreihe %1 (eine Nummer ab 1).")
                    .arg(quoted(record.field(NumberColumn))));
            continue;
        }
        Gathered& series = gathered[number];
        if (series.faulty) continue;
        const QString caption = record.field(CaptionColumn);
        const QString name = record.field(NameColumn);
        QString kv = Csv::number(record.view(KvColumn), reader.dialect());
        kv.replace(u'.', u',');
        const ValveCatalogue::Step step { record.field(LabelColumn), kv };

        if (number <= standardCount) {
            // Accepted as it is when it repeats the built-in series.
            const Series& own = standard[number - 1];
            const qsizetype index = series.lines.size();
            series.lines.append(n);
            if (index >= own.steps.size() || caption != own.caption || name != own.name
                || step.label != own.steps[index].label
                || NumberText::read(kv) != NumberText::read(own.steps[index].kv)) {
                series.faulty = true;
                builtIn(n, number);
            }
            continue;
        }
        if (record.size() != record.expectedSize()) {
            series.faulty = true;
            tell(n,
                QStringLiteral("%1 Spalten statt %2.").arg(record.size()).arg(record.expectedSize())
                    + leftOut(number, series.lines.isEmpty() ? caption : series.series.caption));
            continue;
        }
        if (series.lines.isEmpty()) {
            series.series.caption = caption;
            series.series.name = name;
        } else if (caption != series.series.caption || name != series.series.name) {
            series.faulty = true;
            tell(n,
                QStringLiteral("Kurzname oder Name weicht von Zeile %1 ab.").arg(series.lines.first())
                    + leftOut(number, series.series.caption));
            continue;
        }
        series.series.steps.append(step);
        series.lines.append(n);
    }

    for (const auto& [number, series] : gathered) {
        if (series.faulty) continue;
        if (number <= standardCount) {
            if (series.lines.size() != standard[number - 1].steps.size()) builtIn(series.lines.last(), number);
            continue;
        }
        if (const auto problem = check(series.series)) {
            const int index = std::clamp(problem->row, 1, int(series.lines.size())) - 1;
            tell(series.lines[index], problem->text + leftOut(number, series.series.caption));
            continue;
        }
        if (number > ValveCatalogue::MaxSeries) {
            tell(series.lines.first(),
                QStringLiteral("Mehr als %1 Ventilreihen passen nicht in den Katalog.").arg(ValveCatalogue::MaxSeries)
                    + leftOut(number, series.series.caption));
            continue;
        }
        // Each at its number: documents name the valves by it.
        const qsizetype index = number - standardCount - 1;
        while (content.series.size() <= index)
            content.series.append(Series {});
        content.series[index] = series.series;
    }
    return content;
}

QByteArray image(const ValveCatalogue& catalogue, Include which)
{
    QStringList header;
    for (const Csv::Column& column : SeriesColumns)
        header.append(column.name);
    QString text = Csv::row(header) + QStringLiteral("\r\n");
    const int first = which == AllSeries ? 1 : ValveCatalogue::standardCount() + 1;
    for (int number = first; number <= catalogue.count(); ++number) {
        const Series& series = catalogue.series(number);
        for (const ValveCatalogue::Step& step : series.steps)
            text += Csv::row({ QString::number(number), series.caption, series.name, step.label, step.kv })
                + QStringLiteral("\r\n");
    }
    return QByteArray(Csv::Bom) + text.toUtf8();
}

QStringList load(ValveCatalogue& catalogue)
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
    catalogue.setUserSeries(content.series);
    return content.problems;
}

SaveFile::Result save(const ValveCatalogue& catalogue)
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

} // namespace ValveSeries
