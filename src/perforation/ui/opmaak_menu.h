#pragma once

// The perforation and barcode entries of the "Opmaak" menu.

#include <QObject>

class Main;

class OpmaakMenu : public QObject
{
    Q_OBJECT
public:
    explicit OpmaakMenu(Main& main);

    // Seconds between the holes of Perfin.cor, so that they appear one after the other.
    void setHolePause(float seconds) { m_holePause = seconds; }

public Q_SLOTS:
    void PerforatieKleurVel_Click(int index);
    void PerforatieKleurBlok_Click(int index);
    void PerforatieBarcode_Click(int index);

private:
    void perforate(int index, bool block);

    Main& m_main;
    float m_holePause = 0.001f;
};
