#include "core/Csv.h"

#include <algorithm>

namespace Csv {

namespace {

constexpr char16_t WrittenSeparator = u';';

} // namespace

void appendField(QString &row, QStringView field) {
  const bool plain = std::none_of(field.begin(), field.end(), [](QChar c) {
    return c == WrittenSeparator || c == u'"' || c == u'\n' || c == u'\r';
  });
  if (plain) {
    row += field;
    return;
  }
  row += u'"';
  for (const QChar c : field) {
    if (c == u'"')
      row += u'"';
    row += c;
  }
  row += u'"';
}

QString row(const QStringList &fields) {
  QString text;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i)
      text += WrittenSeparator;
    appendField(text, fields[i]);
  }
  return text;
}

} // namespace Csv
