#include "info/TForm4.h"

TForm4::TForm4(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}
