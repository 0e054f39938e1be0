#include "zel_designer_plugin.h"

#include "control_plugin.h"
#include "controls/zel_controls.h"

#include <QDir>
#include <QFileInfo>
#include <QResource>
#include <QtDebug>

#include <dlfcn.h>

namespace {

template <typename Control>
ControlDescription describe(const char *base, const char *header, const char *toolTip, QSize size,
                            bool container = false, const char *initialContent = "")
{
    ControlDescription d;
    d.className = QString::fromLatin1(Control::staticMetaObject.className());
    d.baseClassName = QString::fromLatin1(base);
    d.header = QStringLiteral("controls/%1").arg(QLatin1String(header));
    d.toolTip = QString::fromUtf8(toolTip);
    d.defaultSize = size;
    d.container = container;
    d.initialContent = QString::fromLatin1(initialContent);
    d.create = [](QWidget *parent) -> QWidget * { return new Control(parent); };
    return d;
}

// A scroll area holds one content widget; Designer lays children into it.
const char scrollContent[] = "  <property name=\"widgetResizable\"><bool>true</bool></property>\n"
                             "  <widget class=\"QWidget\" name=\"scrollAreaWidgetContents\"/>\n";

QList<ControlDescription> descriptions()
{
    return {
        describe<ZelTextBox>("QLabel", "zel_text_box.h", "A single text with its own pixel size", {131, 21}),
        describe<ZelTextArea>("QTextEdit", "zel_text_area.h", "A multi-line text, plain or rich", {230, 236}),
        describe<ZelPushButton>("QAbstractButton", "zel_push_button.h",
                                "An image button: one face per state; icons and captions ride on it", {60, 43}, true),
        describe<ZelCheckBox>("QAbstractButton", "zel_check_box.h", "A check box drawn from images", {28, 29}, true),
        describe<ZelPushCheckBox>("QAbstractButton", "zel_push_check_box.h", "A check mark on a button face", {230, 44},
                                  true),
        describe<ZelPushRadioButton>("QAbstractButton", "zel_push_radio_button.h",
                                     "One choice of a group on a button face", {230, 44}, true),
        describe<ZelComboBox>("QComboBox", "zel_combo_box.h", "A drop-down drawn from images", {230, 44}, true),
        describe<ZelIcon>("QWidget", "zel_icon.h", "A picture scaled into the widget; children sit on it", {38, 38},
                          true),
        describe<ZelStatusIndicator>("QWidget", "zel_status_indicator.h",
                                     "One image of a list, chosen by its status index", {25, 22}),
        describe<ZelAnimationCtrl>("QWidget", "zel_animation_ctrl.h", "Frames cycled at an interval", {50, 50}),
        describe<ZelBacking>("QWidget", "zel_backing.h", "The translucent band behind a row of captions", {230, 42},
                             true),
        describe<ZelWidget>("QWidget", "zel_widget.h", "A container the host fills at run time (data fields)",
                            {240, 46}, true),
        describe<ZelMapControl>("QWidget", "zel_map_control.h", "The moving map", {240, 400}, true),
        describe<ZelList>("QAbstractScrollArea", "zel_list.h", "Kinetic list of host-built rows", {240, 265}, true),
        describe<ZelVirtualList>("QAbstractScrollArea", "zel_virtual_list.h",
                                 "Kinetic list that makes its rows while visible", {240, 265}),
        describe<ZelScrollArea>("QScrollArea", "zel_scroll_area.h", "A scroll area of the widget library", {240, 288},
                                true, scrollContent),
        describe<ZelProgressBar>("QProgressBar", "zel_progress_bar.h", "A progress bar", {132, 16}),
        describe<ZelHorizontalSlider>("QAbstractSlider", "zel_horizontal_slider.h",
                                      "Volume or brightness bar between minus and plus", {205, 41}),
        describe<ZelVerticalSpinBox>("QWidget", "zel_vertical_spin_box.h", "Whole numbers between two arrows",
                                     {55, 115}),
        describe<ZelStringVerticalSpinBox>("QWidget", "zel_string_vertical_spin_box.h",
                                           "A list of texts between two arrows", {55, 115}),
        describe<ZelNorthUpWidget>("QWidget", "zel_north_up_widget.h", "The map's north indicator", {48, 48}),
        describe<zelCalendarWidget>("QCalendarWidget", "zel_calendar_widget.h",
                                    "Month calendar with image month buttons", {240, 191}),
        describe<zelCoordEntryWidget>("QWidget", "zel_coord_entry_widget.h", "Entry of a coordinate", {204, 65}),
        describe<zelInputWidget>("QLineEdit", "zel_input_widget.h", "The input line above the keyboard", {230, 40}),
        describe<zelKBContainer>("QWidget", "zel_kb_container.h", "The panel of the on-screen keyboard", {240, 286},
                                 true),
        describe<zelKeyButton>("QAbstractButton", "zel_key_button.h", "One key of the on-screen keyboard", {60, 43}),
        describe<zelColorPaletteCtrl>("QWidget", "zel_color_palette_ctrl.h", "A grid of colour swatches", {191, 265}),
        describe<zelCompass>("QWidget", "zel_compass.h", "The compass dial", {240, 240}),
        describe<zelStripCompass>("QWidget", "zel_strip_compass.h", "A band of directions scrolling with the heading",
                                  {240, 150}),
        describe<zelSatelliteView>("QWidget", "zel_satellite_view.h", "The sky view of the satellites", {240, 265}),
        describe<zelSimpleGraphView>("QWidget", "zel_simple_graph_view.h", "A line graph over a drawing area",
                                     {226, 144}),
    };
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
    const QString group = QStringLiteral("Quarn stand-in controls");
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
