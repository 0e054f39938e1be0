#pragma once

// The only symbols the layout module exports. Hosts resolve them by these
// undecorated names, which is why they have C linkage.

class LayoutRegistry;

#define QUARN_LAYOUT_EXPORT __attribute__((visibility("default")))

extern "C" {
// Enters every form of the module under its registration name, in catalogue
// order. Always returns 1; a null registry is ignored.
QUARN_LAYOUT_EXPORT int RegisterLayout(LayoutRegistry *registry);
// Takes the same forms out again, in the same order. Always returns 1.
QUARN_LAYOUT_EXPORT int UnregisterLayout(LayoutRegistry *registry);
}
