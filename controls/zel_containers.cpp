#include "controls/zel_containers.h"

ZelList::ZelList(QWidget *parent)
    : QAbstractScrollArea(parent)
{
}

ZelVirtualList::ZelVirtualList(QWidget *parent)
    : QAbstractScrollArea(parent)
{
}

ZelScrollArea::ZelScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
}

ZelProgressBar::ZelProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
}
