#pragma once

// The draw and fill colour swatches of the editing area with their captions.
// They show the colours of the application state, whoever changes them (the
// colour pick tool, the chooser); a click opens the colour chooser, whose pick
// becomes the draw or the fill colour.

#include <QWidget>

class ApplicationState;
class DoubleClickLabel;
class Interaction;

class ColourSwatches : public QWidget
{
    Q_OBJECT
public:
    // Placed in the editing area; window parents and places the chooser.
    ColourSwatches(ApplicationState& state, Interaction& interaction, QWidget* area, QWidget* window);

public Q_SLOTS:
    void TekenLabel_Click();
    void VulLabel_Click();

private:
    void chooseColour(bool drawColour);
    void showColours();

    ApplicationState& m_state;
    Interaction& m_interaction;
    QWidget* m_window;
    DoubleClickLabel* m_tekenLabel = nullptr;
    DoubleClickLabel* m_vulLabel = nullptr;
};
