#pragma once

// The miniature of the A4 album page (Pic) and the ring-binder strip beside it.
// The page paints its background and the frame around the sheetlet picture;
// the labels and the picture on it are ordinary child widgets.

#include <QColor>
#include <QWidget>

class PagePreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize PageSize{360, 540};
    static constexpr QRect PictureFrame{QPoint(40, 100), QPoint(310, 250)};

    explicit PagePreview(QWidget* parent = nullptr);

    QColor background() const { return m_background; }
    void setBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background{220, 220, 230};
};

class RingBinder : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize StripSize{21, 540};

    explicit RingBinder(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
