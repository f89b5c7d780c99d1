#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// Numbers as the user sees them: a decimal comma, and in the grouped
// formats a point between thousands.
namespace NumberText
{

// Reads a decimal-comma number: optional blanks around it, an optional
// leading "-", digits with at most one comma and at least one digit ("16,"
// and ",5" are numbers). Anything else, and a value beyond the range of a
// single float, is not a number. An empty text is not a number either; the
// callers decide what an empty field means.
std::optional<long double> read(QStringView text);

// Reads a whole decimal number as a stepper's buddy shows it.
std::optional<int> readInteger(QStringView text);

// Fixed-point with `decimals` places and a decimal comma.
// Rounds the exact binary value to nearest, halves away from zero.
// A value that rounds to zero has no sign. Not-finite values give "".
QString fixed(long double value, int decimals);

// As fixed(), with the thousands grouped by a point.
QString grouped(long double value, int decimals);

// The numeric key filter: "." becomes ","; backspace, "," and digits pass;
// every other character is discarded (nullopt).
std::optional<QChar> filterKey(QChar typed);

} // namespace NumberText
