#pragma once

#include "controls/zel_global.h"
#include "controls/zel_picture.h"

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

    QPixmap weakSat() const { return m_weakSat.pixmap(); }
    void setWeakSat(const ZelPicture &image);
    QPixmap medSat() const { return m_medSat.pixmap(); }
    void setMedSat(const ZelPicture &image);
    QPixmap strongSat() const { return m_strongSat.pixmap(); }
    void setStrongSat(const ZelPicture &image);
    QPixmap noSat() const { return m_noSat.pixmap(); }
    void setNoSat(const ZelPicture &image);
    QPixmap sbasWeakSat() const { return m_sbasWeakSat.pixmap(); }
    void setSBASWeakSat(const ZelPicture &image);
    QPixmap sbasMedSat() const { return m_sbasMedSat.pixmap(); }
    void setSBASMedSat(const ZelPicture &image);
    QPixmap sbasStrongSat() const { return m_sbasStrongSat.pixmap(); }
    void setSBASStrongSat(const ZelPicture &image);
    QPixmap sbasNoSat() const { return m_sbasNoSat.pixmap(); }
    void setSBASNoSat(const ZelPicture &image);

    // Filled by the host from the receiver.
    QVector<Satellite> satellites() const { return m_satellites; }
    void setSatellites(const QVector<Satellite> &satellites);

    QPixmap imageFor(const Satellite &satellite) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ZelPicture m_weakSat;
    ZelPicture m_medSat;
    ZelPicture m_strongSat;
    ZelPicture m_noSat;
    ZelPicture m_sbasWeakSat;
    ZelPicture m_sbasMedSat;
    ZelPicture m_sbasStrongSat;
    ZelPicture m_sbasNoSat;
    QVector<Satellite> m_satellites;
};
