#include "core/build/root.h"

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

} // namespace quarn
