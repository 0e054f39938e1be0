// Checks the README host's picture (the file named on the command line): the
// title bar as this program builds it with the same module, image bundle and
// pseudo-translation, where pictures and translation each change what it shows.
#include "core/layout_registry.h"
#include "forms/frame/QuarnTitleBar.h"

#include <QApplication>
#include <QImage>
#include <QResource>
#include <QTranslator>
#include <QWidget>

#include <cstdio>

namespace {

bool g_failed = false;

void expect(bool condition, const char *what)
{
    std::printf("check: %s: %s\n", what, condition ? "yes" : "NO");
    g_failed = g_failed || !condition;
}

QImage titleBar(FormLayout *form, QString *time)
{
    QWidget root;
    Ui_QuarnTitleBar ui;
    form->setupUi(&ui, &root);
    form->retranslateUi(&ui, &root);
    *time = ui.txtTime ? ui.txtTime->content() : QString();
    return root.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: check HOST_PICTURE.png\n");
        return 2;
    }
    LayoutRegistry registry;
    if (!registry.loadLibrary(QUARN_MODULE)) {
        std::fprintf(stderr, "check: %s\n", quarn::platform::lastModuleError().c_str());
        return 1;
    }
    FormLayout *form = registry.findLayout("QuarnTitleBar");
    expect(form, "the module registers QuarnTitleBar");
    if (form) {
        // Bare first: the module keeps the pictures it once loaded.
        QString time;
        const QImage bare = titleBar(form, &time);
        expect(time == QLatin1String("HH:MM"), "untranslated clock reads HH:MM");

        expect(QResource::registerResource(QUARN_IMAGE_BUNDLE), "the image bundle registers");
        const QImage pictures = titleBar(form, &time);
        expect(pictures != bare, "pictures change the title bar");

        QTranslator translator;
        expect(translator.load(QStringLiteral("quarn-layout_pseudo"), QUARN_TRANSLATIONS),
               "the pseudo-translation loads");
        QCoreApplication::installTranslator(&translator);
        const QImage translated = titleBar(form, &time);
        expect(time != QLatin1String("HH:MM") && translated != pictures, "the translation changes the clock");

        const QImage host(QString::fromLocal8Bit(argv[1]));
        expect(!host.isNull(), "the host saved a picture");
        expect(host.convertToFormat(QImage::Format_ARGB32) == translated,
               "the host's picture has the pictures and the translation");
        QCoreApplication::removeTranslator(&translator);
    }
    registry.unloadLibrary(QUARN_MODULE);
    return g_failed ? 1 : 0;
}
