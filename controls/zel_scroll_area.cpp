#include "controls/zel_scroll_area.h"

ZelScrollArea::ZelScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
}
