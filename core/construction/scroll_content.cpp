#include "core/construction/scroll_content.h"

#include <QScrollArea>

namespace quarn {

Row<QWidget> scrollContent(QWidget *&field, QScrollArea *area, const char *objectName)
{
    field = new QWidget();
    field->setObjectName(QString::fromUtf8(objectName));
    area->setWidget(field);
    return Row<QWidget>(field);
}

} // namespace quarn
