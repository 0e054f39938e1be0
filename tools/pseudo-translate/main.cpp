// quarn-pseudo-translate: writes the pseudo-translation of a translation
// template, for checking on screen what translated texts will do.

#include "pseudo_translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: quarn-pseudo-translate TEMPLATE.ts OUTPUT.ts\n");
        return 2;
    }
    QFile input(arguments.at(0));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quarn-pseudo-translate: cannot read %s: %s\n", qPrintable(input.fileName()),
                     qPrintable(input.errorString()));
        return 1;
    }
    QString error;
    const QByteArray pseudo = quarn::translations::pseudoTranslatedTs(input.readAll(), &error);
    if (pseudo.isEmpty()) {
        std::fprintf(stderr, "quarn-pseudo-translate: %s: %s\n", qPrintable(input.fileName()), qPrintable(error));
        return 1;
    }
    QSaveFile output(arguments.at(1));
    if (!output.open(QIODevice::WriteOnly) || output.write(pseudo) != pseudo.size() || !output.commit()) {
        std::fprintf(stderr, "quarn-pseudo-translate: cannot write %s: %s\n", qPrintable(output.fileName()),
                     qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
