#include "common/reference_objects.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QStackedWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include <functional>

namespace quarn::layouttool {

namespace {

using Factory = std::function<QObject *(QWidget *parent)>;

template <typename T>
Factory factoryOf()
{
    return [](QWidget *parent) -> QObject * { return new T(parent); };
}

// Qt's own classes have no invokable constructors.
const QHash<QByteArray, Factory> &plainQtFactories()
{
    static const QHash<QByteArray, Factory> factories = {
        {"QWidget", factoryOf<QWidget>()},
        {"QFrame", factoryOf<QFrame>()},
        {"QLabel", factoryOf<QLabel>()},
        {"QTextEdit", factoryOf<QTextEdit>()},
        {"QLineEdit", factoryOf<QLineEdit>()},
        {"QAbstractScrollArea", factoryOf<QAbstractScrollArea>()},
        {"QScrollArea", factoryOf<QScrollArea>()},
        {"QStackedWidget", factoryOf<QStackedWidget>()},
        {"QProgressBar", factoryOf<QProgressBar>()},
        {"QComboBox", factoryOf<QComboBox>()},
        {"QPushButton", factoryOf<QPushButton>()},
        {"QCheckBox", factoryOf<QCheckBox>()},
        {"QRadioButton", factoryOf<QRadioButton>()},
        {"QGroupBox", factoryOf<QGroupBox>()},
        {"QSlider", factoryOf<QSlider>()},
        {"QHBoxLayout", factoryOf<QHBoxLayout>()},
        {"QVBoxLayout", factoryOf<QVBoxLayout>()},
        {"QGridLayout", factoryOf<QGridLayout>()},
        {"QFormLayout", factoryOf<QFormLayout>()},
    };
    return factories;
}

} // namespace

ReferenceObjects::ReferenceObjects()
    : m_parent(new QWidget)
    , m_freshRoot(new QWidget)
{
}

ReferenceObjects::~ReferenceObjects() = default;

const QObject *ReferenceObjects::referenceFor(const QMetaObject *metaObject)
{
    for (const QMetaObject *candidate = metaObject; candidate; candidate = candidate->superClass()) {
        auto known = m_byClass.constFind(candidate);
        if (known == m_byClass.cend())
            known = m_byClass.insert(candidate, make(candidate));
        if (*known)
            return *known;
    }
    return nullptr;
}

QObject *ReferenceObjects::make(const QMetaObject *metaObject)
{
    const bool isLayout = metaObject->inherits(&QLayout::staticMetaObject);
    const bool isWidget = metaObject->inherits(&QWidget::staticMetaObject);
    if (!isLayout && !isWidget)
        return nullptr;
    // A layout takes over its host, so each one needs a host of its own.
    QWidget *parent = isLayout ? new QWidget(m_parent.get()) : m_parent.get();

    QObject *object = metaObject->newInstance(Q_ARG(QWidget *, parent));
    if (!object) {
        object = metaObject->newInstance();
        if (auto *widget = qobject_cast<QWidget *>(object))
            widget->setParent(parent);
        else if (object && isLayout)
            parent->setLayout(static_cast<QLayout *>(object));
    }
    if (!object) {
        const auto factory = plainQtFactories().constFind(metaObject->className());
        if (factory != plainQtFactories().cend())
            object = (*factory)(parent);
    }
    // Only an object of exactly this class tells this class's defaults.
    if (object && object->metaObject() != metaObject) {
        delete object;
        object = nullptr;
    }
    if (!object && isLayout)
        delete parent;
    return object;
}

} // namespace quarn::layouttool
