#pragma once

class QApplication;
class QCoreApplication;
class QPalette;

// Application name "Fluvano" (window titles stay exactly the windows'
// captions), the German locale and Qt's own German translations, so that
// stock buttons and boxes speak German, and a fixed style with the program's
// own light palette, so that the designed colours hold under any desktop theme.
void setUpApplication(QApplication& application);

// Button-face grey windows with black text, whatever the desktop's colours.
QPalette lightPalette();

// The German locale and Qt's own German texts for stock buttons, boxes and
// the command line's messages.
void installGermanTexts(QCoreApplication& application);
