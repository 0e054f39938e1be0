#pragma once

// The uic reference: every registered form exported as a Designer form,
// compiled by uic and built into a library of its own, so that the module's
// forms can be compared with what uic makes of the same tables.

#include <QLibrary>

class QWidget;

struct UicReferenceForm {
    const char *name;
    // setupUi of the uic class into root (which includes its retranslateUi).
    void (*build)(QWidget *root);
};

struct UicReferenceForms {
    const UicReferenceForm *forms;
    int count;
};

#define QUARN_UIC_REFERENCE_ENTRY "quarnUicReferenceForms"

// Every form of the reference in catalogue order.
extern "C" __attribute__((visibility("default"))) const UicReferenceForms *quarnUicReferenceForms();

// The forms of a uic library loaded by path (null when it cannot be loaded):
// the reference and the skeletons share this entry point, so a program that
// uses both loads at least one of them so.
inline const UicReferenceForms *uicFormsOf(QLibrary &library)
{
    using Entry = const UicReferenceForms *(*)();
    const auto entry = library.load() ? reinterpret_cast<Entry>(library.resolve(QUARN_UIC_REFERENCE_ENTRY)) : nullptr;
    return entry ? entry() : nullptr;
}
