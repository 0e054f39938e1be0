#pragma once

// The uic reference: every registered form exported as a Designer form,
// compiled by uic and built into a library of its own, so that the module's
// forms can be compared with what uic makes of the same tables.

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
