#include "controls/zel_abstract_spin_box.h"
#include "controls/zel_calendar_widget.h"
#include "controls/zel_color_palette_ctrl.h"
#include "controls/zel_coord_entry_widget.h"
#include "controls/zel_horizontal_slider.h"
#include "controls/zel_input_widget.h"
#include "controls/zel_kb_container.h"
#include "controls/zel_key_button.h"
#include "controls/zel_string_vertical_spin_box.h"
#include "controls/zel_vertical_spin_box.h"

#include "control_checks.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

using namespace controls_test;

namespace {

void press(QWidget &widget, const QPoint &at)
{
    QMouseEvent event(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Prompt images arrive as resource paths, so they need files behind them.
class PromptImages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        normalPath = m_folder.filePath(QStringLiteral("prompt.png"));
        ASSERT_TRUE(solidImage(Qt::red).save(normalPath));
    }

    QString normalPath;

private:
    QTemporaryDir m_folder;
};

} // namespace

TEST(Input, CalendarKeepsItsPixelSizeWhicheverFontSetterComesLast)
{
    QWidget parent;
    auto &calendar = *new zelCalendarWidget(&parent);
    QFont bold;
    bold.setBold(true);
    calendar.setFont(bold);
    calendar.setFontPixelSize(11);
    EXPECT_TRUE(calendar.font().bold());
    EXPECT_EQ(calendar.font().pixelSize(), 11);
    calendar.setFont(QFont());
    EXPECT_EQ(calendar.font().pixelSize(), 11);

    // QWidget::setFont is not virtual: a generic helper's font must keep the size too.
    QFont italic;
    italic.setItalic(true);
    static_cast<QWidget &>(calendar).setFont(italic);
    EXPECT_TRUE(calendar.font().italic());
    EXPECT_EQ(calendar.font().pixelSize(), 11);
    // As must a font handed down by the parent.
    QFont large;
    large.setPixelSize(30);
    large.setBold(true);
    parent.setFont(large);
    EXPECT_EQ(calendar.font().pixelSize(), 11);
}

TEST(Input, CalendarShowsItsMonthImages)
{
    zelCalendarWidget plain;
    zelCalendarWidget withImages;
    for (zelCalendarWidget *calendar : {&plain, &withImages})
        calendar->resize(240, 191);
    const QPixmap left = solidImage(Qt::red);
    withImages.setPrevMonthNormal(left);
    withImages.setPrevMonthDisabled(left);
    withImages.setNextMonthFocused(solidImage(Qt::blue));
    expectProperty(withImages, "prevMonthNormal", left);
    expectProperty(withImages, "prevMonthDisabled", left);
    expectProperty(withImages, "nextMonthFocused", withImages.nextMonthFocused());
    EXPECT_NE(picture(withImages), picture(plain));
}

TEST_F(PromptImages, CoordinateEntryFramesOnlyEditableFields)
{
    zelCoordEntryWidget entry;
    entry.resize(100, 40);
    entry.setCoordType(3);
    entry.setCoordSubType(0);
    entry.setModifiable(false);
    entry.setNormalPromptImage(normalPath);
    expectProperty(entry, "coordType", 3);
    expectProperty(entry, "modifiable", false);
    expectProperty(entry, "normalPromptImage", normalPath);
    EXPECT_EQ(pixelAt(entry, QPoint(50, 20)), QColor(Qt::red));

    entry.setReadOnly(true);
    expectProperty(entry, "readOnly", true);
    EXPECT_EQ(pixelAt(entry, QPoint(50, 20)).alpha(), 0);
}

TEST_F(PromptImages, InputLineSitsOnItsPrompt)
{
    zelInputWidget input;
    input.resize(200, 40);
    input.setStyleSheet(QStringLiteral("QLineEdit { border-style: none; background-color: rgba(0, 0, 0, 0); }"));
    input.setNormalPromptImage(normalPath);
    input.setAutoCompletion(false);
    expectProperty(input, "normalPromptImage", normalPath);
    expectProperty(input, "autoCompletion", false);
    EXPECT_EQ(pixelAt(input, QPoint(190, 35)), QColor(Qt::red));
}

TEST(Input, KeyButtonShowsTheFaceOfItsState)
{
    zelKeyButton key;
    const QPixmap normal = solidImage(Qt::white);
    const QPixmap pressed = solidImage(Qt::red);
    const QPixmap disabled = solidImage(Qt::gray);
    key.setKeyNormal(normal);
    key.setKeyPressed(pressed);
    key.setKeyDisabled(disabled);
    key.setKeyCode(Qt::Key_Backspace);
    key.setSecondKeyCode(Qt::Key_Delete);
    expectProperty(key, "keyPressed", pressed);
    expectProperty(key, "keyCode", int(Qt::Key_Backspace));
    expectProperty(key, "secondKeyCode", int(Qt::Key_Delete));

    EXPECT_EQ(key.currentFace().cacheKey(), normal.cacheKey());
    key.setDown(true);
    EXPECT_EQ(key.currentFace().cacheKey(), pressed.cacheKey());
    key.setEnabled(false);
    EXPECT_EQ(key.currentFace().cacheKey(), disabled.cacheKey());
    key.setEnabled(true);
    key.setKeyPressed(QPixmap()); // a missing face falls back to the normal one
    EXPECT_EQ(key.currentFace().cacheKey(), normal.cacheKey());

    key.resize(60, 43);
    EXPECT_EQ(pixelAt(key, QPoint(30, 20)), QColor(Qt::white));
}

TEST(Input, ColourPaletteShowsItsValuesInOrderThreeToARow)
{
    zelColorPaletteCtrl palette;
    palette.resize(191, 265);
    const QStringList values = {"0000ff", "007f00", "00007f", "ff0000", "ffff00", "00ffff",
                                "d9d5a1", "c0e0c0", "820000", "ff00ff", "b62424", "ff8600"};
    palette.setPaletteValues(values);
    expectProperty(palette, "paletteValues", values);
    EXPECT_EQ(pixelAt(palette, palette.swatchRect(0).center()), QColor(0, 0, 255));
    EXPECT_EQ(pixelAt(palette, palette.swatchRect(11).center()), QColor(0xff, 0x86, 0x00));
    EXPECT_GT(palette.swatchRect(2).left(), palette.swatchRect(1).left());
    EXPECT_GT(palette.swatchRect(3).top(), palette.swatchRect(2).top());

    palette.setPaletteValues({"fff", "zzzzzz", "ff8600"});
    const QVector<QColor> colours = palette.colors();
    EXPECT_FALSE(colours.at(0).isValid());
    EXPECT_FALSE(colours.at(1).isValid());
    EXPECT_TRUE(colours.at(2).isValid());
}

TEST(Input, SliderFillsItsBarUpToTheValue)
{
    ZelHorizontalSlider slider;
    slider.resize(205, 41);
    slider.setValue(100);
    EXPECT_EQ(slider.value(), 100); // the volume form starts at 100
    const QPixmap filled = solidImage(Qt::green);
    slider.setFilledBarImage(filled);
    slider.setEmptyBarImage(solidImage(Qt::gray, QSize(16, 12)));
    slider.setMinusImage(solidImage(Qt::blue, QSize(30, 30)));
    slider.setPlusImage(solidImage(Qt::blue, QSize(30, 30)));
    expectProperty(slider, "filledBarImage", filled);
    expectProperty(slider, "minusImage", slider.minusImage());

    slider.setValue(50);
    const QRect bar = slider.barRect();
    const int middle = bar.center().y();
    EXPECT_EQ(pixelAt(slider, QPoint(bar.left() + bar.width() / 4, middle)), QColor(Qt::green));
    EXPECT_EQ(pixelAt(slider, QPoint(bar.left() + bar.width() * 3 / 4, middle)), QColor(Qt::gray));

    press(slider, slider.minusRect().center());
    EXPECT_EQ(slider.value(), 50 - slider.pageStep());
}

TEST(Input, SpinBoxesStopAtTheirEndsUnlessCyclic)
{
    ZelVerticalSpinBox numbers;
    numbers.setMaxValue(4);
    numbers.setValue(9);
    EXPECT_EQ(numbers.value(), 4);
    expectProperty(numbers, "maxValue", 4);
    numbers.stepUp();
    EXPECT_EQ(numbers.value(), 4);

    numbers.setCyclic(true);
    numbers.stepUp();
    EXPECT_EQ(numbers.value(), 0);
    numbers.stepDown();
    EXPECT_EQ(numbers.text(), QStringLiteral("4"));

    numbers.setBlocking(true);
    expectProperty(numbers, "blocking", true);
    numbers.stepUp();
    EXPECT_EQ(numbers.value(), 4);

    ZelStringVerticalSpinBox hours;
    hours.setCyclic(true);
    hours.setStrings({"AM", "PM"});
    hours.setCurrentIndex(1);
    hours.stepUp();
    EXPECT_EQ(hours.text(), QStringLiteral("AM"));
    hours.setCurrentIndex(7);
    EXPECT_EQ(hours.currentIndex(), 1);
}

TEST(Input, SpinBoxArrowsStepAndShowThePressedImage)
{
    ZelVerticalSpinBox box;
    box.resize(55, 115);
    const QPixmap upPressed = solidImage(Qt::red, QSize(55, 30));
    box.setBackground(solidImage(Qt::white));
    box.setUpArrowNormal(solidImage(Qt::blue, QSize(55, 30)));
    box.setUpArrowPressed(upPressed);
    box.setFontSize(20);
    expectProperty(box, "upArrowPressed", upPressed);
    expectProperty(box, "fontSize", 20);
    EXPECT_EQ(pixelAt(box, QPoint(27, 15)), QColor(Qt::blue));
    EXPECT_EQ(pixelAt(box, QPoint(2, 112)), QColor(Qt::white));

    press(box, box.upArrowRect().center());
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(pixelAt(box, QPoint(27, 15)), QColor(Qt::red));
}
