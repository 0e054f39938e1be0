#include "controls/zel_kb_container.h"

zelKBContainer::zelKBContainer(QWidget *parent)
    : QWidget(parent)
{
}
