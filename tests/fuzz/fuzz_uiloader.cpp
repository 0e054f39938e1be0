// Mutated exports through QUiLoader with the controls' Designer plugin: each
// form that loads is built, every widget of it asked for its size hints and
// the whole painted. A crash, or a sanitizer report in the controls, fails.
//
//   fuzz_uiloader --plugins DIR --exports DIR [--seed N] [--cases N]
// QUARN_FUZZ_CASES and QUARN_FUZZ_SEED override the defaults.

#include "form_mutator.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <QUiLoader>
#include <QWidget>

#include <memory>

namespace {

// Qt's own form builder reads the parts of a palette without asking whether
// they are there, and crashes on a <colorrole> without <brush>, a <brush>
// without the <color>, <gradient> or <texture> its style needs, or a layout
// class it does not know: such a case tests Qt, not the controls, and is
// left out.
bool crashesQtsBuilder(const QByteArray &form)
{
    QDomDocument document;
    if (!document.setContent(form))
        return false;
    // A layout of a class it cannot make is used all the same.
    static const QStringList layouts = {QStringLiteral("QHBoxLayout"), QStringLiteral("QVBoxLayout"),
                                        QStringLiteral("QGridLayout"), QStringLiteral("QFormLayout"),
                                        QStringLiteral("QStackedLayout")};
    const QDomNodeList layoutElements = document.elementsByTagName(QStringLiteral("layout"));
    for (int i = 0; i < layoutElements.size(); ++i) {
        if (!layouts.contains(layoutElements.at(i).toElement().attribute(QStringLiteral("class"))))
            return true;
    }
    const QDomNodeList roles = document.elementsByTagName(QStringLiteral("colorrole"));
    for (int i = 0; i < roles.size(); ++i) {
        if (roles.at(i).toElement().firstChildElement(QStringLiteral("brush")).isNull())
            return true;
    }
    const QDomNodeList brushes = document.elementsByTagName(QStringLiteral("brush"));
    for (int i = 0; i < brushes.size(); ++i) {
        const QDomElement brush = brushes.at(i).toElement();
        const QString style = brush.attribute(QStringLiteral("brushstyle"));
        const char *needed = style.contains(QLatin1String("Gradient")) ? "gradient"
            : style.contains(QLatin1String("Texture"))                 ? "texture"
                                                                       : "color";
        if (brush.firstChildElement(QLatin1String(needed)).isNull())
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QString plugins, exports;
    quint32 seed = 38;
    int cases = 300;
    const QStringList arguments = app.arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments.at(i) == QLatin1String("--plugins"))
            plugins = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--exports"))
            exports = arguments.at(i + 1);
        else if (arguments.at(i) == QLatin1String("--seed"))
            seed = arguments.at(i + 1).toUInt();
        else if (arguments.at(i) == QLatin1String("--cases"))
            cases = arguments.at(i + 1).toInt();
    }
    if (!qEnvironmentVariableIsEmpty("QUARN_FUZZ_CASES"))
        cases = qEnvironmentVariableIntValue("QUARN_FUZZ_CASES");
    if (!qEnvironmentVariableIsEmpty("QUARN_FUZZ_SEED"))
        seed = quint32(qEnvironmentVariableIntValue("QUARN_FUZZ_SEED"));
    QTextStream out(stdout);
    const QStringList forms = QDir(exports).entryList({QStringLiteral("*.ui")}, QDir::Files, QDir::Name);
    if (plugins.isEmpty() || forms.isEmpty()) {
        out << "usage: fuzz_uiloader --plugins DIR --exports DIR (with the forms' .ui files) [--seed N] [--cases N]"
            << Qt::endl;
        return 2;
    }
    // Qt's loader recurses through the form itself: nesting is kept to what
    // Designer makes, the controls are what is tested here.
    fuzz::Mutator mutator(seed);
    mutator.setDeepest(200);
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QDir(plugins).absolutePath());
    // Without the plugin the loader makes base classes: nothing of the controls would be tested.
    if (!loader.availableWidgets().contains(QStringLiteral("ZelPushButton"))) {
        out << "the controls' plugin did not load from " << plugins << Qt::endl;
        return 1;
    }
    int built = 0, leftOut = 0;
    for (int i = 0; i < cases; ++i) {
        const QString form = forms.at(mutator.below(forms.size()));
        QFile file(QDir(exports).filePath(form));
        file.open(QIODevice::ReadOnly);
        QString what;
        QByteArray mutated = mutator.mutate(file.readAll(), &what);
        if (crashesQtsBuilder(mutated)) {
            ++leftOut;
            continue;
        }
        QBuffer buffer(&mutated);
        buffer.open(QIODevice::ReadOnly);
        std::unique_ptr<QWidget> root(loader.load(&buffer));
        if (!root)
            continue;
        ++built;
        const QList<QWidget *> widgets = root->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            widget->sizeHint();
            widget->minimumSizeHint();
        }
        QImage picture(QSize(320, 240), QImage::Format_ARGB32);
        picture.fill(Qt::black);
        root->render(&picture);
        for (QWidget *widget : widgets) {
            QImage part(QSize(64, 48), QImage::Format_ARGB32);
            part.fill(Qt::black);
            widget->render(&part, QPoint(), QRegion(0, 0, 64, 48));
        }
    }
    out << "seed " << seed << ": " << cases << " cases, " << built << " built, sized and painted, " << leftOut
        << " left out as crashing Qt's own form builder" << Qt::endl;
    return 0;
}
