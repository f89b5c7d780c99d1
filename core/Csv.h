#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// CSV tables as spreadsheet programs write and open them.
//
// Writing gives what a German spreadsheet program opens as it is: UTF-8 with
// byte-order mark, ';' between fields, numbers with decimal commas (the
// caller's number text), a field in double quotes only when it needs them.
namespace Csv {

// Starts a written file.
inline constexpr char Bom[] = "\xEF\xBB\xBF";

// Appends a field as it is (no trimming), in double quotes with "" inside
// when it holds ';', '"', CR or LF.
void appendField(QString &row, QStringView field);
// The fields joined by ';', each as appendField() writes it; no line end.
QString row(const QStringList &fields);

} // namespace Csv
