#include "info/TForm5.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
}
