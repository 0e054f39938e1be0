// Keyboard and coordinate entry, the system popups and the map selection
// screens: the behaviour their layouts, values and stacking give the host.

#include "form_harness.h"

#include "controls/zel_controls.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTranslator>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

// --- keyboard and coordinate entry ---------------------------------------------

TEST(TextEntry, TextInputRowsStayInOrderAndOnlyKeyboardAndReviewStretch)
{
    BuiltForm built = buildForm(catalogued("TextInputScreenClass"));
    auto *column = child<QVBoxLayout>(built, "verticalLayout");
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(built.root()->layout(), column);
    ASSERT_EQ(column->count(), 5);
    EXPECT_EQ(column->itemAt(0)->layout(), child<QHBoxLayout>(built, "horizontalLayout_2"));
    EXPECT_EQ(column->itemAt(1)->layout(), child<QHBoxLayout>(built, "horizontalLayout"));
    EXPECT_EQ(column->itemAt(2)->widget(), child<zelKBContainer>(built, "KeyboardContainer"));
    EXPECT_EQ(column->itemAt(3)->widget(), child<ZelTextArea>(built, "textReview"));
    EXPECT_EQ(column->itemAt(4)->widget(), child<ZelIcon>(built, "statusBar"));
    const int stretches[] = {0, 0, 1, 1, 0};
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(column->stretch(index), stretches[index]) << "item " << index;

    // The edit line and its backspace key share the second row.
    auto *editRow = child<QHBoxLayout>(built, "horizontalLayout");
    ASSERT_EQ(editRow->count(), 2);
    EXPECT_EQ(editRow->itemAt(0)->widget(), child<QLineEdit>(built, "editField"));
    EXPECT_EQ(editRow->itemAt(1)->widget(), child<zelKeyButton>(built, "btnBackspace"));
}

TEST(TextEntry, KeysReportTheirQtKeys)
{
    BuiltForm built = buildForm(catalogued("TextInputScreenClass"));
    auto *backspace = child<zelKeyButton>(built, "btnBackspace");
    ASSERT_NE(backspace, nullptr);
    EXPECT_EQ(backspace->keyCode(), int(Qt::Key_Backspace));
    EXPECT_EQ(backspace->secondKeyCode(), int(Qt::Key_Delete));
    EXPECT_EQ(child<zelKeyButton>(built, "btnOK")->keyCode(), int(Qt::Key_Enter));
    EXPECT_EQ(child<zelKeyButton>(built, "btnBack")->keyCode(), int(Qt::Key_Escape));
    // The OK key has no fourth face; the others repeat their normal face there.
    EXPECT_TRUE(child<zelKeyButton>(built, "btnOK")->keyDisabled().isNull());
}

TEST(TextEntry, CoordinateEditorGivesTheKeyboardFourPartsOfTheHeight)
{
    BuiltForm built = buildForm(catalogued("CoordEditorClass"));
    ASSERT_NE(built.root()->layout(), nullptr);
    built.root()->layout()->activate();
    const QRect input = child<zelInputWidget>(built, "inputWidget")->geometry();
    const QRect keyboard = child<zelKBContainer>(built, "KeyboardContainer")->geometry();
    EXPECT_EQ(input.top(), 30);
    EXPECT_EQ(keyboard.top(), input.bottom() + 1 + 3);
    EXPECT_EQ(keyboard.bottom(), built.root()->height() - 1);
    EXPECT_NEAR(double(keyboard.height()) / input.height(), 4.0, 0.1);
    EXPECT_FALSE(child<zelInputWidget>(built, "inputWidget")->autoCompletion());
}

TEST(TextEntry, CoordinateLabelsHaveTheirValuesAsBuddiesAndTheValuesStayEmpty)
{
    BuiltForm built = buildForm(catalogued("CoordEntryScreenClass"), true);
    EXPECT_EQ(child<QLabel>(built, "CoordSystemLabel")->buddy(), child<QWidget>(built, "CoordSystem"));
    EXPECT_EQ(child<QLabel>(built, "DatumLabel")->buddy(), child<QWidget>(built, "Datum"));
    EXPECT_TRUE(child<ZelTextBox>(built, "CoordSystem")->content().isEmpty());
    EXPECT_TRUE(child<ZelTextBox>(built, "Datum")->content().isEmpty());

    // The panel scrolls its own content, which the labels' rows lay out.
    auto *area = child<QScrollArea>(built, "scrollArea");
    auto *content = child<QWidget>(built, "scrollAreaWidgetContents");
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->widget(), content);
    EXPECT_EQ(content->layout(), child<QVBoxLayout>(built, "verticalLayout"));
    EXPECT_EQ(content->layout()->count(), 2);
}

// --- start-up and system popups --------------------------------------------------

// The popup blocks its window; its sliders start inside their range and a
// press on either end moves them a page, as a user moves them.
TEST(SystemPopups, SlidersStepFromTheirStartWithinTheirRange)
{
    BuiltForm built = buildForm(catalogued("BrightnessPopupScreenClass"));
    EXPECT_TRUE(built.root()->isModal());
    const auto press = [](QWidget *widget, QPoint at) {
        QMouseEvent event(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    };
    for (const char *name : {"sliderBrightness", "sliderVolume"}) {
        SCOPED_TRACE(name);
        auto *slider = child<ZelHorizontalSlider>(built, name);
        ASSERT_NE(slider, nullptr);
        ASSERT_TRUE(slider->isEnabled());
        const int start = slider->value();
        EXPECT_GE(start, slider->minimum());
        EXPECT_LE(start, slider->maximum());
        EXPECT_LT(slider->minimum(), slider->maximum());
        press(slider, QPoint(1, slider->height() / 2));
        const int lowered = std::max(slider->minimum(), start - slider->pageStep());
        EXPECT_EQ(slider->value(), lowered);
        press(slider, QPoint(slider->width() - 2, slider->height() / 2));
        EXPECT_EQ(slider->value(), std::min(slider->maximum(), lowered + slider->pageStep()));
    }
}

TEST(SystemPopups, LockThresholdIsUnsigned)
{
    BuiltForm built = buildForm(catalogued("LockScreenClass"));
    const QVariant threshold = built.root()->property("trustThreshold");
    EXPECT_EQ(threshold.userType(), int(QMetaType::UInt));
    EXPECT_EQ(threshold.toUInt(), 5u);
    auto *unlock = child<ZelPushButton>(built, "btnUnlock");
    EXPECT_TRUE(unlock->pressed().isNull());
    EXPECT_EQ(built.root()->property("windowModality").toInt(), 1);
}

TEST(SystemPopups, LicenceScreenIsTwoPixelsTallerWithItsBarAtTheBottom)
{
    BuiltForm built = buildForm(catalogued("EULAScreenClass"));
    EXPECT_EQ(built.root()->size(), QSize(240, 402));
    EXPECT_EQ(child<ZelIcon>(built, "bottomBar")->geometry().bottom(), built.root()->height() - 1);
}

TEST(SystemPopups, SplashTextsAreUntranslatedUtf8Placeholders)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    BuiltForm built = buildForm(catalogued("StartupScreen"), true);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(child<ZelTextBox>(built, "txtProductName")->content().toUtf8(), QByteArray("Velmora\xC2\xAE 510"));
    EXPECT_EQ(child<ZelTextBox>(built, "txtVersion")->content(), QStringLiteral("v0.01"));
    EXPECT_TRUE(child<ZelTextArea>(built, "txtCopyright")->toPlainText().isEmpty());
    EXPECT_EQ(child<ZelAnimationCtrl>(built, "pAnimationCtrl")->imageList().size(), 16);
}

TEST(SystemPopups, IconChooserStartsWithOneCellWhoseCaptionIsNotTranslated)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    BuiltForm built = buildForm(catalogued("IconSelectorScreenClass"), true);
    QCoreApplication::removeTranslator(&translator);
    auto *grid = child<QGridLayout>(built, "gridLayout");
    ASSERT_EQ(grid->count(), 1);
    EXPECT_EQ(grid->itemAtPosition(0, 0)->widget(), child<ZelIcon>(built, "iconButtonBack"));
    EXPECT_EQ(child<ZelTextBox>(built, "textBox")->content(), QStringLiteral("Bravik"));
    EXPECT_EQ(child<ZelScrollArea>(built, "scrollArea")->widget(), child<QWidget>(built, "scrollAreaWidgetContents"));
    EXPECT_EQ(child<ZelTextBox>(built, "txtTitle")->content(), QStringLiteral("<<Select Icon>>"));
}

// Every colour the chooser offers is a colour, offered once, in a swatch of its
// own inside the control, so that a press picks one colour.
TEST(SystemPopups, ColourChooserShowsEachColourOnceInASwatchOfItsOwn)
{
    BuiltForm built = buildForm(catalogued("ColorSelectionScreenClass"));
    auto *chooser = child<zelColorPaletteCtrl>(built, "paletteCtrl");
    const QVector<QColor> colours = chooser->colors();
    ASSERT_FALSE(colours.isEmpty());
    for (int i = 0; i < colours.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(colours[i].isValid());
        EXPECT_EQ(colours.indexOf(colours[i]), i) << "offered twice";
        const QRect swatch = chooser->swatchRect(i);
        EXPECT_FALSE(swatch.isEmpty());
        EXPECT_TRUE(chooser->rect().contains(swatch));
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(swatch.intersects(chooser->swatchRect(j))) << "overlaps swatch " << j;
    }
}

// --- map selection -----------------------------------------------------------------

TEST(MapSelection, ListsSitInTheirPlacesAndKeepTheirSize)
{
    struct Screen {
        const char *form;
        const char *list;
        bool inBacking;
    };
    for (const Screen &screen : {Screen{"MapSel_TypeListScreenClass", "listMapTypes", false},
                                 Screen{"MapSel_SubTypeListScreenClass", "listMapSubTypes", true},
                                 Screen{"MapSel_FileListScreenClass", "listMapFiles", true}}) {
        SCOPED_TRACE(screen.form);
        BuiltForm built = buildForm(catalogued(screen.form));
        auto *list = child<ZelList>(built, screen.list);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->parentWidget()->objectName() == QLatin1String("backing"), screen.inBacking);
        EXPECT_EQ(list->mapTo(built.root(), QPoint(0, 0)), screen.inBacking ? QPoint(0, 71) : QPoint(0, 70));
        EXPECT_EQ(list->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        EXPECT_EQ(list->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        // The header is created after the panel below it and so lies over it.
        QWidget *panel =
            screen.inBacking ? child<QWidget>(built, "backing") : child<QWidget>(built, "backingNoObjects");
        const QObjectList stack = built.root()->children();
        EXPECT_GT(stack.indexOf(child<ZelPushButton>(built, "btnListHeader")), stack.indexOf(panel));
    }
}

TEST(MapSelection, BrandIconIsInvisibleUntilTheHostSizesIt)
{
    BuiltForm built = buildForm(catalogued("MapSel_DetailsScreenClass"));
    auto *brand = child<ZelIcon>(built, "iconBrand");
    EXPECT_EQ(brand->geometry(), QRect(5, 280, 0, 0));
}

TEST(MapSelection, FileRowBadgesShareOneSpotAndTheCheckBoxLiesOnTop)
{
    BuiltForm built = buildForm(catalogued("MapSel_ButtonItemClass"));
    auto *icon = child<ZelIcon>(built, "ItemIcon");
    auto *card = child<ZelIcon>(built, "ic_SDCard");
    auto *error = child<ZelIcon>(built, "ic_Error");
    EXPECT_EQ(card->parentWidget(), icon);
    EXPECT_EQ(error->parentWidget(), icon);
    EXPECT_EQ(card->geometry(), error->geometry());
    // The check box overlaps the separator and must stay clickable.
    auto *check = child<ZelCheckBox>(built, "chkIsSelected");
    auto *split = child<ZelIcon>(built, "iconSplit");
    ASSERT_TRUE(check->geometry().intersects(split->geometry()));
    const QObjectList stack = built.root()->children();
    EXPECT_GT(stack.indexOf(check), stack.indexOf(split));
}

} // namespace
