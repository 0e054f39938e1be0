#pragma once

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

// What Designer needs to know about one control: how to make it and how it
// first looks when dragged out of the widget box.
struct ControlDescription {
    // A class as <customwidgets> declares it for uic and QUiLoader.
    struct Declared {
        QString className;
        QString baseClassName; // its direct base, the library's or Qt's
        QString header;
        bool container = false;
    };
    QString className;
    QString header; // controls/zel_<name>.h
    QString toolTip;
    QSize defaultSize;
    bool container = false;  // forms give it children
    QString initialContent;  // extra <property>/<widget> elements of its first instance
    QList<Declared> classes; // the library bases from Qt's down, then the class
    std::function<QWidget *(QWidget *parent)> create;
};

// One control in Designer's widget box, described by a ControlDescription.
class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlPlugin(const ControlDescription &description, const QString &group, QObject *parent = nullptr);

    QString name() const override { return m_description.className; }
    QString group() const override { return m_group; }
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.toolTip; }
    QString includeFile() const override { return m_description.header; }
    QIcon icon() const override;
    bool isContainer() const override { return m_description.container; }
    QWidget *createWidget(QWidget *parent) override { return m_description.create(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *) override { m_initialized = true; }
    QString domXml() const override;

private:
    ControlDescription m_description;
    QString m_group;
    bool m_initialized = false;
};
