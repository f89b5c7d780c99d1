#include "core/PipeSeries.h"

#include "core/CsvBatch.h"
#include "core/NumberText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace PipeSeries
{

namespace
{

    using Series = PipeCatalogue::Series;

    constexpr int Columns = 5;
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
    return SettingsFile::location().directory + fileName();
}

QString readPath()
{
    const SettingsFile::Location where = SettingsFile::location();
    const QString own = where.directory + fileName();
    if (where.defaultsPath.isEmpty() || QFile::exists(own)) return own;
    const QString installed = where.defaultsPath.chopped(SettingsFile::fileName().size()) + fileName();
    return QFile::exists(installed) ? installed : own;
}

std::optional<Fault> check(const Series& series)
{
    if (series.name.trimmed().isEmpty()) return Fault { 0, QStringLiteral("Der Name fehlt.") };
    if (series.name.size() > PipeCatalogue::NameLength)
        return Fault { 0, QStringLiteral("Der Name hat mehr als %1 Zeichen.").arg(PipeCatalogue::NameLength) };
    if (series.caption.trimmed().isEmpty()) return Fault { 0, QStringLiteral("Der Kurzname fehlt.") };
    if (series.caption.size() > PipeCatalogue::CaptionLength)
        return Fault { 0, QStringLiteral("Der Kurzname hat mehr als %1 Zeichen.").arg(PipeCatalogue::CaptionLength) };
    if (series.pipes.isEmpty()) return Fault { 1, QStringLiteral("Die Liste enthält kein Rohr.") };
    if (series.pipes.size() > PipeCatalogue::SlotCount)
        return Fault { PipeCatalogue::SlotCount + 1,
            QStringLiteral("Mehr als %1 Rohre passen nicht in die Liste.").arg(PipeCatalogue::SlotCount) };

    long double previous = 0;
    for (int row = 1; row <= int(series.pipes.size()); ++row) {
        const PipeCatalogue::Pipe& pipe = series.pipes[row - 1];
        const QString designation = pipe.designation.trimmed();
        if (designation.isEmpty()) return Fault { row, QStringLiteral("Die Bezeichnung fehlt.") };
        if (designation.size() > PipeCatalogue::TextLength)
            return Fault { row,
                QStringLiteral("Die Bezeichnung %1 hat mehr als %2 Zeichen.")
                    .arg(quoted(designation))
                    .arg(PipeCatalogue::TextLength) };
        for (int before = 1; before < row; ++before)
            if (series.pipes[before - 1].designation.trimmed() == designation)
                return Fault {
                    row,
                    QStringLiteral("Die Bezeichnung %1 steht schon in Zeile %2.").arg(quoted(designation)).arg(before)
                };
        const auto diameter = NumberText::read(pipe.innerDiameter);
        if (!diameter || !(*diameter > 0))
            return Fault { row,
                QStringLiteral("Der Innendurchmesser %1 ist keine positive Zahl.").arg(quoted(pipe.innerDiameter)) };
        if (pipe.innerDiameter.trimmed().size() > PipeCatalogue::TextLength)
            return Fault { row,
                QStringLiteral("Der Innendurchmesser %1 hat mehr als %2 Zeichen.")
                    .arg(quoted(pipe.innerDiameter))
                    .arg(PipeCatalogue::TextLength) };
        if (row > 1 && !(*diameter > previous))
            return Fault { row,
                QStringLiteral("Der Innendurchmesser %1 ist nicht größer als der in Zeile %2: die Rohre stehen "
                               "aufsteigend.")
                    .arg(pipe.innerDiameter.trimmed())
                    .arg(row - 1) };
        previous = *diameter;
    }
    return std::nullopt;
}

Content parse(const QByteArray& bytes, const QString& where)
{
    Content content;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(u'\n');

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

    bool first = true;
    for (int n = 1; n <= int(lines.size()); ++n) {
        QString line = lines[n - 1];
        if (line.endsWith(u'\r')) line.chop(1);
        QStringList fields = CsvBatch::splitLine(line);
        for (QString& field : fields)
            field = field.trimmed();
        if (std::all_of(fields.begin(), fields.end(), [](const QString& f) { return f.isEmpty(); })) continue;
        bool isNumber = false;
        const int m = fields[0].toInt(&isNumber);
        if (first) {
            first = false;
            if (!isNumber) continue; // the header
        }
        if (!isNumber || !PipeCatalogue::validMaterial(m)) {
            tell(n, QStringLiteral("Unbekanntes Rohrmaterial %1 (7 bis 10).").arg(quoted(fields[0])));
            continue;
        }
        if (!PipeCatalogue::editable(m)) {
            tell(n, QStringLiteral("Material %1 ist fest eingebaut; die Zeile gilt nicht.").arg(m));
            continue;
        }
        Gathered& material = gathered[m];
        if (material.faulty) continue;
        if (fields.size() != Columns) {
            fault(m, n, QStringLiteral("%1 Spalten statt %2.").arg(fields.size()).arg(Columns));
            continue;
        }
        const QString& caption = fields[1];
        const QString& name = fields[2];
        if (material.lines.isEmpty()) {
            material.series.caption = caption;
            material.series.name = name;
        } else if (caption != material.series.caption || name != material.series.name) {
            fault(m, n, QStringLiteral("Kurzname oder Name weicht von Zeile %1 ab.").arg(material.lines.first()));
            continue;
        }
        QString diameter = fields[4];
        diameter.replace(u'.', u',');
        material.series.pipes.append({ fields[3], diameter });
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
    QString text = QStringLiteral("\uFEFFMaterial;Kurzname;Name;Bezeichnung;Innen_mm\r\n");
    for (int m = PipeCatalogue::FirstEditable; m <= PipeCatalogue::MaterialCount; ++m) {
        const Series series = catalogue.series(m);
        for (const PipeCatalogue::Pipe& pipe : series.pipes) {
            text += QString::number(m);
            for (const QString* field : { &series.caption, &series.name, &pipe.designation, &pipe.innerDiameter }) {
                text += u';';
                CsvBatch::appendQuoted(text, *field);
            }
            text += QStringLiteral("\r\n");
        }
    }
    return text.toUtf8();
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
    const SettingsFile::Location where = SettingsFile::location();
    const QString to = path();
    if (where.perUser && !QDir().mkpath(where.directory)) return { false, to, qt_error_string(errno) };
    const QByteArray bytes = image(catalogue);
    QSaveFile file(to);
    if (!file.open(QIODevice::WriteOnly)) return { false, to, file.errorString() };
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return { false, to, reason };
    }
    if (!file.commit()) return { false, to, file.errorString() };
    remembered() = bytes;
    return { true, to, {} };
}

QByteArray lastImage()
{
    return remembered();
}

} // namespace PipeSeries
