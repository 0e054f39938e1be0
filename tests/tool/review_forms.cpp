// Two small layout modules for the review tests, built from this file: the
// forms before (REVIEW_FORMS_BEFORE) and after (REVIEW_FORMS_AFTER) a set of
// planted changes. Each form plants one change where it can be measured: a
// field moved, a colour changed, a field removed, painting changed with no
// setting, stacking, layout order, a setting that paints nothing; one form
// stays as it is, one goes, one comes. They register under catalogued names,
// which the host requires, and leave the other forms out.

#include "core/entry_points.h"
#include "core/form_layout.h"
#include "core/layout_registry.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

#ifdef REVIEW_FORMS_AFTER
constexpr bool kAfter = true;
#else
constexpr bool kAfter = false;
#endif

using Fields = void **;

QString tr(const char *text)
{
    return QCoreApplication::translate("ReviewForms", text);
}

QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QFrame *filled(QWidget *parent, const char *name, const QRect &geometry, QColor colour)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colour);
    frame->setPalette(palette);
    return frame;
}

// Paints a bar whose place no setting tells: only its pixels show the change.
class Swatch : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(kAfter ? QRect(60, 10, 30, 10) : QRect(20, 10, 30, 10), Qt::black);
    }
};

class PlantedForm final : public FormLayout
{
public:
    using Setup = void (*)(Fields, QWidget *);
    using Retranslate = void (*)(Fields);
    constexpr PlantedForm(Setup setup, Retranslate retranslate)
        : m_setup(setup)
        , m_retranslate(retranslate)
    {
    }
    void setupUi(UiRecord *ui, QWidget *root) const override { m_setup(reinterpret_cast<Fields>(ui), root); }
    void retranslateUi(UiRecord *ui, QWidget *) const override
    {
        if (m_retranslate)
            m_retranslate(reinterpret_cast<Fields>(ui));
    }

private:
    Setup m_setup;
    Retranslate m_retranslate;
};

PlantedForm kMovedField(
    [](Fields f, QWidget *root) {
        root->resize(240, 400);
        f[0] = filled(root, "marker", kAfter ? QRect(10, 60, 50, 20) : QRect(10, 10, 50, 20), Qt::black);
        f[1] = label(root, "save", QRect(10, 300, 60, 20));
    },
    [](Fields f) { static_cast<QLabel *>(f[1])->setText(tr("Save")); });

PlantedForm kUnchanged(
    [](Fields f, QWidget *root) {
        root->resize(240, 400);
        f[0] = label(root, "list", QRect(10, 10, 100, 20));
    },
    [](Fields f) { static_cast<QLabel *>(f[0])->setText(tr("List")); });

PlantedForm kRemovedField(
    [](Fields f, QWidget *root) {
        root->resize(240, 400);
        f[0] = label(root, "caption", QRect(10, 10, 100, 20));
        if (!kAfter)
            f[1] = label(root, "hint", QRect(10, 100, 200, 20));
    },
    [](Fields f) {
        static_cast<QLabel *>(f[0])->setText(tr("Address"));
        if (f[1])
            static_cast<QLabel *>(f[1])->setText(tr("Hint"));
    });

PlantedForm kPaintingOnly(
    [](Fields f, QWidget *root) {
        root->resize(226, 53);
        auto *swatch = new Swatch(root);
        swatch->setObjectName(QStringLiteral("swatch"));
        swatch->setGeometry(0, 0, 226, 53);
        f[0] = swatch;
    },
    nullptr);

PlantedForm kStacking(
    [](Fields f, QWidget *root) {
        root->resize(240, 400);
        auto *back = filled(root, "back", QRect(20, 20, 100, 100), QColor(0xc0, 0x30, 0x30));
        f[1] = filled(root, "front", QRect(60, 60, 100, 100), QColor(0x30, 0x50, 0xc0));
        if (kAfter)
            back->raise();
        f[0] = back;
    },
    nullptr);

PlantedForm kSettingOnly(
    [](Fields f, QWidget *root) {
        root->resize(226, 53);
        f[0] = label(root, "name", QRect(4, 4, 200, 20));
    },
    [](Fields f) {
        auto *name = static_cast<QLabel *>(f[0]);
        name->setText(tr("Name"));
        name->setToolTip(kAfter ? tr("New hint") : tr("Old hint"));
    });

PlantedForm kLayoutOrder(
    [](Fields f, QWidget *root) {
        root->resize(240, 400);
        auto *box = new QWidget(root);
        box->setObjectName(QStringLiteral("box"));
        box->setGeometry(0, 0, 240, 100);
        auto *layout = new QVBoxLayout(box);
        layout->setObjectName(QStringLiteral("boxLayout"));
        auto *one = label(box, "one", QRect());
        auto *two = label(box, "two", QRect());
        layout->addWidget(kAfter ? two : one);
        layout->addWidget(kAfter ? one : two);
        f[0] = box;
        f[1] = layout;
        f[2] = one;
        f[3] = two;
    },
    [](Fields f) {
        static_cast<QLabel *>(f[2])->setText(tr("One"));
        static_cast<QLabel *>(f[3])->setText(tr("Two"));
    });

PlantedForm kNewColour(
    [](Fields f, QWidget *root) {
        root->resize(240, 400);
        f[0] =
            filled(root, "band", QRect(0, 200, 240, 40), kAfter ? QColor(0x30, 0x50, 0xc0) : QColor(0xc0, 0x30, 0x30));
    },
    nullptr);

PlantedForm kComingOrGoing(
    [](Fields f, QWidget *root) {
        root->resize(kAfter ? 240 : 226, kAfter ? 400 : 53);
        f[0] = label(root, "alarm", QRect(4, 4, 100, 20));
    },
    [](Fields f) { static_cast<QLabel *>(f[0])->setText(tr("Alarm")); });

struct Registration {
    const char *name;
    FormLayout *form;
};

const Registration kForms[] = {
    {"AbAddAddressScreenClass", &kMovedField},
    {"AbAddressListScreenClass", &kUnchanged},
    {"AbAddressScreenClass", &kRemovedField},
    {"AbContactItem", &kPaintingOnly},
    {"AbContactListScreenClass", &kStacking},
    {"AbPrevDestItem", &kSettingOnly},
    {"AbPrevDestListScreenClass", &kLayoutOrder},
    {"AlarmClockDetailScreenClass", &kNewColour},
    {kAfter ? "AlarmClockListScreenClass" : "AlarmClockListItem", &kComingOrGoing},
};

} // namespace

int RegisterLayout(LayoutRegistry *registry)
{
    for (const Registration &form : kForms)
        registry->registerLayout(form.name, form.form);
    return 1;
}

int UnregisterLayout(LayoutRegistry *registry)
{
    for (const Registration &form : kForms)
        registry->unregisterLayout(form.name, form.form);
    return 1;
}
