#include "controls/zel_images.h"

#include "controls/zel_painting.h"

#include <QPainter>
#include <QVariant>
#include <QVector>
#include <QXmlStreamReader>

ZelIcon::ZelIcon(QWidget *parent)
    : QWidget(parent)
{
}

void ZelIcon::setImage(const QPixmap &image)
{
    m_image = image;
    update();
}

void ZelIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), m_image);
}

ZelStatusIndicator::ZelStatusIndicator(QWidget *parent)
    : QWidget(parent)
{
}

void ZelStatusIndicator::setImages(const QStringList &paths)
{
    m_images = paths;
    update();
}

void ZelStatusIndicator::setStatus(int index)
{
    m_status = index;
    update();
}

void ZelStatusIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), zel::imageAt(m_images, m_status));
}

ZelAnimationCtrl::ZelAnimationCtrl(QWidget *parent)
    : QWidget(parent)
{
}

void ZelAnimationCtrl::setImageList(const QStringList &paths)
{
    m_imageList = paths;
    update();
}

void ZelAnimationCtrl::setInterval(int milliseconds)
{
    m_interval = milliseconds;
}

void ZelAnimationCtrl::setIsLooped(bool looped)
{
    m_looped = looped;
}

void ZelAnimationCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    zel::drawImage(painter, rect(), zel::imageAt(m_imageList, 0));
}

ZelBacking::ZelBacking(QWidget *parent)
    : QWidget(parent)
{
}

void ZelBacking::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));
}

ZelWidget::ZelWidget(QWidget *parent)
    : QWidget(parent)
{
}

namespace {

struct FieldBackground {
    int row;
    int column;
    QString image;
};

// The fields of the last configuration of a navigation-field layout document.
QVector<FieldBackground> fullestConfiguration(const QByteArray &document)
{
    QVector<FieldBackground> fields;
    // The bytes are ASCII whatever encoding the declaration names.
    QXmlStreamReader reader(QString::fromLatin1(document));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name().startsWith(QLatin1String("CONFIGURATION_"))) {
            fields.clear();
        } else if (reader.name() == QLatin1String("FIELD")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            fields.append({attributes.value(QLatin1String("row")).toInt(),
                           attributes.value(QLatin1String("col")).toInt(),
                           attributes.value(QLatin1String("image")).toString()});
        }
    }
    return fields;
}

} // namespace

void ZelWidget::paintEvent(QPaintEvent *)
{
    const QByteArray document = property("navFieldsCfg").toByteArray();
    if (document.isEmpty())
        return;
    const int spacing = 3;
    QPainter painter(this);
    int top = 0;
    int row = 0;
    int rowHeight = 0;
    for (const FieldBackground &field : fullestConfiguration(document)) {
        if (field.row != row) {
            top += rowHeight + (row > 0 ? spacing : 0);
            row = field.row;
            rowHeight = 0;
        }
        const QPixmap image(field.image);
        const int left = field.column > 1 ? width() - image.width() : 0;
        zel::drawImage(painter, QRect(QPoint(left, top), image.size()), image);
        rowHeight = qMax(rowHeight, image.height());
    }
}

ZelMapControl::ZelMapControl(QWidget *parent)
    : QWidget(parent)
{
}

void ZelMapControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(226, 232, 208));
    painter.setPen(QColor(200, 208, 180));
    for (int x = 0; x < width(); x += 40)
        painter.drawLine(x, 0, x, height());
    for (int y = 0; y < height(); y += 40)
        painter.drawLine(0, y, width(), y);
    painter.setPen(QColor(120, 150, 200));
    painter.drawLine(0, height() * 2 / 3, width(), height() / 3);
}
