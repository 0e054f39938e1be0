#include "controls/zel_list.h"

ZelList::ZelList(QWidget *parent)
    : QAbstractScrollArea(parent)
{
}
