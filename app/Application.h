#pragma once

class QApplication;

// Application title "Fluvano", the German locale and Qt's own German
// translations, so that stock buttons and boxes speak German.
void setUpApplication(QApplication& application);
