// quarn-designer-save: what Qt Designer itself saves of a form. Each form is
// opened in Designer's own form editor, with the plugins Designer loads (ours
// among them through QT_PLUGIN_PATH), shown as Designer shows it, in a
// sub-window of an MDI area, so that its layouts settle; then written back as
// Designer's File > Save writes it. It lets a test, or a person, see what a
// designer's save of an unedited export does to it. What Designer warns of
// while a form is open is written to standard error after the form's file.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSaveFile>
#include <QTextStream>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormEditorPluginInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>

#include <memory>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The form being opened or saved, so that what Designer says about it names it.
QString currentForm;

void namingTheForm(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        return;
    err() << (currentForm.isEmpty() ? QString() : currentForm + QStringLiteral(": ")) << message << '\n';
    err().flush();
}

int fail(const QString &message, int status = 1)
{
    err() << "quarn-designer-save: " << message << '\n';
    err().flush();
    return status;
}

// Designer's editor as its workbench sets it up: the form editor with its task
// menus, the plugins (custom widgets and the editor's own tools), the tool
// windows that keep what a form holds (widget box, property editor, object
// inspector, action and signal/slot editors) and the integration.
class DesignerEditor
{
public:
    DesignerEditor()
        : m_core(QDesignerComponents::createFormEditor(nullptr))
    {
        QDesignerComponents::createTaskMenu(m_core, m_core);
        QDesignerComponents::initializePlugins(m_core);
        for (QObject *plugin : m_core->pluginInstances()) {
            auto *editorPlugin = qobject_cast<QDesignerFormEditorPluginInterface *>(plugin);
            if (editorPlugin && !editorPlugin->isInitialized())
                editorPlugin->initialize(m_core);
        }
        m_tools.reset(new QWidget);
        m_core->setWidgetBox(QDesignerComponents::createWidgetBox(m_core, m_tools.get()));
        m_core->setPropertyEditor(QDesignerComponents::createPropertyEditor(m_core, m_tools.get()));
        m_core->setObjectInspector(QDesignerComponents::createObjectInspector(m_core, m_tools.get()));
        m_core->setActionEditor(QDesignerComponents::createActionEditor(m_core, m_tools.get()));
        QDesignerComponents::createSignalSlotEditor(m_core, m_tools.get());
        m_integration.reset(new QDesignerIntegration(m_core));
        m_core->setTopLevel(&m_area);
        m_area.resize(1200, 900);
        m_area.show();
    }

    ~DesignerEditor()
    {
        m_integration.reset();
        m_tools.reset();
        delete m_core;
    }

    // The form as Designer saves it after opening FILE; false with the reason.
    bool save(const QString &file, QByteArray *saved, QString *error)
    {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(file, in.errorString());
            return false;
        }
        QDesignerFormWindowManagerInterface *manager = m_core->formWindowManager();
        QDesignerFormWindowInterface *form = manager->createFormWindow(nullptr, Qt::Window);
        QMdiSubWindow *window = m_area.addSubWindow(form);
        form->setFileName(QFileInfo(file).absoluteFilePath());
        QString why;
        const bool opened = form->setContents(&in, &why);
        if (opened) {
            // As Designer's workbench does: the sub-window takes the size of
            // the form's root plus its own frame, so the root keeps its size.
            const QSize size = form->mainContainer()->size();
            manager->setActiveFormWindow(form);
            window->show();
            window->resize(size + window->size() - window->contentsRect().size());
            form->editWidgets();
            QCoreApplication::processEvents();
            *saved = form->contents().toUtf8();
        } else {
            *error = QStringLiteral("Designer cannot open %1: %2").arg(file, why.trimmed());
        }
        manager->removeFormWindow(form);
        m_area.removeSubWindow(form);
        delete window;
        delete form;
        return opened;
    }

private:
    QDesignerFormEditorInterface *m_core;
    QMdiArea m_area;
    std::unique_ptr<QWidget> m_tools;
    std::unique_ptr<QDesignerIntegration> m_integration;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarn-designer-save"));
    QDesignerComponents::initializeResources();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Opens each form in Qt Designer's own form editor, offscreen, and writes what Designer saves of it."));
    parser.addHelpOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Folder for the saved forms, under their own file names."),
                                    QStringLiteral("DIR"));
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Designer forms to open."),
                                 QStringLiteral("FILE.ui..."));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty() || !parser.isSet(output))
        return fail(QStringLiteral("usage: quarn-designer-save FILE.ui... -o DIR"), 2);
    const QDir folder(parser.value(output));
    if (!QDir().mkpath(folder.path()))
        return fail(QStringLiteral("cannot make %1").arg(folder.path()));

    DesignerEditor editor;
    int status = 0;
    qInstallMessageHandler(namingTheForm);
    for (const QString &file : files) {
        QByteArray saved;
        QString error;
        currentForm = file;
        const bool opened = editor.save(file, &saved, &error);
        currentForm.clear();
        if (!opened) {
            status = fail(error);
            continue;
        }
        QSaveFile out(folder.filePath(QFileInfo(file).fileName()));
        if (!out.open(QIODevice::WriteOnly) || out.write(saved) != saved.size() || !out.commit())
            status = fail(QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
    }
    return status;
}
