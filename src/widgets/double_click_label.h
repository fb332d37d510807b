#pragma once

// A label that reports double clicks and single clicks, for the page fields
// and the colour swatches of the main window.

#include <QLabel>

class DoubleClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
