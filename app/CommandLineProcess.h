#pragma once

// Prepares the process for the command line before it runs. On Windows:
// standard streams in binary mode, so that output and redirected files carry
// the same bytes as on Linux (no "\r" added before each "\n"); the console
// showing UTF-8; and PDF sheets painted by the system's own platform, whose
// fonts are the system's (Qt's offscreen platform there reads the font files
// of one folder only). Nothing to do elsewhere.
void prepareCommandLineProcess();
