#include "core/construction/row_setters.h"

#include "core/construction/images.h"
#include "core/construction/window_data.h"

#include <QLayout>
#include <QVariant>
#include <QWidget>

#include <limits>

namespace quarn::detail {

QObject *makeObject(QObject *(*construct)(QWidget *), QWidget *parent, const char *objectName)
{
    QObject *object = construct(parent);
    object->setObjectName(QString::fromUtf8(objectName));
    return object;
}

// Layouts start with margin 11 overridden by zero contents margins, as every
// form's layouts do unless a row says otherwise.
QLayout *makeLayout(QLayout *(*construct)(QWidget *), QWidget *host, const char *objectName)
{
    QLayout *layout = construct(host);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setObjectName(QString::fromUtf8(objectName));
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

namespace {

// An extent whose far edge (origin + extent - 1) is an int too: QRect keeps
// edges, and an edge past the ends of int overflows in every use of it.
int fitting(int origin, int extent)
{
    const qint64 last = qBound(qint64(std::numeric_limits<int>::min()), qint64(origin) + extent - 1,
                               qint64(std::numeric_limits<int>::max()));
    return int(last - origin + 1);
}

} // namespace

void place(QWidget *widget, int x, int y, int width, int height)
{
    widget->setGeometry(QRect(QPoint(x, y), QSize(fitting(x, width), fitting(y, height))));
}

void setBaseSize(QWidget *widget, int width, int height)
{
    widget->setBaseSize(QSize(width, height));
    markWindowData(widget);
}

void setSizeIncrement(QWidget *widget, int width, int height)
{
    widget->setSizeIncrement(QSize(width, height));
    markWindowData(widget);
}

// Height-for-width is kept from the current policy.
void setSizePolicy(QWidget *widget, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical, int horizontalStretch,
                   int verticalStretch)
{
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(horizontalStretch);
    policy.setVerticalStretch(verticalStretch);
    policy.setHeightForWidth(widget->sizePolicy().hasHeightForWidth());
    widget->setSizePolicy(policy);
}

void setImage(QObject *object, Setter<const QPixmap &> setter, const char *path)
{
    (object->*setter)(image(path));
}

void setImage(QObject *object, Setter<const ZelPicture &> setter, const char *path)
{
    (object->*setter)(picture(path));
}

void assignImage(QObject *object, Member<QPixmap> field, const char *path)
{
    object->*field = image(path);
}

void setImageList(QObject *object, Setter<const QStringList &> setter, std::initializer_list<const char *> paths)
{
    (object->*setter)(imagePaths(paths));
}

void setText(QObject *object, Setter<const QString &> setter, const char *utf8)
{
    (object->*setter)(QString::fromUtf8(utf8));
}

void setProperty(QObject *object, const char *name, int value)
{
    object->setProperty(name, value);
}

void setProperty(QObject *object, const char *name, bool value)
{
    object->setProperty(name, value);
}

void setProperty(QObject *object, const char *name, const QVariant &value)
{
    object->setProperty(name, value);
}

void setImageProperty(QObject *object, const char *name, const char *path)
{
    object->setProperty(name, image(path));
}

} // namespace quarn::detail
