#include "common/image_index.h"

#include "image_digest.h"

#include <QDirIterator>
#include <QIcon>
#include <QPixmap>

namespace quarn::layouttool {

ImageIndex ImageIndex::scan(const QString &root)
{
    ImageIndex index;
    QDirIterator it(root, {QStringLiteral("*.mif")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        index.m_paths.append(it.next());
    index.m_paths.sort();
    for (const QString &path : qAsConst(index.m_paths)) {
        const QPixmap pixmap(path);
        if (pixmap.isNull())
            continue;
        const QByteArray digest = placeholders::imageDigest(pixmap.toImage());
        if (index.m_pathByDigest.contains(digest))
            index.m_ambiguous.append(path);
        else
            index.m_pathByDigest.insert(digest, path);
    }
    return index;
}

QString ImageIndex::pathOf(const QPixmap &pixmap) const
{
    if (pixmap.isNull())
        return QString();
    return m_pathByDigest.value(placeholders::imageDigest(pixmap.toImage()));
}

QVector<ImageIndex::IconPicture> ImageIndex::picturesOf(const QIcon &icon)
{
    static const struct {
        QIcon::Mode mode;
        const char *name;
    } modes[] = {{QIcon::Normal, "normal"},
                 {QIcon::Disabled, "disabled"},
                 {QIcon::Active, "active"},
                 {QIcon::Selected, "selected"}};
    QVector<IconPicture> pictures;
    for (const auto &mode : modes) {
        for (const QIcon::State state : {QIcon::Off, QIcon::On}) {
            // Only what was given: pixmap() would make up the other modes.
            const QList<QSize> sizes = icon.availableSizes(mode.mode, state);
            if (sizes.isEmpty())
                continue;
            pictures.append({QLatin1String(mode.name) + QLatin1String(state == QIcon::On ? "on" : "off"),
                             icon.pixmap(sizes.first(), mode.mode, state)});
        }
    }
    return pictures;
}

} // namespace quarn::layouttool
