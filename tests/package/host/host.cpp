// Loads the layout module by path, builds the title bar and checks its clock.
#include "core/layout_registry.h"
#include "forms/frame/QuarnTitleBar.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::wstring module = QString::fromUtf8(QUARN_MODULE).toStdWString();

    LayoutRegistry registry;
    if (!registry.loadLibrary(module.c_str())) {
        std::fprintf(stderr, "host: cannot load %s\n", QUARN_MODULE);
        return 1;
    }
    FormLayout *form = registry.findLayout("QuarnTitleBar");
    if (!form) {
        std::fprintf(stderr, "host: no QuarnTitleBar in %s\n", QUARN_MODULE);
        return 1;
    }

    bool ok = false;
    {
        auto root = std::make_unique<QWidget>();
        Ui_QuarnTitleBar ui;
        form->setupUi(&ui, root.get());
        form->retranslateUi(&ui, root.get());
        ok = ui.txtTime && ui.txtTime->content() == QLatin1String("HH:MM")
            && ui.txtTime->geometry() == QRect(81, 0, 91, 21) && root->size() == QSize(240, 28);
        std::printf("host: txtTime \"%s\"\n", ui.txtTime ? qPrintable(ui.txtTime->content()) : "(none)");
    } // the screen goes before its module
    registry.unloadLibrary(module.c_str());
    return ok ? 0 : 1;
}
