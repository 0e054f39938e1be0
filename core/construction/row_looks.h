#pragma once

// Looks shared by many rows, kept out of line so every form uses one copy.

#include "core/construction/compass.h"

class QObject;
class ZelAbstractCheckButton;
class ZelComboBox;
class ZelPushButton;
class ZelTextBox;
class zelCoordEntryWidget;

namespace quarn {

void applyStandardComboBox(ZelComboBox *comboBox);
void applySmallComboBox(ZelComboBox *comboBox);
void applyPanelText(ZelTextBox *text);
void applyTitleText(ZelTextBox *textBox);
void applyRoundButton(ZelPushButton *button);
void applyMenuCaption(ZelTextBox *caption);
void applyPanelButton(ZelPushButton *button);
void applyToggleButton(ZelPushButton *button);
void applyRadioChoice(ZelAbstractCheckButton *button);
void applyGoButton(ZelPushButton *button);
void applyMapPreviewButton(ZelPushButton *button);
void applyRouteComboBox(ZelComboBox *comboBox);
void applySettingCaption(ZelTextBox *caption);
void applyQuickInfoText(ZelTextBox *text);
void applyMediaInfoName(ZelTextBox *name);
void applyMediaInfoValue(ZelTextBox *value);
void applyMediaInfoSmallPrint(ZelTextBox *text);
void applyTrackInfoName(ZelTextBox *name);
void applyTrackInfoValue(ZelTextBox *value);
void applyNumericParameterEntry(zelCoordEntryWidget *entry);
void applyPlainPanelButton(ZelPushButton *button);
void applyActionButton(ZelPushButton *button);
void applyContextMenuButton(ZelPushButton *button);
void applyClosedPageButton(QObject *button);
void applyListButton(ZelPushButton *button);
void applyListCheckBox(ZelAbstractCheckButton *button);

template <typename W>
Row<W> &Row<W>::standardComboBox()
{
    applyStandardComboBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::smallComboBox()
{
    applySmallComboBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::panelText()
{
    applyPanelText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::titleText()
{
    applyTitleText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::standardMapCompass()
{
    applyStandardMapCompass(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::roundButton()
{
    applyRoundButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::menuCaption()
{
    applyMenuCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::panelButton()
{
    applyPanelButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::radioChoice()
{
    applyRadioChoice(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::toggleButton()
{
    applyToggleButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::goButton()
{
    applyGoButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mapPreviewButton()
{
    applyMapPreviewButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::routeComboBox()
{
    applyRouteComboBox(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::settingCaption()
{
    applySettingCaption(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::quickInfoText()
{
    applyQuickInfoText(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaInfoName()
{
    applyMediaInfoName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaInfoValue()
{
    applyMediaInfoValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::mediaInfoSmallPrint()
{
    applyMediaInfoSmallPrint(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::trackInfoName()
{
    applyTrackInfoName(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::trackInfoValue()
{
    applyTrackInfoValue(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::numericParameterEntry()
{
    applyNumericParameterEntry(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::plainPanelButton()
{
    applyPlainPanelButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::actionButton()
{
    applyActionButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::contextMenuButton()
{
    applyContextMenuButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::closedPageButton()
{
    applyClosedPageButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listButton()
{
    applyListButton(m_object);
    return *this;
}

template <typename W>
Row<W> &Row<W>::listCheckBox()
{
    applyListCheckBox(m_object);
    return *this;
}

} // namespace quarn
