#pragma once

// The valid edits fuzz_code made of the exports (every control class and
// kind of value, with texts a source must take care with): the forms `code`
// wrote for them, built into the test program as the module builds its own.

#include "core/form_layout.h"

struct ValidEdit {
    const char *form;      // the form's class, as catalogued
    const char *ui;        // the edited Designer form
    FormLayout &(*make)(); // the generated form; null when refused
    const char *refusal;   // what `code` said, when it refused the edit
};

extern const ValidEdit kValidEdits[];
extern const int kValidEditCount;
