#include "core/construction/root.h"

#include <QWidget>

namespace quarn {

Root::Root(QWidget *root, const char *registrationName)
    : m_root(root)
{
    if (m_root->objectName().isEmpty())
        m_root->setObjectName(QString::fromUtf8(registrationName));
}

Root &Root::windowModality(Qt::WindowModality modality)
{
    return property("windowModality", int(modality));
}

Root &Root::size(int width, int height)
{
    m_root->resize(width, height);
    return *this;
}

Root &Root::property(const char *name, const QVariant &value)
{
    m_root->setProperty(name, value);
    return *this;
}

Root &Root::setPlain(const char *name, int value)
{
    m_root->setProperty(name, value);
    return *this;
}

Root &Root::setPlain(const char *name, bool value)
{
    m_root->setProperty(name, value);
    return *this;
}

Root &Root::image(const char *name, const char *path)
{
    return property(name, quarn::image(path));
}

Root &Root::imageList(const char *name, std::initializer_list<const char *> paths)
{
    return property(name, imagePaths(paths));
}

Root &Root::point(const char *name, int x, int y)
{
    return property(name, QPoint(x, y));
}

Root &Root::sizeValue(const char *name, int width, int height)
{
    return property(name, QSize(width, height));
}

Root &Root::sizePolicy(QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical)
{
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(m_root->sizePolicy().hasHeightForWidth());
    return property("sizePolicy", QVariant::fromValue(policy));
}

Root &Root::popupFrame(const char *top, int clientAreaHeight)
{
    return image("imageTop", top)
        .image("imageFill", ":/Bkgd/bkgd_ContextualMenu_Middle.mif")
        .image("imageBottom", ":/Bkgd/bkgd_ContextualMenu_Bottom.mif")
        .image("imageBkgndBrush", ":/Bkgd/shadow_brush.mif")
        .property("clientAreaHeight", clientAreaHeight);
}

Root &Root::zoomPositions(int standardZoomInY, int standardZoomOutY)
{
    return point("zoomInStd", 182, standardZoomInY)
        .point("zoomOutStd", 182, standardZoomOutY)
        .point("zoomInBubble", 182, 210)
        .point("zoomOutBubble", 182, 270);
}

Root &Root::navigationFieldBarPlacement()
{
    return point("NavFieldCountEditPosition", 93, 270)
        .property("NavFieldHeight", 50)
        .property("BaseNavFieldsY", 300)
        .property("NavFieldsHorizMargins", 0)
        .property("NavFieldsVertMargins", 0)
        .property("NavFieldsVertSpacing", 3)
        .property("NavFieldsHorizSpacing", 5)
        .property("NavFieldsUpperSpace", 0);
}

} // namespace quarn
