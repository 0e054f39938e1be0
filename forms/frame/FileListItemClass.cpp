#include "forms/frame/FileListItemClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_FileListItemClass &ui, QWidget *root)
{
    Root(root, "FileListItemClass")
        .size(230, 36)
        .minimumSize(230, 30)
        .image("normal", ":/Buttons/b_Geocache_Details_PageOpen.mif")
        .image("pressed", ":/Buttons/b_Geocache_Details_PageClosed_h.mif")
        .image("focused", ":/Buttons/b_Geocache_Details_PageOpen.mif")
        .property("eventPropagation", true);

    make(ui.textName, root, "textName").at(40, 7, 181, 21).minSize(90, 0).listItemName().pixelSize(16);
    make(ui.ActiveIcon, root, "ActiveIcon")
        .at(8, 2, 32, 32)
        .sizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed)
        .image(":/Icons/i_MenuIcon_Checkmark.mif");
}

void retranslateUi(Ui_FileListItemClass &ui, QWidget *)
{
    //: Sample content, replaced by the host at run time.
    ui.textName->setContent(QCoreApplication::translate("FileListItemClass", "Name"));
}

Form<Ui_FileListItemClass, setupUi, retranslateUi> formFileListItemClass;

} // namespace

FormLayout &FileListItemClass()
{
    return formFileListItemClass;
}

} // namespace quarn::forms
