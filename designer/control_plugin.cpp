#include "control_plugin.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>

ControlPlugin::ControlPlugin(const ControlDescription &description, const QString &group, QObject *parent)
    : QObject(parent)
    , m_description(description)
    , m_group(group)
{
}

// A tile with the capitals of the class name (PB for ZelPushButton), so the
// controls tell apart in the widget box without a picture file per class.
QIcon ControlPlugin::icon() const
{
    QString letters = m_description.className.mid(3);
    letters.remove(QRegularExpression(QStringLiteral("[^A-Z]")));
    if (letters.isEmpty())
        letters = m_description.className.mid(3, 1).toUpper();
    QPixmap tile(32, 32);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(46, 92, 138));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    QFont font;
    font.setPixelSize(letters.size() > 2 ? 10 : 14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(tile.rect(), Qt::AlignCenter, letters.left(3));
    painter.end();
    return QIcon(tile);
}

QString ControlPlugin::domXml() const
{
    const ControlDescription &d = m_description;
    QString objectName = d.className;
    objectName[0] = objectName.at(0).toLower();
    QString declared;
    for (const ControlDescription::Declared &c : d.classes) {
        declared +=
            QStringLiteral("  <customwidget>\n"
                           "   <class>%1</class>\n"
                           "   <extends>%2</extends>\n"
                           "   <header>%3</header>\n"
                           "   <container>%4</container>\n"
                           "  </customwidget>\n")
                .arg(c.className, c.baseClassName, c.header, c.container ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width>"
                          "<height>%4</height></rect></property>\n"
                          "%5"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "%6"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(d.className, objectName)
        .arg(d.defaultSize.width())
        .arg(d.defaultSize.height())
        .arg(d.initialContent, declared);
}
