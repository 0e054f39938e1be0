#include "zel_designer_plugin.h"

#include "control_plugin.h"
#include "controls/zel_control_table.h"

#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QScrollArea>
#include <QtDebug>

#include <dlfcn.h>

namespace {

// A scroll area holds one content widget; Designer lays children into it.
const char scrollContent[] = "  <property name=\"widgetResizable\"><bool>true</bool></property>\n"
                             "  <widget class=\"QWidget\" name=\"scrollAreaWidgetContents\"/>\n";

// The controls offered, from the library's control table; each with its
// library base classes up to Qt's, as a form's export declares them.
QList<ControlDescription> descriptions()
{
    QList<ControlDescription> described;
    for (const ZelControlInfo &control : kZelControls) {
        if (!control.offered)
            continue;
        ControlDescription d;
        d.className = QString::fromLatin1(control.metaObject->className());
        d.header = QString::fromLatin1(control.header);
        d.toolTip = QString::fromUtf8(control.toolTip);
        d.defaultSize = control.defaultSize;
        d.container = control.container;
        if (control.metaObject->inherits(&QScrollArea::staticMetaObject))
            d.initialContent = QString::fromLatin1(scrollContent);
        for (const QMetaObject *m = control.metaObject; m; m = m->superClass()) {
            const ZelControlInfo *info = zelControlInfo(m);
            if (!info)
                break;
            // Bases first: Designer's widget database takes the extends of the last
            // class declared as the control's, which must be its direct base, as in the exports.
            d.classes.prepend({QString::fromLatin1(m->className()), QString::fromLatin1(m->superClass()->className()),
                               QString::fromLatin1(info->header), info->container});
        }
        d.create = control.create;
        described.append(d);
    }
    return described;
}

// Where this plugin's file lies, to find the image bundle beside the build or the installation.
QString pluginFolder()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void *>(&pluginFolder), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

} // namespace

ZelDesignerPlugin::ZelDesignerPlugin(QObject *parent)
    : QObject(parent)
{
    const QString group = QString::fromLatin1(kZelControlGroup);
    for (const ControlDescription &description : descriptions())
        m_controls.append(new ControlPlugin(description, group, this));
    registerImageBundle();
}

// The bundle stays registered while the process lives: Qt deletes plugin
// instances after its own resource list is gone, too late to unregister.
// QUARN_IMAGE_BUNDLE names another bundle (or none, when empty); otherwise the
// placeholder bundle of the build tree or of the installation is used.
void ZelDesignerPlugin::registerImageBundle()
{
    QStringList candidates;
    if (qEnvironmentVariableIsSet("QUARN_IMAGE_BUNDLE")) {
        candidates << qEnvironmentVariable("QUARN_IMAGE_BUNDLE");
    } else {
        const QDir folder(pluginFolder());
        candidates << folder.filePath(QStringLiteral("../placeholders.rcc"))
                   << folder.filePath(QStringLiteral(QUARN_DESIGNER_INSTALLED_BUNDLE));
    }
    for (const QString &candidate : qAsConst(candidates)) {
        if (candidate.isEmpty() || !QFileInfo::exists(candidate))
            continue;
        const QString file = QFileInfo(candidate).canonicalFilePath();
        if (QResource::registerResource(file))
            return;
        qWarning("Quarn controls plugin: %s is no image bundle", qPrintable(file));
    }
    if (!candidates.value(0).isEmpty())
        qWarning("Quarn controls plugin: no image bundle at %s; forms show no pictures",
                 qPrintable(candidates.join(QLatin1String(" or "))));
}
