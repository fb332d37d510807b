#pragma once

// A label that reports double clicks and single clicks, for the page fields
// and the colour swatches of the main window. Given a focus policy it is in
// the Tab chain: Return, Space and F2 then act as a double click, and the
// focus shows as a dotted frame.

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
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
