#pragma once

// Fluvano without a window: one result as text or as a PDF sheet, or many
// results from a CSV file. Runs before any QApplication exists and needs no
// display; the settings file is only read.
namespace CommandLine
{

// True when the arguments hold an option of ours (anything but Qt's own
// window options), so that the window is not started.
bool requested(int argc, char* argv[]);

// Runs the command line and returns the exit status: 0 all computed, 1 a
// result not computed, 2 a usage error or a file that could not be read or
// written.
int run(int argc, char* argv[]);

} // namespace CommandLine
