#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

// Entry of a coordinate (or of one numeric parameter) in the system the type
// names; the prompt images frame the fields while they can be edited.
class ZEL_EXPORT zelCoordEntryWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int coordType READ coordType WRITE setCoordType)
    Q_PROPERTY(int coordSubType READ coordSubType WRITE setCoordSubType)
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool modifiable READ isModifiable WRITE setModifiable)
    Q_PROPERTY(QString normalPromptImage READ normalPromptImage WRITE setNormalPromptImage)
    Q_PROPERTY(QString focusedPromptImage READ focusedPromptImage WRITE setFocusedPromptImage)

public:
    Q_INVOKABLE explicit zelCoordEntryWidget(QWidget *parent = nullptr);

    // Hides QWidget::setFont, which is not virtual, and does the same.
    void setFont(const QFont &font);

    int coordType() const { return m_coordType; }
    void setCoordType(int type);
    int coordSubType() const { return m_coordSubType; }
    void setCoordSubType(int subType);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);
    // Whether the user may open the value for editing from a read-only display.
    bool isModifiable() const { return m_modifiable; }
    void setModifiable(bool modifiable);

    // Resource paths; the forms pass them through the translator like texts.
    QString normalPromptImage() const { return m_normalPromptPath; }
    void setNormalPromptImage(const QString &path);
    QString focusedPromptImage() const { return m_focusedPromptPath; }
    void setFocusedPromptImage(const QString &path);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_coordType = 0;
    int m_coordSubType = 0;
    bool m_readOnly = false;
    bool m_modifiable = true;
    QString m_normalPromptPath;
    QString m_focusedPromptPath;
    ZelPicture m_normalPrompt;
    ZelPicture m_focusedPrompt;
};
