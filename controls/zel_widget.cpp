#include "controls/zel_widget.h"

#include "controls/zel_painting.h"

#include <QPainter>
#include <QVariant>
#include <QVector>
#include <QXmlStreamReader>

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
        const int left = field.column > 1 ? zel::areaOf(*this).width() - image.width() : 0;
        zel::drawImage(painter, QRect(QPoint(left, top), image.size()), image);
        rowHeight = qMax(rowHeight, image.height());
    }
}
