#pragma once

// The colour chooser " Kleurenpalet": 112 colour boxes; pointing at one shows
// its components as a tool tip and makes it the result, clicking one picks it
// and closes the window. The caller reads keuze() when the window has closed.

#include "app/colour.h"

#include <QDialog>
#include <QImage>

class QFrame;
class QPushButton;

// The palette picture Picture1: reports the pointer and presses in its own pixels.
class PaletteView : public QWidget
{
    Q_OBJECT
public:
    explicit PaletteView(QWidget* parent);
    const QImage& palette() const { return m_palette; }

Q_SIGNALS:
    void pointed(QPoint at);
    void pressed(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_palette;
};

class ColorKeuze : public QDialog
{
    Q_OBJECT
public:
    // start: the result when the pointer never crosses the palette (the previous KeuzeR, KeuzeG, KeuzeB).
    explicit ColorKeuze(ColourParts start, QWidget* parent = nullptr);

    ColourParts keuze() const { return m_keuze; }
    PaletteView* picture1() const { return m_picture1; }

public Q_SLOTS:
    void Picture1_MouseMove(QPoint at);
    void Picture1_MouseDown(QPoint at);

private:
    bool readColour(QPoint at);

    QPushButton* m_knopBack = nullptr;
    QFrame* m_picture2 = nullptr;
    PaletteView* m_picture1 = nullptr;
    ColourParts m_keuze;
};
