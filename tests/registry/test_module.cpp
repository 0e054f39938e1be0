// A layout module for the registry tests, built in three variants: complete,
// without RegisterLayout and without UnregisterLayout. An entry point of an
// incomplete variant must never be called; if it is, it leaves a mark.

#include "core/entry_points.h"
#include "core/layout_registry.h"
#include "tests/registry/test_form.h"

namespace {
TestForm screenForm;
TestForm itemForm;
} // namespace

#if defined(TEST_MODULE_HAS_REGISTER) && defined(TEST_MODULE_HAS_UNREGISTER)

int RegisterLayout(LayoutRegistry *registry)
{
    registry->registerLayout(kTestScreenName, &screenForm);
    registry->registerLayout(kTestItemName, &itemForm);
    return 1;
}

int UnregisterLayout(LayoutRegistry *registry)
{
    registry->unregisterLayout(kTestScreenName, &screenForm);
    registry->unregisterLayout(kTestItemName, &itemForm);
    return 1;
}

#elif defined(TEST_MODULE_HAS_REGISTER)

int RegisterLayout(LayoutRegistry *registry)
{
    registry->registerLayout(kStrayCallMark, &screenForm);
    return 1;
}

#elif defined(TEST_MODULE_HAS_UNREGISTER)

int UnregisterLayout(LayoutRegistry *registry)
{
    registry->registerLayout(kStrayCallMark, &screenForm);
    return 1;
}

#endif
