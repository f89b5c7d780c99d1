#include "info/TForm3.h"

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}
void TForm3::Startprozeduren() { }
