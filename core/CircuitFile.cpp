#include "core/CircuitFile.h"

#include "core/CsvBatch.h"
#include "core/NumberText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace CircuitFile
{

namespace
{

    const QByteArray Bom("\xEF\xBB\xBF");
    const QString FormatKey = QStringLiteral("Fluvano-Teilstrecken");
    const QString DifferenceKey = QStringLiteral("Temperaturdifferenz_K");
    const QString ExtraKey = QStringLiteral("Weitere_Druckverluste_Pa");
    const QString Columns = QStringLiteral("Bezeichnung;Leistung_kW;Laenge_m;Zeta;Material;Innen_mm");

    // The lines of a text without byte-order mark and line ends; blank lines
    // dropped.
    QStringList lines(const QByteArray& text)
    {
        QByteArray bytes = text.startsWith(Bom) ? text.mid(Bom.size()) : text;
        QStringList result;
        for (const QByteArray& line : bytes.split('\n')) {
            QString decoded = QString::fromUtf8(line);
            while (decoded.endsWith(u'\r'))
                decoded.chop(1);
            if (!decoded.trimmed().isEmpty()) result.append(decoded);
        }
        return result;
    }

    QString row(const QStringList& fields)
    {
        QString text;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i) text += u';';
            CsvBatch::appendQuoted(text, fields[i]);
        }
        return text + u'\n';
    }

    Circuit::Section section(const QStringList& fields)
    {
        Circuit::Section s;
        s.name = fields.value(0).trimmed();
        s.heatOutput = fields.value(1).trimmed();
        s.length = fields.value(2).trimmed();
        s.zeta = fields.value(3).trimmed();
        const QString material = fields.value(4).trimmed();
        bool ok = false;
        const int m = material.toInt(&ok);
        s.material = ok && PipeCatalogue::validMaterial(m) ? m : 0;
        s.innerDiameter = fields.value(5).trimmed();
        return s;
    }

    QStringList inputFields(const Circuit::Section& s)
    {
        return { s.name, s.heatOutput, s.length, s.zeta, s.material ? QString::number(s.material) : QString(),
            s.innerDiameter };
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

QString mimeType()
{
    return QStringLiteral("application/x-fluvano-circuit");
}

QByteArray toText(const Circuit::Document& document)
{
    QString text = row({ FormatKey, QString::number(Version) });
    text += row({ DifferenceKey, document.temperatureDifference });
    text += row({ ExtraKey, document.extraLoss });
    text += Columns + u'\n';
    for (const Circuit::Section& s : document.sections)
        text += row(inputFields(s));
    return text.toUtf8();
}

bool isDocument(const QByteArray& text)
{
    const QByteArray start = text.startsWith(Bom) ? text.mid(Bom.size(), 64) : text.left(64);
    return start.startsWith(FormatKey.toUtf8() + ';');
}

bool fromText(const QByteArray& text, Circuit::Document& document, QString* error)
{
    const QStringList all = lines(text);
    if (all.isEmpty() || !isDocument(text)) return fail(error, QStringLiteral("Keine Fluvano-Teilstreckendatei"));
    const QStringList format = CsvBatch::splitLine(all.first());
    bool ok = false;
    const int version = format.value(1).trimmed().toInt(&ok);
    if (!ok || version < 1) return fail(error, QStringLiteral("Unbekannte Formatversion"));
    if (version > Version)
        return fail(error,
            QStringLiteral("Formatversion %1 stammt aus einer neueren Fluvano-Version (diese liest Version %2)")
                .arg(version)
                .arg(Version));

    Circuit::Document read;
    read.temperatureDifference.clear();
    qsizetype i = 1;
    for (; i < all.size(); ++i) {
        const QStringList fields = CsvBatch::splitLine(all[i]);
        const QString key = fields.value(0).trimmed();
        if (key == QStringLiteral("Bezeichnung")) break;
        if (key == DifferenceKey) read.temperatureDifference = fields.value(1).trimmed();
        if (key == ExtraKey) read.extraLoss = fields.value(1).trimmed();
    }
    if (i == all.size()) return fail(error, QStringLiteral("Die Spaltenzeile fehlt"));
    for (++i; i < all.size(); ++i) {
        if (read.sections.size() == Circuit::MaxSections) return fail(error, tooMany());
        read.sections.append(section(CsvBatch::splitLine(all[i])));
    }
    document = read;
    return true;
}

bool save(const QString& path, const Circuit::Document& document, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(error, file.errorString());
    const QByteArray text = toText(document);
    if (file.write(text) != text.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit()) return fail(error, file.errorString());
    return true;
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
    const QStringList all = lines(text);
    QList<Circuit::Section> read;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QStringList fields = CsvBatch::splitLine(all[i]);
        // The header line: its heat output is no number.
        if (i == 0) {
            QString heat = fields.value(1).trimmed();
            heat.replace(u'.', u',');
            if (!NumberText::read(heat)) continue;
        }
        if (read.size() == Circuit::MaxSections) return fail(error, tooMany());
        read.append(section(fields));
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

QString csvHeader()
{
    return Columns + QStringLiteral(";Rohr;d_mm;w_m/s;R_Pa/m;R·l_Pa;Z_Pa;Δp_Pa;ΣΔp_Pa;Hinweis\n");
}

QByteArray toCsv(const Circuit::Document& document, const QList<Circuit::Row>& rows)
{
    QString text = csvHeader();
    long double running = 0;
    for (qsizetype i = 0; i < document.sections.size(); ++i) {
        const Circuit::Row& r = rows.value(i);
        QStringList fields = inputFields(document.sections[i]);
        if (r.computed()) {
            running += r.loss;
            fields << r.panels.designation << r.panels.innerDiameter << r.panels.velocity << r.panels.pressureGradient
                   << Circuit::pascal(r.gradientLoss) << Circuit::pascal(r.fittingsLoss) << Circuit::pascal(r.loss)
                   << Circuit::pascal(running) << (r.panels.overloaded() ? ResultText::overloadWarning() : QString());
        } else {
            fields << QString() << QString() << QString() << QString() << QString() << QString() << QString()
                   << (r.empty ? QString() : Circuit::pascal(running)) << r.reason;
        }
        text += row(fields);
    }
    return Bom + text.toUtf8();
}

} // namespace CircuitFile
