#pragma once

// The miniature of the A4 album page (Pic) and the ring-binder strip beside it.
// The page is a view of the supplement: its labels, its sheetlet picture and
// its description box show what the model holds, and follow every change, so
// the page never shows anything but what a save would write. A double click
// on a field or the description box is reported; the page changes nothing.

#include "documents/supplement_model.h"

#include <QColor>
#include <QWidget>

class DoubleClickLabel;
class QLabel;
class QPlainTextEdit;

class PagePreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize PageSize{360, 540};
    static constexpr QRect PictureFrame{QPoint(40, 100), QPoint(310, 250)};

    PagePreview(const SupplementModel& model, QWidget* parent = nullptr);

    QColor background() const { return m_background; }
    void setBackground(const QColor& colour);

Q_SIGNALS:
    // A double click on the place, the catalogue number, the year, the page number or the description.
    void fieldDoubleClicked(SupplementModel::Field field);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLabels();
    void showField(int field);
    void showPlace();
    void showAll();

    const SupplementModel& m_model;
    QColor m_background{220, 220, 230};
    DoubleClickLabel* PlaatsLabel = nullptr;
    DoubleClickLabel* CatalogusLabel = nullptr;
    DoubleClickLabel* JaartalLabel = nullptr;
    DoubleClickLabel* PagLabel = nullptr;
    QLabel* PicImage = nullptr;
    QPlainTextEdit* OmschrijfLabel = nullptr;
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
