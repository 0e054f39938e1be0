#pragma once

#include "core/form_layout.h"

// A form with nothing to build: the registry only ever compares form pointers.
class TestForm final : public FormLayout
{
public:
    void setupUi(UiRecord *, QWidget *) const override {}
    void retranslateUi(UiRecord *, QWidget *) const override {}
};

// Names under which the test modules register their forms.
inline constexpr char kTestScreenName[] = "TestScreenClass";
inline constexpr char kTestItemName[] = "TestItemClass";
// Left in the registry by an entry point of an incomplete test module, which
// the registry must never call.
inline constexpr char kStrayCallMark[] = "StrayEntryPointCall";
