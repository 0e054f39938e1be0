// The controls most forms are made of: texts, image buttons, icons and status
// indicators.

#include "controls/zel_combo_box.h"
#include "controls/zel_icon.h"
#include "controls/zel_push_button.h"
#include "controls/zel_push_check_box.h"
#include "controls/zel_status_indicator.h"
#include "controls/zel_text_area.h"
#include "controls/zel_text_box.h"
#include "controls/zel_widget.h"

#include "control_checks.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QTemporaryDir>

#include <algorithm>

using namespace controls_test;

namespace {

// Whether any pixel is drawn fully in the colour (text is antialiased at its edges).
bool hasInk(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(TextBox, KeepsItsPixelSizeWhicheverWayItsFontIsSet)
{
    ZelTextBox box;
    box.setContent(QStringLiteral("HH:MM"));
    // Forms give the size by name; it must land on the control, not as a dynamic extra.
    box.setProperty("fontPixelSize", 30);
    EXPECT_TRUE(box.dynamicPropertyNames().isEmpty());
    const QSize sized = box.sizeHint();
    EXPECT_GE(sized.height(), 30);

    QFont small;
    small.setPixelSize(8);
    static_cast<QWidget &>(box).setFont(small);
    EXPECT_EQ(box.sizeHint(), sized);
    box.setFont(small);
    EXPECT_EQ(box.sizeHint(), sized);
    box.setFontPixelSize(0); // 0 gives the widget font back
    EXPECT_LT(box.sizeHint().height(), sized.height());
}

// Designer edits the flags as one value; the library keeps the list it is given.
TEST(TextBox, ItsFlagsAreTheSameListAsOneValue)
{
    ZelTextBox box;
    EXPECT_EQ(box.displayFlags(), ZelTextBox::DisplayFlags());
    box.setTextBoxFlags(true, false);
    EXPECT_EQ(box.displayFlags(), ZelTextBox::FirstFlag | ZelTextBox::TwoFlags);
    box.setTextBoxFlags(false, true, true);
    EXPECT_EQ(box.displayFlags(), ZelTextBox::SecondFlag | ZelTextBox::ThirdFlag | ZelTextBox::ThreeFlags);

    box.setDisplayFlags(ZelTextBox::ThreeFlags | ZelTextBox::FirstFlag);
    EXPECT_EQ(box.textBoxFlags(), (QVariantList{true, false, false}));
    box.setDisplayFlags(ZelTextBox::TwoFlags | ZelTextBox::ThirdFlag);
    EXPECT_EQ(box.textBoxFlags(), (QVariantList{false, false}));
    box.setDisplayFlags(ZelTextBox::FirstFlag);
    EXPECT_TRUE(box.textBoxFlags().isEmpty());

    // As a form file sets it: by the keys' names.
    EXPECT_TRUE(box.setProperty("displayFlags", QStringLiteral("TwoFlags|FirstFlag")));
    EXPECT_EQ(box.textBoxFlags(), (QVariantList{true, false}));
}

TEST(TextBox, DrawsItsContentInItsColourAndIsSizedByIt)
{
    ZelTextBox box;
    box.resize(60, 20);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::red);
    box.setPalette(palette);
    box.setFontPixelSize(18);
    const QSize emptyHint = box.sizeHint();
    EXPECT_FALSE(hasInk(picture(box), Qt::red));

    box.setContent(QStringLiteral("WWWW"));
    EXPECT_TRUE(hasInk(picture(box), Qt::red));
    // Layouts give a text box room for what it shows, at its pixel size.
    EXPECT_GT(box.sizeHint().width(), emptyHint.width());
    box.setFontPixelSize(36);
    EXPECT_GT(box.sizeHint().height(), 30);
}

TEST(TextBox, ShowsItsPictureInsteadOfItsText)
{
    ZelTextBox box;
    box.resize(30, 20);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::red);
    box.setPalette(palette);
    box.setFontPixelSize(18);
    box.setContent(QStringLiteral("WWWW"));
    box.setPixmap(solidImage(Qt::magenta, QSize(4, 4)));
    const QImage shown = picture(box);
    EXPECT_EQ(shown.pixelColor(29, 19), QColor(Qt::magenta));
    EXPECT_FALSE(hasInk(shown, Qt::red));
}

TEST(TextBox, TakesButtonTextColourWhereOnlyThatIsSet)
{
    QWidget parent;
    QPalette window;
    window.setColor(QPalette::WindowText, Qt::black);
    parent.setPalette(window);
    ZelTextBox box(&parent);
    box.resize(60, 20);
    QPalette onButton;
    onButton.setColor(QPalette::ButtonText, Qt::white);
    box.setPalette(onButton);
    box.setFontPixelSize(18);
    box.setContent(QStringLiteral("OK"));
    box.setAlignment(Qt::AlignCenter);
    EXPECT_TRUE(hasInk(picture(box), Qt::white));
}

TEST(TextArea, ItsDocumentKeepsPixelSizeAndCentringWhicheverWayTheFontIsSet)
{
    QWidget parent;
    auto &area = *new ZelTextArea(&parent);
    area.setFontPixelSize(16);
    area.setAlignHCenter(true);
    EXPECT_EQ(area.document()->defaultFont().pixelSize(), 16);
    EXPECT_EQ(area.document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    const QFont large(QStringLiteral("Sans"), 30);
    area.setFont(large);
    EXPECT_EQ(area.document()->defaultFont().pixelSize(), 16);
    // The path every generic helper takes: QWidget::setFont is not virtual.
    static_cast<QWidget &>(area).setFont(QFont(QStringLiteral("Sans"), 40));
    EXPECT_EQ(area.document()->defaultFont().pixelSize(), 16);
    // So does a font the parent hands down.
    parent.setFont(QFont(QStringLiteral("Serif"), 50));
    EXPECT_EQ(area.document()->defaultFont().pixelSize(), 16);
    EXPECT_EQ(area.document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(PushButton, DrawsTheFaceOfItsState)
{
    ZelPushButton button;
    button.resize(20, 20);
    const QPixmap normal = solidImage(Qt::green);
    const QPixmap pressed = solidImage(Qt::red);
    button.setNormal(normal);
    button.setPressed(pressed);
    button.setShiftOnPress(QPoint(1, 1));

    EXPECT_EQ(pixelAt(button, QPoint(10, 10)), QColor(Qt::green));
    button.setDown(true);
    EXPECT_EQ(pixelAt(button, QPoint(10, 10)), QColor(Qt::red));
    // The pressed face moves by the press shift.
    EXPECT_EQ(pixelAt(button, QPoint(0, 0)).alpha(), 0);
}

TEST(PushButton, IsSizedByWhatRidesOnItElseByItsFace)
{
    ZelPushButton button;
    button.setNormal(solidImage(Qt::green, QSize(60, 43)));
    EXPECT_EQ(button.sizeHint(), QSize(60, 43));
    ZelIcon icon(&button);
    icon.setGeometry(0, 0, 74, 74);
    EXPECT_EQ(button.sizeHint(), QSize(74, 74));

    // A fixed-size row of such buttons shows them, as the menus' top rows need.
    QWidget row;
    auto *layout = new QHBoxLayout(&row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *inRow = new ZelPushButton(&row);
    (new ZelIcon(inRow))->setGeometry(0, 0, 74, 74);
    layout->addWidget(inRow);
    layout->activate();
    EXPECT_EQ(inRow->size(), QSize(74, 74));
}

TEST(CheckButtons, DrawTheMarkOfTheirStateAtTheMarkPosition)
{
    ZelPushCheckBox box;
    box.resize(40, 40);
    box.setCheckable(true);
    box.setCheckedImg(solidImage(Qt::blue, QSize(8, 8)));
    box.setUncheckedImg(solidImage(Qt::yellow, QSize(8, 8)));
    box.setMarkPosition(QPoint(20, 20));
    EXPECT_EQ(pixelAt(box, QPoint(24, 24)), QColor(Qt::yellow));
    box.setChecked(true);
    EXPECT_EQ(pixelAt(box, QPoint(24, 24)), QColor(Qt::blue));
    EXPECT_EQ(pixelAt(box, QPoint(10, 10)).alpha(), 0);
}

TEST(ComboBox, DrawsItsFieldArrowAndTextWhereTheyWereSet)
{
    ZelComboBox combo;
    combo.resize(100, 30);
    QPalette palette;
    palette.setColor(QPalette::ButtonText, Qt::red);
    combo.setPalette(palette);
    combo.setNormal(solidImage(Qt::darkGray));
    combo.setArrowNormal(solidImage(Qt::blue, QSize(8, 8)));
    combo.setArrowOrigin(QPoint(88, 10));
    combo.setTextMargin(40);
    combo.setFontPixelSize(20);
    combo.addItem(QStringLiteral("W"));
    const QImage drawn = picture(combo);
    EXPECT_EQ(drawn.pixelColor(2, 2), QColor(Qt::darkGray));
    EXPECT_EQ(drawn.pixelColor(91, 13), QColor(Qt::blue));
    EXPECT_FALSE(hasInk(drawn.copy(0, 0, 40, 30), Qt::red)) << "text drawn inside its margin";
    EXPECT_TRUE(hasInk(drawn, Qt::red));
}

TEST(ComboBox, PopupListIsMadeOnDemandInTheBoxFont)
{
    ZelComboBox combo;
    combo.addItem(QStringLiteral("Automotive"));
    QFont font = combo.font();
    font.setBold(true);
    font.setPixelSize(14);
    combo.setFont(font);
    const auto isWindow = [](const QWidget *child) { return child->isWindow(); };
    const QList<QWidget *> kids = combo.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(std::none_of(kids.cbegin(), kids.cend(), isWindow)) << "a font change made the popup list";
    EXPECT_EQ(combo.view()->font(), font);
    font.setPixelSize(20);
    combo.setFont(font);
    EXPECT_EQ(combo.view()->font(), font);
}

TEST(ComboBox, SizeHintFollowsEveryFontChange)
{
    ZelComboBox combo;
    combo.addItem(QStringLiteral("Automotive"));
    QFont font = combo.font();
    font.setPixelSize(10);
    combo.setFont(font);
    const QSize small = combo.sizeHint();
    font.setPixelSize(30);
    combo.setFont(font);
    EXPECT_GT(combo.sizeHint().width(), small.width());
    EXPECT_GT(combo.sizeHint().height(), small.height());
}

TEST(StatusIndicator, ShowsTheImageOfItsStatus)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString red = folder.filePath(QStringLiteral("red.png"));
    const QString blue = folder.filePath(QStringLiteral("blue.png"));
    ASSERT_TRUE(solidImage(Qt::red).save(red));
    ASSERT_TRUE(solidImage(Qt::blue).save(blue));
    ZelStatusIndicator indicator;
    indicator.resize(10, 10);
    indicator.setImages({red, blue});
    EXPECT_EQ(pixelAt(indicator, QPoint(5, 5)), QColor(Qt::red));
    indicator.setStatus(1);
    EXPECT_EQ(pixelAt(indicator, QPoint(5, 5)), QColor(Qt::blue));
    // An index past the list, or a path the host lacks, draws nothing and is no fault.
    indicator.setStatus(7);
    EXPECT_EQ(pixelAt(indicator, QPoint(5, 5)).alpha(), 0);
    indicator.setImages({folder.filePath(QStringLiteral("missing.png"))});
    indicator.setStatus(0);
    EXPECT_EQ(pixelAt(indicator, QPoint(5, 5)).alpha(), 0);
}

TEST(Icon, ScalesItsImageIntoItself)
{
    ZelIcon icon;
    icon.resize(30, 10);
    icon.setImage(solidImage(Qt::magenta, QSize(4, 4)));
    EXPECT_EQ(pixelAt(icon, QPoint(29, 9)), QColor(Qt::magenta));
}

TEST(DataFieldContainer, PreviewsItsFullestLayoutWhateverTheDeclaredEncoding)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString field = folder.filePath(QStringLiteral("field.png"));
    ASSERT_TRUE(solidImage(Qt::cyan, QSize(20, 10)).save(field));
    const QByteArray path = field.toLatin1();
    // Configuration 1 has one field at the top left; configuration 2 puts its
    // second field into row 2, which only the fullest layout shows.
    const QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-16\" standalone=\"no\"?>\n"
                                "<NAV_FIELDS_CONFIGURATION>\n"
                                "\t<CONFIGURATION_1>\n\t\t<FIELD row = \"1\" col = \"1\" image = \""
        + path
        + "\"></FIELD>\n"
          "\t</CONFIGURATION_1>\n\n"
          "\t<CONFIGURATION_2>\n\t\t<FIELD row = \"1\" col = \"1\" image = \""
        + path
        + "\"></FIELD>\n"
          "\t\t<FIELD row = \"2\" col = \"2\" image = \""
        + path
        + "\"></FIELD>\n"
          "\t</CONFIGURATION_2>\n</NAV_FIELDS_CONFIGURATION>";
    ZelWidget container;
    container.resize(50, 30);
    EXPECT_EQ(pixelAt(container, QPoint(5, 5)).alpha(), 0);
    container.setProperty("navFieldsCfg", document);
    const QImage drawn = picture(container);
    EXPECT_EQ(drawn.pixelColor(5, 5), QColor(Qt::cyan));
    // Row 2 starts below row 1 and the row spacing; column 2 sits at the right edge.
    EXPECT_EQ(drawn.pixelColor(45, 20), QColor(Qt::cyan));
    EXPECT_EQ(drawn.pixelColor(5, 20).alpha(), 0);
}
