#include "core/SeriesCheck.h"

#include "core/NumberText.h"

namespace SeriesCheck
{

namespace
{

    QString quoted(const QString& text)
    {
        return u'„' + text + u'“';
    }

    // The series' own name and short name.
    std::optional<Fault> checkNames(const QString& name, const QString& caption, const Rules& rules)
    {
        if (name.trimmed().isEmpty()) return Fault { 0, QStringLiteral("Der Name fehlt.") };
        if (name.size() > rules.nameLength)
            return Fault { 0, QStringLiteral("Der Name hat mehr als %1 Zeichen.").arg(rules.nameLength) };
        if (caption.trimmed().isEmpty()) return Fault { 0, QStringLiteral("Der Kurzname fehlt.") };
        if (caption.size() > rules.captionLength)
            return Fault { 0, QStringLiteral("Der Kurzname hat mehr als %1 Zeichen.").arg(rules.captionLength) };
        return std::nullopt;
    }

} // namespace

std::optional<Fault> check(const QString& name, const QString& caption, const QList<Row>& rows, const Rules& rules)
{
    if (auto fault = checkNames(name, caption, rules)) return fault;
    if (rows.isEmpty()) return Fault { 1, rules.noRow };
    if (rows.size() > rules.maxRows) return Fault { rules.maxRows + 1, rules.tooManyRows.arg(rules.maxRows) };

    // Several arguments at once, so that a % in the user's text stays as typed.
    long double previous = 0;
    for (int row = 1; row <= int(rows.size()); ++row) {
        const QString label = rows[row - 1].label.trimmed();
        const QString& number = rows[row - 1].number;
        if (label.isEmpty()) return Fault { row, QStringLiteral("%1 fehlt.").arg(rules.label) };
        if (label.size() > rules.labelLength)
            return Fault { row,
                QStringLiteral("%1 %2 hat mehr als %3 Zeichen.")
                    .arg(rules.label, quoted(label), QString::number(rules.labelLength)) };
        for (int before = 1; before < row; ++before)
            if (rows[before - 1].label.trimmed() == label)
                return Fault { row,
                    QStringLiteral("%1 %2 steht schon in Zeile %3.")
                        .arg(rules.label, quoted(label), QString::number(before)) };
        if (!rules.numberMissing.isEmpty() && number.trimmed().isEmpty()) return Fault { row, rules.numberMissing };
        const auto value = NumberText::read(number);
        if (!value || !(*value > 0))
            return Fault { row, QStringLiteral("%1 %2 ist keine positive Zahl.").arg(rules.number, quoted(number)) };
        if (rules.numberLength > 0 && number.trimmed().size() > rules.numberLength)
            return Fault { row,
                QStringLiteral("%1 %2 hat mehr als %3 Zeichen.")
                    .arg(rules.number, quoted(number), QString::number(rules.numberLength)) };
        if (row > 1 && !(*value > previous))
            return Fault { row,
                QStringLiteral("%1 %2 ist nicht größer als der in Zeile %3: %4 stehen aufsteigend.")
                    .arg(rules.number, number.trimmed(), QString::number(row - 1), rules.rows) };
        previous = *value;
    }
    return std::nullopt;
}

} // namespace SeriesCheck
