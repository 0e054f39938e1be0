#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// Every control the forms use, for Qt Designer, uic's users and QUiLoader:
// one widget-box group, and the placeholder image bundle registered so the
// forms' resource paths show pictures.
class ZelDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit ZelDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_controls; }

private:
    void registerImageBundle();

    QList<QDesignerCustomWidgetInterface *> m_controls;
};
