#include "controls/zel_virtual_list.h"

ZelVirtualList::ZelVirtualList(QWidget *parent)
    : QAbstractScrollArea(parent)
{
}
