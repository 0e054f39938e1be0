#pragma once

#include "controls/zel_global.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QVector>
#include <QWidget>

// A grid of colour swatches, three to a row, in the order given.
class ZEL_EXPORT zelColorPaletteCtrl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QStringList paletteValues READ paletteValues WRITE setPaletteValues)

public:
    Q_INVOKABLE explicit zelColorPaletteCtrl(QWidget *parent = nullptr);

    // Six-digit hexadecimal RGB strings such as "ff8600".
    QStringList paletteValues() const { return m_values; }
    void setPaletteValues(const QStringList &values);
    // The swatches' colours; a value that is no colour gives an invalid one.
    QVector<QColor> colors() const;

    QRect swatchRect(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_values;
};
