#pragma once

#include <QString>
#include <QStringList>

// The sections of a circuit without a window:
//   fluvano --circuit FILE|- [--delta-t K] [--extra-pa N] [--pdf FILE]
// writes the computed table as CSV to standard output (or the printed list
// as PDF) and the totals to standard error. Exit status as for --csv.
namespace CircuitCommand
{

// True when the arguments hold --circuit.
bool requested(int argc, char* argv[]);
int run(int argc, char* argv[]);

// The options, for fluvano --help.
QString helpText();

// The file named on the command line of the window program ("fluvano
// FILE"): the first argument that is no option; empty without one.
QString fileToOpen(const QStringList& arguments);

} // namespace CircuitCommand
