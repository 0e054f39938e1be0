// The controls' Designer plugin as its users meet it: QUiLoader building the
// tool's Designer exports with the real controls, and Designer opening them.

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QMetaProperty>
#include <QPixmap>
#include <QPluginLoader>
#include <QProcess>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Forms that between them use the buttons, texts, containers, instruments and input controls.
const QStringList kForms = {QStringLiteral("QuarnTitleBar"),
                            QStringLiteral("DashboardCompassScrClass"),
                            QStringLiteral("SunMoonScreenClass"),
                            QStringLiteral("TextInputScreenClass"),
                            QStringLiteral("GeocacheFiltersScreenClass"),
                            QStringLiteral("SettingsBrightnessVolumeScreenClass"),
                            QStringLiteral("AlarmClockDetailScreenClass")};

QProcessEnvironment pluginEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(QUARN_PLUGIN_PATH));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

// Exports of the chosen forms, made by the tool as a user does.
class Exports : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        for (const QString &form : kForms) {
            const QString file = s_folder->filePath(form + QStringLiteral(".ui"));
            QProcess tool;
            tool.setProcessEnvironment(pluginEnvironment());
            tool.start(QStringLiteral(QUARN_LAYOUT_TOOL), {QStringLiteral("ui"), form, QStringLiteral("-o"), file});
            if (tool.waitForFinished(60000) && tool.exitCode() == 0)
                s_files.append(file);
        }
    }

    static void TearDownTestSuite()
    {
        delete s_folder;
        s_folder = nullptr;
    }

    static QTemporaryDir *s_folder;
    static QStringList s_files;
};

QTemporaryDir *Exports::s_folder = nullptr;
QStringList Exports::s_files;

QDomDocument readUi(const QString &file)
{
    QFile in(file);
    QDomDocument document;
    if (in.open(QIODevice::ReadOnly))
        document.setContent(&in);
    return document;
}

} // namespace

TEST_F(Exports, QUiLoaderBuildsTheRealControlsWithTheirTextsAndPictures)
{
    ASSERT_EQ(s_files.size(), kForms.size()) << "the tool did not export every chosen form";
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(QUARN_PLUGIN_PATH) + QStringLiteral("/designer"));
    for (const QString &file : qAsConst(s_files)) {
        SCOPED_TRACE(file.toStdString());
        QFile in(file);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> root(loader.load(&in));
        ASSERT_NE(root, nullptr) << loader.errorString().toStdString();

        int pictures = 0;
        const QDomNodeList widgets = readUi(file).elementsByTagName(QStringLiteral("widget"));
        for (int i = 1; i < widgets.size(); ++i) {
            const QDomElement element = widgets.at(i).toElement();
            const QString name = element.attribute(QStringLiteral("name"));
            auto *widget = root->findChild<QWidget *>(name);
            ASSERT_NE(widget, nullptr) << name.toStdString();
            // Not a fallback to a Qt base class: the class the form names.
            const QString className = QString::fromLatin1(widget->metaObject()->className());
            EXPECT_EQ(className, element.attribute(QStringLiteral("class"))) << name.toStdString();
            for (QDomElement property = element.firstChildElement(QStringLiteral("property")); !property.isNull();
                 property = property.nextSiblingElement(QStringLiteral("property"))) {
                const QByteArray propertyName = property.attribute(QStringLiteral("name")).toLatin1();
                const QDomElement value = property.firstChildElement();
                const QVariant loaded = widget->property(propertyName);
                if (value.tagName() == QLatin1String("pixmap")) {
                    EXPECT_FALSE(loaded.value<QPixmap>().isNull()) << name.toStdString() << "." << propertyName.data();
                    ++pictures;
                } else if (value.tagName() == QLatin1String("string") && propertyName != "html") {
                    // (A text edit writes its own HTML back, not the form's.)
                    EXPECT_EQ(loaded.toString(), value.text()) << name.toStdString() << "." << propertyName.data();
                }
            }
        }
        EXPECT_GT(pictures, 0) << "the form sets no pictures to check";
    }
}

// The plugin declares each control and its library bases as their
// meta-objects say (so Designer gives no warning of another base), and the
// exports declare every class they use the same way.
TEST_F(Exports, PluginAndExportsDeclareTheControlsAsTheirMetaObjects)
{
    QPluginLoader plugin(QStringLiteral(QUARN_PLUGIN_PATH) + QStringLiteral("/designer/libzelDesignerPlugin.so"));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(plugin.instance());
    ASSERT_NE(collection, nullptr) << plugin.errorString().toStdString();
    struct Declared {
        QString extends;
        QString header;
    };
    QHash<QString, Declared> declared;
    for (QDesignerCustomWidgetInterface *control : collection->customWidgets()) {
        SCOPED_TRACE(control->name().toStdString());
        const std::unique_ptr<QWidget> widget(control->createWidget(nullptr));
        ASSERT_NE(widget, nullptr);
        const QMetaObject *meta = widget->metaObject();
        EXPECT_EQ(control->name(), QLatin1String(meta->className()));
        QDomDocument dom;
        ASSERT_TRUE(dom.setContent(control->domXml()));
        const QDomNodeList classes = dom.elementsByTagName(QStringLiteral("customwidget"));
        ASSERT_GT(classes.size(), 0);
        // The control last: Designer's widget database takes its base from there.
        for (int i = classes.size() - 1; i >= 0; --i, meta = meta->superClass()) {
            const QDomElement entry = classes.at(i).toElement();
            const QString className = entry.firstChildElement(QStringLiteral("class")).text();
            const Declared as{entry.firstChildElement(QStringLiteral("extends")).text(),
                              entry.firstChildElement(QStringLiteral("header")).text()};
            EXPECT_EQ(className, QLatin1String(meta->className()));
            EXPECT_EQ(as.extends, QLatin1String(meta->superClass()->className())) << className.toStdString();
            EXPECT_TRUE(as.header.startsWith(QLatin1String("controls/"))) << as.header.toStdString();
            if (i == classes.size() - 1) {
                EXPECT_EQ(as.header, control->includeFile());
            }
            declared.insert(className, as);
        }
        // The chain ends at the Qt class the library builds on.
        EXPECT_TRUE(QByteArray(meta->className()).startsWith('Q')) << meta->className();
    }

    ASSERT_EQ(s_files.size(), kForms.size());
    int checked = 0;
    for (const QString &file : qAsConst(s_files)) {
        const QDomNodeList classes = readUi(file).elementsByTagName(QStringLiteral("customwidget"));
        for (int i = 0; i < classes.size(); ++i, ++checked) {
            const QDomElement entry = classes.at(i).toElement();
            const QString className = entry.firstChildElement(QStringLiteral("class")).text();
            SCOPED_TRACE((file + QLatin1Char(' ') + className).toStdString());
            ASSERT_TRUE(declared.contains(className)) << "the plugin does not declare it";
            EXPECT_EQ(entry.firstChildElement(QStringLiteral("extends")).text(), declared.value(className).extends);
            EXPECT_EQ(entry.firstChildElement(QStringLiteral("header")).text(), declared.value(className).header);
        }
    }
    EXPECT_GT(checked, 0);
}

// Designer itself, offscreen: it names any control it cannot place. A form
// declaring a control of an unknown base class shows the check can see that.
TEST_F(Exports, DesignerOpensThemWithoutUnknownControls)
{
    if (QStringLiteral(QUARN_DESIGNER).isEmpty())
        GTEST_SKIP() << "no Designer to run (not installed, or a sanitizer build it cannot load)";
    ASSERT_EQ(s_files.size(), kForms.size());
    QFile::copy(s_files.first(), s_folder->filePath(QStringLiteral("unknown.ui")));
    QFile broken(s_folder->filePath(QStringLiteral("unknown.ui")));
    ASSERT_TRUE(broken.open(QIODevice::ReadWrite));
    QByteArray text = broken.readAll();
    text.replace("<customwidgets>",
                 "<customwidgets><customwidget><class>NoSuchControl</class>"
                 "<extends>NoSuchBase</extends><header>none.h</header></customwidget>");
    broken.seek(0);
    broken.write(text);
    broken.close();

    QProcess designer;
    QProcessEnvironment environment = pluginEnvironment();
    environment.insert(QStringLiteral("HOME"), s_folder->path()); // Designer's settings stay in the test's folder
    designer.setProcessEnvironment(environment);
    designer.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments = {QStringLiteral("-platform"), QStringLiteral("offscreen")};
    arguments << s_files << broken.fileName();
    designer.start(QStringLiteral(QUARN_DESIGNER), arguments);
    ASSERT_TRUE(designer.waitForStarted()) << "cannot start " QUARN_DESIGNER;
    // Designer opens the files in order and then waits for its user: the
    // warning about the last file says the others were read.
    QByteArray output;
    for (int waited = 0; waited < 120 && !output.contains("NoSuchControl"); ++waited) {
        designer.waitForReadyRead(1000);
        output += designer.readAll();
    }
    designer.kill();
    designer.waitForFinished();
    output += designer.readAll();

    ASSERT_TRUE(output.contains("NoSuchControl")) << "Designer did not get to the last form:\n" << output.data();
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray &line : lines) {
        if (line.contains("NoSuchControl"))
            continue;
        EXPECT_FALSE(line.contains("could not be found") || line.contains("unknown") || line.contains("Unknown"))
            << line.data();
    }
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
