#pragma once

#include "controls/zel_global.h"

#include <QPixmap>
#include <QVector>
#include <QWidget>

// The sky view: each satellite drawn by azimuth and elevation with the image of
// its signal strength; augmentation (SBAS) satellites have their own set.
class ZEL_EXPORT zelSatelliteView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap weakSat READ weakSat WRITE setWeakSat)
    Q_PROPERTY(QPixmap medSat READ medSat WRITE setMedSat)
    Q_PROPERTY(QPixmap strongSat READ strongSat WRITE setStrongSat)
    Q_PROPERTY(QPixmap noSat READ noSat WRITE setNoSat)
    Q_PROPERTY(QPixmap sBASWeakSat READ sbasWeakSat WRITE setSBASWeakSat)
    Q_PROPERTY(QPixmap sBASMedSat READ sbasMedSat WRITE setSBASMedSat)
    Q_PROPERTY(QPixmap sBASStrongSat READ sbasStrongSat WRITE setSBASStrongSat)
    Q_PROPERTY(QPixmap sBASNoSat READ sbasNoSat WRITE setSBASNoSat)

public:
    enum class Signal { None, Weak, Medium, Strong };

    struct Satellite {
        int number = 0;
        int azimuth = 0;   // degrees clockwise from north
        int elevation = 0; // degrees above the horizon
        Signal signal = Signal::None;
        bool sbas = false;
    };

    Q_INVOKABLE explicit zelSatelliteView(QWidget *parent = nullptr);

    QPixmap weakSat() const { return m_weakSat; }
    void setWeakSat(const QPixmap &image);
    QPixmap medSat() const { return m_medSat; }
    void setMedSat(const QPixmap &image);
    QPixmap strongSat() const { return m_strongSat; }
    void setStrongSat(const QPixmap &image);
    QPixmap noSat() const { return m_noSat; }
    void setNoSat(const QPixmap &image);
    QPixmap sbasWeakSat() const { return m_sbasWeakSat; }
    void setSBASWeakSat(const QPixmap &image);
    QPixmap sbasMedSat() const { return m_sbasMedSat; }
    void setSBASMedSat(const QPixmap &image);
    QPixmap sbasStrongSat() const { return m_sbasStrongSat; }
    void setSBASStrongSat(const QPixmap &image);
    QPixmap sbasNoSat() const { return m_sbasNoSat; }
    void setSBASNoSat(const QPixmap &image);

    // Filled by the host from the receiver.
    QVector<Satellite> satellites() const { return m_satellites; }
    void setSatellites(const QVector<Satellite> &satellites);

    QPixmap imageFor(const Satellite &satellite) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_weakSat;
    QPixmap m_medSat;
    QPixmap m_strongSat;
    QPixmap m_noSat;
    QPixmap m_sbasWeakSat;
    QPixmap m_sbasMedSat;
    QPixmap m_sbasStrongSat;
    QPixmap m_sbasNoSat;
    QVector<Satellite> m_satellites;
};
