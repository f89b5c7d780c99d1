#include "constants/TForm2.h"

#include "app/AppState.h"

namespace {
QPointer<TForm2>& currentDialog()
{
    static QPointer<TForm2> dialog;
    return dialog;
}
} // namespace

TForm2::TForm2(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setupUi(this);
}

TForm2* TForm2::current() { return currentDialog(); }

void TForm2::setCurrent(TForm2* dialog) { currentDialog() = dialog; }

void TForm2::Startprozeduren() { appState().dialogInitialised = true; }
