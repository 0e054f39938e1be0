#include "controls/zel_progress_bar.h"

ZelProgressBar::ZelProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
}
