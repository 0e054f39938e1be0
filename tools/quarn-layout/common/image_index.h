#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QPixmap>
#include <QStringList>
#include <QVector>

class QIcon;

namespace quarn::layouttool {

// Maps a pixmap a form handed to a control back to the resource path it was
// loaded from. Forms keep no paths, only pixmaps; the placeholder images are
// all distinct, so their content identifies them.
class ImageIndex
{
public:
    ImageIndex() = default;

    // Every ".mif" image below root (":/" for the registered resources),
    // loaded the way forms load them, by its path.
    static ImageIndex scan(const QString &root = QStringLiteral(":/"));

    // The path the pixmap was loaded from; empty for a null pixmap or one that
    // matches no indexed image.
    QString pathOf(const QPixmap &pixmap) const;

    // The pictures an icon holds, one per mode and state it was given, named
    // as a Designer iconset names them ("normaloff", "normalon", ...).
    struct IconPicture {
        QString slot;
        QPixmap pixmap;
    };
    static QVector<IconPicture> picturesOf(const QIcon &icon);
    bool contains(const QString &path) const { return m_paths.contains(path); }
    // Every indexed path, sorted.
    QStringList paths() const { return m_paths; }
    int size() const { return m_paths.size(); }
    // Paths whose image is identical to that of another path; pathOf cannot
    // tell them apart and answers with the first in path order.
    QStringList ambiguousPaths() const { return m_ambiguous; }

private:
    QHash<QByteArray, QString> m_pathByDigest;
    QStringList m_paths; // sorted
    QStringList m_ambiguous;
};

} // namespace quarn::layouttool
