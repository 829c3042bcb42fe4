#include "frame/Form1.h"

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    resize(640, 480);
}
