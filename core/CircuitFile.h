#pragma once

#include "core/Circuit.h"

#include <QByteArray>
#include <QString>

// The circuit document (".fluvano") and the CSV section lists.
//
// The document is UTF-8 text, one record a line, fields separated by
// semicolons (in double quotes when they hold one), numbers as typed:
//   Fluvano-Teilstrecken;2                        format and its version
//   Projekt;Haus Berger
//   Temperaturdifferenz_K;15
//   Weitere_Druckverluste_Pa;2500
//   Mindest_dp_Ventil_Pa;
//   Bezeichnung;Vorgaenger;Leistung_kW;...        the typed columns of the table
//   Kessel - Verteiler;;25;8;6,5;1;;;
//   ...                                           one line per section
// A reader skips keys it does not know before the column line, finds the
// columns by their names and refuses a newer version than its own. Version 1
// had no Vorgänger: its sections are one chain.
namespace CircuitFile
{

inline constexpr int Version = 2;
QString suffix(); // "fluvano"

QByteArray toText(const Circuit::Document& document);
// False with the reason in *error when the text is not a document this
// version reads.
bool fromText(const QByteArray& text, Circuit::Document& document, QString* error);
// A document text starts with its format line.
bool isDocument(const QByteArray& text);

// Atomic: the previous file stays unless the whole document was written.
bool save(const QString& path, const Circuit::Document& document, QString* error);
// Reads a document or a CSV section list (see fromAny); *wasDocument tells
// which it was.
bool load(const QString& path, Circuit::Document& document, QString* error, bool* wasDocument = nullptr);

// A section list as spreadsheets write it (core/Csv.h), with the columns of
// the table's typed cells found by their header names
// ("Bezeichnung;Vorgaenger;Leistung_kW;Laenge_m;Zeta;Material;Innen_mm;
// Verbraucher_Pa", the first five needed), or without a header the six of
// the first lists ("Bezeichnung;Leistung_kW;Laenge_m;Zeta;Material[;Innen_mm]").
// A list without "Vorgaenger" is one chain.
bool sectionsFromCsv(const QByteArray& text, QList<Circuit::Section>& sections, QString* error);

// A document or a CSV section list, told apart by the format line; CSV
// gives a document with the temperature difference left as it is.
bool fromAny(const QByteArray& text, Circuit::Document& document, QString* error);

} // namespace CircuitFile
