#include "ui_export.h"

#include "form_host.h"
#include "image_index.h"

#include <QBrush>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QIcon>
#include <QLayout>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPalette>
#include <QPixmap>
#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QSizePolicy>
#include <QSpacerItem>
#include <QTextStream>
#include <QWidget>
#include <QXmlStreamWriter>

#include <dlfcn.h>

namespace quarn::layouttool {

namespace {

// Written under their own elements, derived from others, or state a form does
// not set.
const QSet<QByteArray> &notWrittenAsProperties()
{
    static const QSet<QByteArray> names = {
        "objectName", "geometry", "pos", "size", "rect", "x", "y", "width", "height", "frameGeometry",
        "frameSize", "normalGeometry", "frameRect", "minimumWidth", "minimumHeight", "maximumWidth",
        "maximumHeight", "font", "palette", "visible", "windowTitle", "focus", "isActiveWindow", "minimized",
        "maximized", "fullScreen", "windowIcon", "windowIconText", "windowFilePath", "windowModified",
        "windowOpacity", "locale", "cursor", "inputMethodHints",
    };
    return names;
}

// String properties that hold what a user reads, and so are translated.
bool isTranslatableText(const QByteArray &name)
{
    static const QSet<QByteArray> names = {"text", "content", "windowTitle", "title", "toolTip", "statusTip",
                                           "whatsThis", "placeholderText", "plainText", "html", "accessibleName",
                                           "accessibleDescription"};
    return names.contains(name);
}

// Whether the class comes with Qt (uic knows it) or from the widget library.
bool isQtClass(const QMetaObject *metaObject)
{
    Dl_info info{};
    if (!dladdr(metaObject, &info) || !info.dli_fname)
        return true;
    return QByteArray(info.dli_fname).contains("libQt5");
}

QString enumText(const QMetaEnum &enumerator, int value)
{
    const QByteArray scope = enumerator.scope();
    if (enumerator.isFlag()) {
        QStringList keys;
        for (const QByteArray &key : enumerator.valueToKeys(value).split('|')) {
            if (!key.isEmpty())
                keys.append(QString::fromLatin1(scope + "::" + key));
        }
        return keys.join(QLatin1Char('|'));
    }
    const char *key = enumerator.valueToKey(value);
    return key ? QString::fromLatin1(scope + "::" + key) : QString();
}

class UiWriter
{
public:
    UiWriter(QXmlStreamWriter &xml, const ImageIndex &images, ReferenceObjects &references, QStringList &omissions,
             UiExporter::Content content)
        : m_xml(xml)
        , m_images(images)
        , m_references(references)
        , m_omissions(omissions)
        , m_skeleton(content == UiExporter::Content::Skeleton)
    {
    }

    void write(const BuiltForm &form)
    {
        QWidget *root = form.root();
        collectFields(form);
        const QString className = QString::fromLatin1(form.entry().name);
        m_xml.writeStartElement(QStringLiteral("ui"));
        m_xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
        m_xml.writeTextElement(QStringLiteral("class"), className);
        writeRoot(*root);
        writeCustomWidgets();
        m_xml.writeEmptyElement(QStringLiteral("resources"));
        m_xml.writeEmptyElement(QStringLiteral("connections"));
        m_xml.writeEndElement();
    }

private:
    void collectFields(const BuiltForm &form)
    {
        QList<QObject *> objects = form.root()->findChildren<QObject *>();
        QSet<const void *> inTree;
        for (QObject *object : qAsConst(objects)) {
            inTree.insert(object);
            if (auto *layout = qobject_cast<QLayout *>(object)) {
                for (int i = 0; i < layout->count(); ++i) {
                    if (QSpacerItem *spacer = layout->itemAt(i)->spacerItem())
                        inTree.insert(spacer);
                }
            }
        }
        for (int i = 0; i < form.fieldCount(); ++i) {
            void *pointer = form.field(i);
            if (pointer && inTree.contains(pointer) && !m_fieldIndex.contains(pointer))
                m_fieldIndex.insert(pointer, i);
        }
    }

    bool isField(const void *pointer) const { return m_fieldIndex.contains(pointer); }

    void writeRoot(QWidget &root)
    {
        m_xml.writeStartElement(QStringLiteral("widget"));
        m_xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
        m_xml.writeAttribute(QStringLiteral("name"), root.objectName());
        writeRect(QStringLiteral("geometry"), QRect(0, 0, root.width(), root.height()));
        if (m_skeleton) {
            writeChildren(root);
            m_xml.writeEndElement();
            return;
        }
        writeChangedProperties(root, m_references.freshRoot(), QWidget::staticMetaObject.propertyCount());
        if (!root.windowTitle().isEmpty())
            writeProperty(QStringLiteral("windowTitle"), root.windowTitle(), true, false);
        writeDynamicProperties(root);
        writeChildren(root);
        m_xml.writeEndElement();
    }

    void writeWidget(QWidget &widget)
    {
        const QMetaObject *metaObject = widget.metaObject();
        noteClass(metaObject);
        m_xml.writeStartElement(QStringLiteral("widget"));
        m_xml.writeAttribute(QStringLiteral("class"), QString::fromLatin1(metaObject->className()));
        m_xml.writeAttribute(QStringLiteral("name"), widget.objectName());
        if (widget.testAttribute(Qt::WA_Moved) || widget.testAttribute(Qt::WA_Resized))
            writeRect(QStringLiteral("geometry"), widget.geometry());
        if (m_skeleton) {
            writeChildren(widget);
            m_xml.writeEndElement();
            return;
        }
        writeChangedProperties(widget, m_references.referenceFor(metaObject), metaObject->propertyCount());
        if (widget.testAttribute(Qt::WA_SetFont)) {
            startProperty(QStringLiteral("font"), false);
            writeFont(widget.font());
            m_xml.writeEndElement();
        }
        if (widget.testAttribute(Qt::WA_SetPalette)) {
            startProperty(QStringLiteral("palette"), false);
            writePalette(widget.palette());
            m_xml.writeEndElement();
        }
        if (widget.isHidden() && widget.testAttribute(Qt::WA_WState_ExplicitShowHide))
            writeProperty(QStringLiteral("visible"), false, false, false);
        writeDynamicProperties(widget);
        writeChildren(widget);
        m_xml.writeEndElement();
    }

    // The widget's own layout with everything in it, then the field widgets
    // under it that no layout holds. A scroll area's content sits in the
    // area's viewport, which no field holds.
    void writeChildren(QWidget &widget)
    {
        QSet<const QWidget *> laidOut;
        QLayout *layout = widget.layout();
        if (layout && isField(static_cast<QObject *>(layout))) {
            collectLaidOut(*layout, laidOut);
            writeLayout(*layout);
        }
        for (QWidget *child : fieldChildren(widget)) {
            if (!laidOut.contains(child))
                writeWidget(*child);
        }
    }

    QList<QWidget *> fieldChildren(QWidget &widget) const
    {
        QList<QWidget *> children;
        for (QObject *child : widget.children()) {
            auto *childWidget = qobject_cast<QWidget *>(child);
            if (!childWidget)
                continue;
            if (isField(childWidget))
                children.append(childWidget);
            else if (!childWidget->isWindow())
                children += fieldChildren(*childWidget); // an area's viewport
        }
        return children;
    }

    static void collectLaidOut(QLayout &layout, QSet<const QWidget *> &laidOut)
    {
        for (int i = 0; i < layout.count(); ++i) {
            QLayoutItem *item = layout.itemAt(i);
            if (item->widget())
                laidOut.insert(item->widget());
            else if (item->layout())
                collectLaidOut(*item->layout(), laidOut);
        }
    }

    void writeLayout(QLayout &layout)
    {
        m_xml.writeStartElement(QStringLiteral("layout"));
        m_xml.writeAttribute(QStringLiteral("class"), QString::fromLatin1(layout.metaObject()->className()));
        m_xml.writeAttribute(QStringLiteral("name"), layout.objectName());
        auto *grid = qobject_cast<QGridLayout *>(&layout);
        auto *form = qobject_cast<QFormLayout *>(&layout);
        if (!m_skeleton)
            writeLayoutProperties(layout, grid, form);
        for (int i = 0; i < layout.count(); ++i) {
            m_xml.writeStartElement(QStringLiteral("item"));
            if (grid) {
                int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
                grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
                writeCell(row, column, rowSpan, columnSpan);
            } else if (form) {
                int row = 0;
                QFormLayout::ItemRole role = QFormLayout::LabelRole;
                form->getItemPosition(i, &row, &role);
                writeCell(row, role == QFormLayout::FieldRole ? 1 : 0, 1, role == QFormLayout::SpanningRole ? 2 : 1);
            }
            writeItem(*layout.itemAt(i));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    void writeLayoutProperties(QLayout &layout, QGridLayout *grid, QFormLayout *form)
    {
        if (grid || form) {
            writeProperty(QStringLiteral("horizontalSpacing"),
                          grid ? grid->horizontalSpacing() : form->horizontalSpacing(), false, false);
            writeProperty(QStringLiteral("verticalSpacing"),
                          grid ? grid->verticalSpacing() : form->verticalSpacing(), false, false);
        } else {
            writeProperty(QStringLiteral("spacing"), layout.spacing(), false, false);
        }
        const QMargins margins = layout.contentsMargins();
        writeProperty(QStringLiteral("leftMargin"), margins.left(), false, false);
        writeProperty(QStringLiteral("topMargin"), margins.top(), false, false);
        writeProperty(QStringLiteral("rightMargin"), margins.right(), false, false);
        writeProperty(QStringLiteral("bottomMargin"), margins.bottom(), false, false);
        if (layout.sizeConstraint() != QLayout::SetDefaultConstraint) {
            startProperty(QStringLiteral("sizeConstraint"), false);
            m_xml.writeTextElement(QStringLiteral("enum"),
                                   enumText(QMetaEnum::fromType<QLayout::SizeConstraint>(), layout.sizeConstraint()));
            m_xml.writeEndElement();
        }
    }

    void writeCell(int row, int column, int rowSpan, int columnSpan)
    {
        m_xml.writeAttribute(QStringLiteral("row"), QString::number(row));
        m_xml.writeAttribute(QStringLiteral("column"), QString::number(column));
        if (rowSpan != 1)
            m_xml.writeAttribute(QStringLiteral("rowspan"), QString::number(rowSpan));
        if (columnSpan != 1)
            m_xml.writeAttribute(QStringLiteral("colspan"), QString::number(columnSpan));
    }

    void writeItem(QLayoutItem &item)
    {
        if (QWidget *widget = item.widget())
            writeWidget(*widget);
        else if (QLayout *layout = item.layout())
            writeLayout(*layout);
        else if (QSpacerItem *spacer = item.spacerItem())
            writeSpacer(*spacer);
    }

    // Designer spacers stretch along one direction and keep Minimum across it.
    void writeSpacer(QSpacerItem &spacer)
    {
        const QSizePolicy policy = spacer.sizePolicy();
        const bool vertical =
            policy.horizontalPolicy() == QSizePolicy::Minimum && policy.verticalPolicy() != QSizePolicy::Minimum;
        const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
        const int index = m_fieldIndex.value(&spacer, -1);
        m_xml.writeStartElement(QStringLiteral("spacer"));
        m_xml.writeAttribute(QStringLiteral("name"),
                             index >= 0 ? QStringLiteral("spacer_%1").arg(index) : QStringLiteral("spacer"));
        startProperty(QStringLiteral("orientation"), false);
        m_xml.writeTextElement(QStringLiteral("enum"), vertical ? QStringLiteral("Qt::Vertical")
                                                                : QStringLiteral("Qt::Horizontal"));
        m_xml.writeEndElement();
        startProperty(QStringLiteral("sizeType"), false);
        m_xml.writeTextElement(QStringLiteral("enum"),
                               enumText(policies, vertical ? policy.verticalPolicy() : policy.horizontalPolicy()));
        m_xml.writeEndElement();
        startProperty(QStringLiteral("sizeHint"), true);
        writeSize(spacer.sizeHint());
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        const QSizePolicy::Policy across = vertical ? policy.horizontalPolicy() : policy.verticalPolicy();
        if (across != QSizePolicy::Minimum)
            m_omissions.append(QStringLiteral("spacer %1: size policy %2 across its direction")
                                   .arg(index)
                                   .arg(QString::fromLatin1(policies.valueToKey(across))));
    }

    // Properties from propertyCount on are not the class's own (a host root's
    // properties on a plain QWidget) and are set by name.
    void writeChangedProperties(const QObject &object, const QObject *reference, int propertyCount)
    {
        const QMetaObject *metaObject = object.metaObject();
        const QList<QByteArray> setByName = setByNameOf(metaObject);
        for (int i = 0; i < metaObject->propertyCount(); ++i) {
            const QMetaProperty property = metaObject->property(i);
            if (!property.isWritable() || notWrittenAsProperties().contains(property.name()))
                continue;
            const QVariant value = property.read(&object);
            if (reference) {
                const int referenceIndex = reference->metaObject()->indexOfProperty(property.name());
                if (referenceIndex >= 0 && sameValue(reference->metaObject()->property(referenceIndex).read(reference), value))
                    continue;
            }
            const QString name = QString::fromLatin1(property.name());
            const bool byName = i >= propertyCount || setByName.contains(property.name());
            if (property.isEnumType())
                writeEnumProperty(name, property.enumerator(), value.toInt(), byName);
            else
                writeProperty(name, value, isTranslatableText(property.name()), byName);
        }
    }

    static QList<QByteArray> setByNameOf(const QMetaObject *metaObject)
    {
        QList<QByteArray> names;
        for (const QMetaObject *m = metaObject; m; m = m->superClass()) {
            const int index = m->indexOfClassInfo("setByName");
            if (index >= m->classInfoOffset())
                names += QByteArray(m->classInfo(index).value()).split(',');
        }
        return names;
    }

    bool sameValue(const QVariant &a, const QVariant &b) const
    {
        if (a.userType() == QMetaType::QIcon && b.userType() == QMetaType::QIcon)
            return a.value<QIcon>().cacheKey() == b.value<QIcon>().cacheKey()
                || (a.value<QIcon>().isNull() && b.value<QIcon>().isNull());
        if (a.userType() == QMetaType::QPixmap && b.userType() == QMetaType::QPixmap)
            return a.value<QPixmap>().cacheKey() == b.value<QPixmap>().cacheKey()
                || (a.value<QPixmap>().isNull() && b.value<QPixmap>().isNull());
        return a == b;
    }

    void writeDynamicProperties(const QObject &object)
    {
        for (const QByteArray &name : object.dynamicPropertyNames()) {
            if (!name.startsWith("_q_"))
                writeProperty(QString::fromLatin1(name), object.property(name), false, true);
        }
    }

    void startProperty(const QString &name, bool byName)
    {
        m_xml.writeStartElement(QStringLiteral("property"));
        m_xml.writeAttribute(QStringLiteral("name"), name);
        if (byName)
            m_xml.writeAttribute(QStringLiteral("stdset"), QStringLiteral("0"));
    }

    void writeEnumProperty(const QString &name, const QMetaEnum &enumerator, int value, bool byName)
    {
        const QString text = enumText(enumerator, value);
        if (text.isEmpty() && !enumerator.isFlag()) {
            m_omissions.append(QStringLiteral("%1: value %2 has no name").arg(name).arg(value));
            return;
        }
        startProperty(name, byName);
        if (enumerator.isFlag())
            m_xml.writeTextElement(QStringLiteral("set"), text.isEmpty() ? QStringLiteral("0") : text);
        else
            m_xml.writeTextElement(QStringLiteral("enum"), text);
        m_xml.writeEndElement();
    }

    void writeProperty(const QString &name, const QVariant &value, bool translatable, bool byName)
    {
        if (value.userType() == QMetaType::QPixmap) {
            const QPixmap pixmap = value.value<QPixmap>();
            const QString path = m_images.pathOf(pixmap);
            if (path.isEmpty()) {
                if (!pixmap.isNull())
                    m_omissions.append(QStringLiteral("%1: a picture from outside the image bundle").arg(name));
                return;
            }
            startProperty(name, byName);
            m_xml.writeTextElement(QStringLiteral("pixmap"), path);
            m_xml.writeEndElement();
            return;
        }
        if (value.userType() == QMetaType::QIcon) {
            writeIcon(name, value.value<QIcon>(), byName);
            return;
        }
        if (!isExpressible(value)) {
            m_omissions.append(QStringLiteral("%1: a %2 has no form in a .ui file").arg(name, QString::fromLatin1(value.typeName())));
            return;
        }
        startProperty(name, byName);
        writeValue(value, translatable);
        m_xml.writeEndElement();
    }

    void writeIcon(const QString &name, const QIcon &icon, bool byName)
    {
        QVector<QPair<QString, QString>> files;
        for (const ImageIndex::IconPicture &picture : ImageIndex::picturesOf(icon)) {
            const QString path = m_images.pathOf(picture.pixmap);
            if (path.isEmpty())
                m_omissions.append(QStringLiteral("%1: a picture from outside the image bundle").arg(name));
            else
                files.append({picture.slot, path});
        }
        if (files.isEmpty())
            return;
        startProperty(name, byName);
        m_xml.writeStartElement(QStringLiteral("iconset"));
        for (const auto &file : qAsConst(files))
            m_xml.writeTextElement(file.first, file.second);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    static bool isExpressible(const QVariant &value)
    {
        switch (value.userType()) {
        case QMetaType::Bool: case QMetaType::Int: case QMetaType::UInt: case QMetaType::Double:
        case QMetaType::Float: case QMetaType::QString: case QMetaType::QStringList: case QMetaType::QByteArray:
        case QMetaType::QPoint: case QMetaType::QSize: case QMetaType::QRect: case QMetaType::QColor:
        case QMetaType::QBrush: case QMetaType::QFont: case QMetaType::QSizePolicy: case QMetaType::QPalette:
            return true;
        default:
            return false;
        }
    }

    void writeValue(const QVariant &value, bool translatable)
    {
        switch (value.userType()) {
        case QMetaType::Bool:
            m_xml.writeTextElement(QStringLiteral("bool"), value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
            m_xml.writeTextElement(QStringLiteral("number"), value.toString());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            m_xml.writeTextElement(QStringLiteral("double"), QString::number(value.toDouble(), 'g', 17));
            break;
        case QMetaType::QString:
            m_xml.writeStartElement(QStringLiteral("string"));
            if (!translatable)
                m_xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            m_xml.writeCharacters(value.toString());
            m_xml.writeEndElement();
            break;
        case QMetaType::QStringList:
            m_xml.writeStartElement(QStringLiteral("stringlist"));
            m_xml.writeAttribute(QStringLiteral("notr"), QStringLiteral("true"));
            for (const QString &text : value.toStringList())
                m_xml.writeTextElement(QStringLiteral("string"), text);
            m_xml.writeEndElement();
            break;
        case QMetaType::QByteArray:
            m_xml.writeTextElement(QStringLiteral("cstring"), QString::fromLatin1(value.toByteArray()));
            break;
        case QMetaType::QPoint:
            m_xml.writeStartElement(QStringLiteral("point"));
            m_xml.writeTextElement(QStringLiteral("x"), QString::number(value.toPoint().x()));
            m_xml.writeTextElement(QStringLiteral("y"), QString::number(value.toPoint().y()));
            m_xml.writeEndElement();
            break;
        case QMetaType::QSize:
            writeSize(value.toSize());
            break;
        case QMetaType::QRect:
            writeRectValue(value.toRect());
            break;
        case QMetaType::QColor:
            writeColor(value.value<QColor>());
            break;
        case QMetaType::QBrush:
            writeBrush(value.value<QBrush>());
            break;
        case QMetaType::QFont:
            writeFont(value.value<QFont>());
            break;
        case QMetaType::QPalette:
            writePalette(value.value<QPalette>());
            break;
        case QMetaType::QSizePolicy: {
            const QSizePolicy policy = value.value<QSizePolicy>();
            const QMetaEnum policies = QMetaEnum::fromType<QSizePolicy::Policy>();
            m_xml.writeStartElement(QStringLiteral("sizepolicy"));
            m_xml.writeAttribute(QStringLiteral("hsizetype"), QString::fromLatin1(policies.valueToKey(policy.horizontalPolicy())));
            m_xml.writeAttribute(QStringLiteral("vsizetype"), QString::fromLatin1(policies.valueToKey(policy.verticalPolicy())));
            m_xml.writeTextElement(QStringLiteral("horstretch"), QString::number(policy.horizontalStretch()));
            m_xml.writeTextElement(QStringLiteral("verstretch"), QString::number(policy.verticalStretch()));
            m_xml.writeEndElement();
            break;
        }
        default:
            break;
        }
    }

    void writeRect(const QString &name, const QRect &rect)
    {
        startProperty(name, false);
        writeRectValue(rect);
        m_xml.writeEndElement();
    }

    void writeRectValue(const QRect &rect)
    {
        m_xml.writeStartElement(QStringLiteral("rect"));
        m_xml.writeTextElement(QStringLiteral("x"), QString::number(rect.x()));
        m_xml.writeTextElement(QStringLiteral("y"), QString::number(rect.y()));
        m_xml.writeTextElement(QStringLiteral("width"), QString::number(rect.width()));
        m_xml.writeTextElement(QStringLiteral("height"), QString::number(rect.height()));
        m_xml.writeEndElement();
    }

    void writeSize(const QSize &size)
    {
        m_xml.writeStartElement(QStringLiteral("size"));
        m_xml.writeTextElement(QStringLiteral("width"), QString::number(size.width()));
        m_xml.writeTextElement(QStringLiteral("height"), QString::number(size.height()));
        m_xml.writeEndElement();
    }

    void writeColor(const QColor &colour)
    {
        m_xml.writeStartElement(QStringLiteral("color"));
        m_xml.writeAttribute(QStringLiteral("alpha"), QString::number(colour.alpha()));
        m_xml.writeTextElement(QStringLiteral("red"), QString::number(colour.red()));
        m_xml.writeTextElement(QStringLiteral("green"), QString::number(colour.green()));
        m_xml.writeTextElement(QStringLiteral("blue"), QString::number(colour.blue()));
        m_xml.writeEndElement();
    }

    void writeBrush(const QBrush &brush)
    {
        const QMetaEnum styles = QMetaEnum::fromType<Qt::BrushStyle>();
        m_xml.writeStartElement(QStringLiteral("brush"));
        m_xml.writeAttribute(QStringLiteral("brushstyle"), QString::fromLatin1(styles.valueToKey(brush.style())));
        writeColor(brush.color());
        m_xml.writeEndElement();
    }

    // Only what the font resolves, as a form sets no more.
    void writeFont(const QFont &font)
    {
        const uint resolved = font.resolve();
        m_xml.writeStartElement(QStringLiteral("font"));
        if (resolved & QFont::FamilyResolved)
            m_xml.writeTextElement(QStringLiteral("family"), font.family());
        if ((resolved & QFont::SizeResolved) && font.pointSize() > 0)
            m_xml.writeTextElement(QStringLiteral("pointsize"), QString::number(font.pointSize()));
        if (resolved & QFont::WeightResolved) {
            m_xml.writeTextElement(QStringLiteral("weight"), QString::number(font.weight()));
            m_xml.writeTextElement(QStringLiteral("bold"), font.bold() ? QStringLiteral("true") : QStringLiteral("false"));
        }
        if (resolved & QFont::StyleResolved)
            m_xml.writeTextElement(QStringLiteral("italic"), font.italic() ? QStringLiteral("true") : QStringLiteral("false"));
        if (resolved & QFont::UnderlineResolved)
            m_xml.writeTextElement(QStringLiteral("underline"), font.underline() ? QStringLiteral("true") : QStringLiteral("false"));
        if (resolved & QFont::StrikeOutResolved)
            m_xml.writeTextElement(QStringLiteral("strikeout"), font.strikeOut() ? QStringLiteral("true") : QStringLiteral("false"));
        if ((resolved & QFont::StyleStrategyResolved) && font.styleStrategy() != QFont::PreferDefault) {
            m_xml.writeTextElement(QStringLiteral("antialiasing"),
                                   font.styleStrategy() == QFont::PreferAntialias ? QStringLiteral("true") : QStringLiteral("false"));
        }
        m_xml.writeEndElement();
    }

    void writePalette(const QPalette &palette)
    {
        const uint resolved = palette.resolve();
        const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
        m_xml.writeStartElement(QStringLiteral("palette"));
        const struct {
            const char *element;
            QPalette::ColorGroup group;
        } groups[] = {{"active", QPalette::Active}, {"inactive", QPalette::Inactive}, {"disabled", QPalette::Disabled}};
        for (const auto &group : groups) {
            m_xml.writeStartElement(QString::fromLatin1(group.element));
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                if (role == QPalette::NoRole || !(resolved & (1u << role)))
                    continue;
                m_xml.writeStartElement(QStringLiteral("colorrole"));
                m_xml.writeAttribute(QStringLiteral("role"), QString::fromLatin1(roles.valueToKey(role)));
                writeBrush(palette.brush(group.group, QPalette::ColorRole(role)));
                m_xml.writeEndElement();
            }
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    // Library classes and their library base classes, for the custom widget list.
    void noteClass(const QMetaObject *metaObject)
    {
        for (const QMetaObject *m = metaObject; m && !isQtClass(m); m = m->superClass()) {
            if (!m_customClasses.contains(m))
                m_customClasses.append(m);
        }
    }

    void writeCustomWidgets()
    {
        if (m_customClasses.isEmpty())
            return;
        m_xml.writeStartElement(QStringLiteral("customwidgets"));
        for (const QMetaObject *metaObject : qAsConst(m_customClasses)) {
            m_xml.writeStartElement(QStringLiteral("customwidget"));
            m_xml.writeTextElement(QStringLiteral("class"), QString::fromLatin1(metaObject->className()));
            m_xml.writeTextElement(QStringLiteral("extends"), QString::fromLatin1(metaObject->superClass()->className()));
            // The library's one header declares every control.
            m_xml.writeTextElement(QStringLiteral("header"), QStringLiteral("controls/zel_controls.h"));
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement();
    }

    QXmlStreamWriter &m_xml;
    const ImageIndex &m_images;
    ReferenceObjects &m_references;
    QStringList &m_omissions;
    const bool m_skeleton;
    QHash<const void *, int> m_fieldIndex;
    QList<const QMetaObject *> m_customClasses;
};

} // namespace

UiExporter::UiExporter(const ImageIndex &images, Content content)
    : m_images(images)
    , m_content(content)
{
}

UiExporter::~UiExporter() = default;

QByteArray UiExporter::exportForm(const BuiltForm &form)
{
    m_omissions.clear();
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    UiWriter(xml, m_images, m_references, m_omissions, m_content).write(form);
    xml.writeEndDocument();
    return bytes;
}

} // namespace quarn::layouttool

namespace quarn::layouttool {

bool writeUiFile(UiExporter &exporter, const BuiltForm &form, const QString &file, QTextStream &warnings)
{
    const QByteArray bytes = exporter.exportForm(form);
    for (const QString &omission : exporter.omissions())
        warnings << "quarn-layout: warning: " << form.entry().name << ": left out " << omission << '\n';
    // Unchanged text keeps the file's time, so nothing built from it reruns.
    QFile existing(file);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace quarn::layouttool
