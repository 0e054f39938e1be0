#pragma once

// The host's root widget: named after the form unless the host named it, sized,
// then given its properties by name (the host's root classes define them).

#include "core/construction/images.h"

#include <QPoint>
#include <QSize>
#include <QSizePolicy>
#include <QStringList>
#include <QVariant>
#include <initializer_list>
#include <type_traits>

class QWidget;

namespace quarn {

class Root
{
public:
    // Names an unnamed root after the form's registration name.
    Root(QWidget *root, const char *registrationName);

    // Precedes the resize, as popups expect.
    Root &windowModality(Qt::WindowModality modality);
    Root &size(int width, int height);

    Root &property(const char *name, const QVariant &value);
    // Plain numbers and flags without a variant at every form.
    template <typename T, std::enable_if_t<std::is_same_v<T, int> || std::is_same_v<T, bool>, int> = 0>
    Root &property(const char *name, T value)
    {
        return setPlain(name, value);
    }
    Root &image(const char *name, const char *path);
    Root &imageList(const char *name, std::initializer_list<const char *> paths);
    Root &point(const char *name, int x, int y);
    Root &sizeValue(const char *name, int width, int height);
    Root &sizePolicy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical);
    Root &minimumSize(int width, int height) { return sizeValue("minimumSize", width, height); }
    Root &maximumSize(int width, int height) { return sizeValue("maximumSize", width, height); }
    // The frame of a popup: top, repeated middle and bottom pieces over a shadow
    // brush, around a client area of the given height.
    Root &popupFrame(const char *top, int clientAreaHeight);
    // Map screens: where the zoom buttons go, on the standard layout and while
    // an information bubble is shown (the bubble places are the same everywhere).
    Root &zoomPositions(int standardZoomInY, int standardZoomOutY);
    // Map screens with a navigation-field bar: where the host lays its fields out.
    Root &navigationFieldBarPlacement();

private:
    Root &setPlain(const char *name, int value);
    Root &setPlain(const char *name, bool value);

    QWidget *m_root;
};

} // namespace quarn
