#include "EditBoundary.h"

EditBoundary::EditBoundary(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}
