#include "forms/service/VideoTestScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_VideoTestScreenClass &, QWidget *root)
{
    Root(root, "VideoTestScreenClass").size(240, 400);
}

void retranslateUi(Ui_VideoTestScreenClass &, QWidget *root)
{
    root->setWindowTitle(QCoreApplication::translate("VideoTestScreenClass", "Dialog"));
}

Form<Ui_VideoTestScreenClass, setupUi, retranslateUi> formVideoTestScreenClass;

} // namespace

FormLayout &VideoTestScreenClass()
{
    return formVideoTestScreenClass;
}

} // namespace quarn::forms
