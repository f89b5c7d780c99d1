#include "core/NumberText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace NumberText
{

std::optional<long double> read(QStringView text)
{
    text = text.trimmed();
    std::string ascii;
    ascii.reserve(std::size_t(text.size()));
    int digits = 0;
    int commas = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'-' && i == 0) {
            ascii += '-';
        } else if (c == u',') {
            if (++commas > 1) return std::nullopt;
            ascii += '.';
        } else if (c >= u'0' && c <= u'9') {
            ++digits;
            ascii += char(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    // from_chars wants a digit before the point.
    std::string::size_type point = ascii.find('.');
    if (point != std::string::npos && (point == 0 || ascii[point - 1] == '-')) ascii.insert(point, 1, '0');
    if (ascii.back() == '.') ascii.pop_back();

    long double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    if (!(std::fabs(value) <= FLT_MAX)) return std::nullopt;
    return value;
}

std::optional<int> readInteger(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

namespace
{

    // True when |value| lies exactly halfway between two multiples of
    // 10^-decimals. That needs |value| = odd · 2^-(decimals+1): 5^decimals is odd,
    // so no other binary fraction can be a tie.
    bool isTie(long double magnitude, int decimals)
    {
        int exponent = 0;
        const long double mantissa = std::frexp(magnitude, &exponent); // in [0.5, 1)
        std::uint64_t bits = std::uint64_t(std::ldexp(mantissa, 64)); // exact for an x87 long double
        if (bits == 0) return false;
        exponent -= 64;
        while ((bits & 1u) == 0) {
            bits >>= 1;
            ++exponent;
        }
        return exponent == -(decimals + 1);
    }

    std::string plainDigits(long double value, int decimals)
    {
        long double magnitude = std::fabs(value);
        // glibc rounds exact halves to even. A tie is odd · 2^-(decimals+1); adding
        // 2^-(4·decimals+2), less than half a step since 2^(3·decimals+1) > 5^decimals,
        // moves it off the tie and away from zero. The sum is exact for any value
        // the program shows (below 2^46 with four decimals).
        if (isTie(magnitude, decimals)) magnitude += std::ldexp(1.0L, -(4 * decimals + 2));
        const int size = std::snprintf(nullptr, 0, "%.*Lf", decimals, magnitude);
        std::string digits(std::size_t(size), '\0');
        std::snprintf(digits.data(), digits.size() + 1, "%.*Lf", decimals, magnitude);
        return digits;
    }

    QString format(long double value, int decimals, bool group)
    {
        if (!std::isfinite(value) || decimals < 0) return {};
        const std::string digits = plainDigits(value, decimals);
        const std::string::size_type point = digits.find('.');
        const std::string whole = digits.substr(0, point);
        const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
        const bool zero = digits.find_first_not_of("0.") == std::string::npos;

        QString text;
        text.reserve(qsizetype(digits.size() + digits.size() / 3 + 2));
        if (std::signbit(value) && !zero) text += u'-';
        for (std::string::size_type i = 0; i < whole.size(); ++i) {
            if (group && i > 0 && (whole.size() - i) % 3 == 0) text += u'.';
            text += QChar(char16_t(whole[i]));
        }
        if (!fraction.empty()) {
            text += u',';
            text += QLatin1StringView(fraction.data(), qsizetype(fraction.size()));
        }
        return text;
    }

} // namespace

QString fixed(long double value, int decimals)
{
    return format(value, decimals, false);
}

QString grouped(long double value, int decimals)
{
    return format(value, decimals, true);
}

std::optional<QChar> filterKey(QChar typed)
{
    if (typed == u'.') return QChar(u',');
    if (typed == u'\b' || typed == u',' || (typed >= u'0' && typed <= u'9')) return typed;
    return std::nullopt;
}

} // namespace NumberText
