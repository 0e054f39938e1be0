#pragma once

// Looks shared by many rows, kept out of line so every form uses one copy.

#include "core/construction/compass.h"

class ZelAbstractCheckButton;
class ZelComboBox;
class ZelPushButton;
class ZelTextBox;

namespace quarn {

void applyStandardComboBox(ZelComboBox *comboBox);
void applySmallComboBox(ZelComboBox *comboBox);
void applyTitleText(ZelTextBox *textBox);
void applyRoundButton(ZelPushButton *button);
void applyMenuCaption(ZelTextBox *caption);
void applyPanelButton(ZelPushButton *button, bool withEventPropagation);
void applyRadioChoice(ZelAbstractCheckButton *button);

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
Row<W> &Row<W>::panelButton(bool withEventPropagation)
{
    applyPanelButton(m_object, withEventPropagation);
    return *this;
}

template <typename W>
Row<W> &Row<W>::radioChoice()
{
    applyRadioChoice(m_object);
    return *this;
}

} // namespace quarn
