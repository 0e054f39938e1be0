#include "pictures/inspector.h"

#include "dump/form_dumper.h"
#include "form_census.h"
#include "common/form_host.h"
#include "common/output_file.h"
#include "pictures/preview_root.h"
#include "pictures/render.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLayout>
#include <QWidget>

// Resources of a static library are registered by hand, from the global namespace.
static void initInspectorResources()
{
    Q_INIT_RESOURCE(inspector);
}

namespace quarn::layouttool {

using harness::FormCensus;

namespace {

QString pngDataUrl(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

QJsonArray rectJson(const QRect &rect)
{
    return QJsonArray{rect.x(), rect.y(), rect.width(), rect.height()};
}

// Where each field shows in the picture once the layouts have settled, and
// what it sits in: a widget's rectangle cut to its ancestors' (they clip it),
// with "under" the field widget it sits in (-1 for the root); a layout's with
// "layoutOf" the field widget it arranges. The record holds pointers to the
// most derived objects, matched here against the root's tree before anything
// is read through them.
class FieldPlaces
{
public:
    explicit FieldPlaces(const FormCensus &census)
        : m_census(census)
        , m_root(census.root())
    {
    }

    // The outline and placing of the field; empty when it
    // is not on the picture.
    QJsonObject place(int field) const
    {
        QObject *object = m_census.object(field);
        if (auto *widget = object && object->isWidgetType() ? static_cast<QWidget *>(object) : nullptr) {
            const QRect visible = visibleRect(widget);
            if (visible.isEmpty())
                return {};
            return {{QStringLiteral("outline"), rectJson(visible)},
                    {QStringLiteral("under"), fieldAround(widget->parentWidget())}};
        }
        if (auto *layout = qobject_cast<QLayout *>(object)) {
            QWidget *owner = layout->parentWidget();
            if (!owner)
                return {};
            const QRect visible = layout->geometry().translated(owner->mapTo(m_root, QPoint())) & visibleRect(owner);
            if (visible.isEmpty())
                return {};
            return {{QStringLiteral("outline"), rectJson(visible)}, {QStringLiteral("layoutOf"), fieldAround(owner)}};
        }
        return {};
    }

private:
    // The part of the widget its ancestors let show; empty when hidden.
    QRect visibleRect(QWidget *widget) const
    {
        if (widget == m_root)
            return m_root->rect();
        if (!widget->isVisibleTo(m_root))
            return {};
        QRect visible(widget->mapTo(m_root, QPoint()), widget->size());
        for (QWidget *above = widget->parentWidget(); above && above != m_root; above = above->parentWidget())
            visible &= QRect(above->mapTo(m_root, QPoint()), above->size());
        return visible & m_root->rect();
    }

    // The field index of the nearest widget from widget up that is a field.
    int fieldAround(QWidget *widget) const
    {
        for (; widget && widget != m_root; widget = widget->parentWidget()) {
            const int index = m_census.fieldIndexOf(dynamic_cast<const void *>(widget));
            if (index >= 0)
                return index;
        }
        return -1;
    }

    const FormCensus &m_census;
    QWidget *m_root;
};

QJsonObject formJson(const FormLayout &form, const CatalogueIndexEntry &entry, const ImageIndex &images,
                     PreviewRoot::Backdrop backdrop)
{
    BuiltForm built(form, entry, std::make_unique<PreviewRoot>());
    // The dump reads the tree as the form left it, before any layout ran.
    FormDumper dumper(images);
    QJsonObject json = dumper.dump(built);
    json.insert(QStringLiteral("picture"), pngDataUrl(renderForm(built, backdrop)));
    json.insert(QStringLiteral("size"), QJsonArray{entry.width, entry.height});

    const FormCensus census(built);
    const FieldPlaces places(census);
    QJsonArray fields = json.value(QStringLiteral("fields")).toArray();
    for (int i = 0; i < fields.size() && i < built.fieldCount(); ++i) {
        const QJsonObject place = places.place(i);
        if (place.isEmpty())
            continue;
        QJsonObject field = fields.at(i).toObject();
        for (auto it = place.begin(); it != place.end(); ++it)
            field.insert(it.key(), it.value());
        fields.replace(i, field);
    }
    json.insert(QStringLiteral("fields"), fields);
    return json;
}

QByteArray resource(const char *name)
{
    QFile file(QStringLiteral(":/quarn-layout/inspector/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool writeInspectorPage(LayoutModule &module, const ImageIndex &images, const QString &file,
                        PreviewRoot::Backdrop backdrop, QString *error)
{
    initInspectorResources();
    QJsonArray forms;
    for (const CatalogueIndexEntry &entry : kCatalogueIndex) {
        if (const FormLayout *form = module.find(QString::fromLatin1(entry.name)))
            forms.append(formJson(*form, entry, images, backdrop));
    }
    // Inside a script element "</" must not appear; JSON allows "<\/".
    QByteArray data = QJsonDocument(forms).toJson(QJsonDocument::Compact);
    data.replace("</", "<\\/");

    // The page carries its style and scripts inline, so it stays one file.
    QByteArray page = resource("inspector.html");
    if (page.isEmpty()) {
        *error = QStringLiteral("cannot write %1: the page is missing from the program's resources").arg(file);
        return false;
    }
    page.replace("@INSPECTOR_CSS@", resource("inspector.css"));
    page.replace("@PICKING_JS@", resource("picking.js"));
    page.replace("@INSPECTOR_JS@", resource("inspector.js"));
    page.replace("@FORMS_JSON@", data);
    return writeWholeFile(file, page, error);
}

} // namespace quarn::layouttool
