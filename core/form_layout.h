#pragma once

class QWidget;

// Tag base of every form's Ui record: a plain struct of object pointers that the
// host allocates and the form fills in its table's field order. Deriving from
// this empty base keeps the record standard-layout (field 0 at offset 0) while
// letting the compiler reject anything that is not a Ui record.
struct UiRecord {
};

// One screen layout. Each form is one stateless static object of a subclass;
// the slot order (destructor, setupUi, retranslateUi) is part of the contract
// with hosts and other layout modules.
class FormLayout
{
public:
    constexpr FormLayout() = default;
    virtual ~FormLayout() = default;

    // Builds the form's widgets into root and stores every pointer in ui.
    // Sets no translated texts: the host calls retranslateUi afterwards.
    virtual void setupUi(UiRecord *ui, QWidget *root) const = 0;
    // Applies the form's texts through the translator; may be called any time.
    virtual void retranslateUi(UiRecord *ui, QWidget *root) const = 0;

    FormLayout(const FormLayout &) = delete;
    FormLayout &operator=(const FormLayout &) = delete;
};

// The concrete form class: one instantiation per form, binding the form's typed
// Ui record to its two construction functions.
template <typename Ui, void (*Setup)(Ui &, QWidget *), void (*Retranslate)(Ui &, QWidget *)>
class Form final : public FormLayout
{
public:
    constexpr Form() = default;

    void setupUi(UiRecord *ui, QWidget *root) const override { Setup(*static_cast<Ui *>(ui), root); }
    void retranslateUi(UiRecord *ui, QWidget *root) const override { Retranslate(*static_cast<Ui *>(ui), root); }
};
