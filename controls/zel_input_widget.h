#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

#include <QLineEdit>
#include <QPixmap>
#include <QString>

// The input line above the on-screen keyboard, drawn on a prompt image.
class ZEL_EXPORT zelInputWidget : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString normalPromptImage READ normalPromptImage WRITE setNormalPromptImage)
    Q_PROPERTY(QString focusedPromptImage READ focusedPromptImage WRITE setFocusedPromptImage)
    Q_PROPERTY(bool autoCompletion READ autoCompletion WRITE setAutoCompletion)

public:
    Q_INVOKABLE explicit zelInputWidget(QWidget *parent = nullptr);

    QString normalPromptImage() const { return m_normalPromptPath; }
    void setNormalPromptImage(const QString &path);
    QString focusedPromptImage() const { return m_focusedPromptPath; }
    void setFocusedPromptImage(const QString &path);

    // Offering completions while typing; the coordinate editor switches it off.
    bool autoCompletion() const { return m_autoCompletion; }
    void setAutoCompletion(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_normalPromptPath;
    QString m_focusedPromptPath;
    ZelPicture m_normalPrompt;
    ZelPicture m_focusedPrompt;
    bool m_autoCompletion = true;
};
