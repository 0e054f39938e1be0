// The media screens as a host uses them: the bar stacks it switches, the
// stacking order that keeps controls above the pictures, the captions that
// lead to one combo box, and the details block a language change empties.

#include "form_harness.h"

#include "controls/zel_controls.h"
#include "forms/media/MediaSettingsScreenClass.h"

#include <QStackedWidget>
#include <gtest/gtest.h>

namespace quarn::forms {
FormLayout &MediaSettingsScreenClass();
} // namespace quarn::forms

namespace {

TEST(MediaBarStacks, StartOnThePageTheHostExpects)
{
    struct Start {
        const char *form;
        const char *stack;
        const char *page;
        const char *button;
    };
    const Start starts[] = {
        {"MediaCameraScreenClass", "stackedWidget", "pageShot", "btnShot"},
        {"MediaPhotoViewScreenClass", "stackedWidgetCenter", "pageScroll", "btnDown"},
        {"MediaPhotoViewScreenClass", "stackedWidget", "pageConfirm", "btnConfirm"},
        {"MediaVoiceMemoListScreenClass", "stackedWidget", "pageMenu", "btnContextMenu"},
        {"MediaVideoThumbScreenClass", "stackedWidget", "pageMenu", "btnContextMenu"},
    };
    for (const Start &start : starts) {
        const BuiltForm form = buildForm(catalogued(start.form), true);
        const auto *stack = qobject_cast<QStackedWidget *>(child(form, start.stack));
        ASSERT_NE(stack, nullptr) << start.form << " has no " << start.stack;
        ASSERT_NE(stack->currentWidget(), nullptr) << start.form;
        EXPECT_EQ(stack->currentWidget()->objectName(), QString::fromUtf8(start.page)) << start.form;
        EXPECT_TRUE(stack->currentWidget()->isAncestorOf(child(form, start.button))) << start.form;
        // Every page is the stack's own, so switching shows each of them.
        for (int index = 0; index < stack->count(); ++index)
            EXPECT_EQ(stack->widget(index)->parentWidget(), stack);
    }
}

TEST(MediaStackingOrder, KeepsControlsAbovePicturesAndTheMarkOnTop)
{
    // The image viewer's container fills the screen; it is made last but
    // must lie under every other control.
    const BuiltForm viewer = buildForm(catalogued("ImageFlickingScreenClass"));
    const QObjectList viewerChildren = viewer.root()->children();
    ASSERT_FALSE(viewerChildren.isEmpty());
    EXPECT_EQ(viewerChildren.indexOf(child(viewer, "widgetContainer")), 0);
    EXPECT_EQ(viewerChildren.last(), child(viewer, "iconTitle"));

    // The memo row's check box sits over the icon and is raised last.
    const BuiltForm row = buildForm(catalogued("MediaVoiceMemoListItemClass"));
    EXPECT_EQ(row.root()->children().last(), child(row, "chkIsSelected"));
    EXPECT_EQ(row.root()->children().first(), child(row, "progressBar"));
    EXPECT_EQ(row.root()->childAt(30, 20), child(row, "chkIsSelected"));

    // The attachment browser shows its details block above the picture area.
    const BuiltForm browser = buildForm(catalogued("MediaAttachmentBrowserBaseClass"));
    const QObjectList browserChildren = browser.root()->children();
    EXPECT_EQ(browserChildren.last(), child(browser, "showDetails"));
    EXPECT_GT(browserChildren.indexOf(child(browser, "btnNext")),
              browserChildren.indexOf(child(browser, "icoGrabScr")));
}

TEST(MediaSettingsCaptions, AllLeadToTheModeBox)
{
    Ui_MediaSettingsScreenClass ui;
    QWidget root;
    quarn::forms::MediaSettingsScreenClass().setupUi(&ui, &root);
    for (ZelTextBox *caption : {ui.lblMode, ui.lblSizeTime, ui.lblQualityDisplay, ui.lblSortBy, ui.lblSaveTo})
        EXPECT_EQ(caption->buddy(), ui.comboMode) << caption->objectName().toStdString();
}

TEST(MediaDetailsBlock, ALanguageChangeEmptiesTheValuesAndRestoresTheCaptions)
{
    for (const char *name :
         {"MediaDetailsScreenClass", "MediaAttachmentBrowserBaseClass", "MediaVoiceMemoDetailsScreenClass"}) {
        const CatalogueEntry &entry = catalogued(name);
        BuiltForm form = buildForm(entry, true);
        const QList<ZelTextBox *> boxes = child(form, "showDetails")->findChildren<ZelTextBox *>();
        ASSERT_GE(boxes.size(), 18) << name;
        for (ZelTextBox *box : boxes)
            box->setContent(QStringLiteral("from the host"));

        entry.form().retranslateUi(form.record(), form.root());
        int values = 0;
        for (const ZelTextBox *box : boxes) {
            const QString boxName = box->objectName();
            const std::string where = std::string(name) + "." + boxName.toStdString();
            if (boxName.startsWith(QLatin1String("txtLat")))
                EXPECT_EQ(box->content(), QStringLiteral("Lat")) << where;
            else if (boxName.startsWith(QLatin1String("txtLong")))
                EXPECT_EQ(box->content(), QStringLiteral("Long")) << where;
            else if (boxName.startsWith(QLatin1String("fixtxt")))
                EXPECT_TRUE(box->content().endsWith(QLatin1Char(':'))) << where;
            else {
                ++values;
                EXPECT_TRUE(box->content().isEmpty()) << where;
            }
        }
        EXPECT_GE(values, 9) << name;
    }
}

} // namespace
