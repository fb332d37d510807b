#pragma once

// The splash window: the photograph with the maker's texts, the information
// block about the program file and the screen, a clock, and the strip whose
// animation leads into the main window.

#include "app/program_folder.h"

#include <QImage>
#include <QWidget>

class Interaction;
class QLabel;
class QTimer;

class Titel : public QWidget
{
    Q_OBJECT
public:
    Titel(ProgramFolder folder, Interaction& interaction, QWidget* parent = nullptr);

    int resolution() const { return m_resolution; }
    QString informationBlock() const;
    const QImage& strip() const { return m_strip; }

    // Seconds the animation waits after each column and at its end; tests shorten them.
    void setAnimationPause(float perColumn, float atEnd);

Q_SIGNALS:
    // The user clicked the photo: the main window takes over.
    void started();

public Q_SLOTS:
    void Image1_Click();
    void Label1_Click();
    void Label4_Click();
    void Timer1_Timer();

protected:
    void changeEvent(QEvent* event) override;
    // Return, Enter, Space and Escape act as a click on the photo.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void showStrip();
    void placeClock();

    ProgramFolder m_folder;
    Interaction& m_interaction;
    int m_resolution = 96;
    bool m_warningShown = false;
    bool m_starting = false;
    float m_columnPause = 0.01f;
    float m_endPause = 0.2f;
    QImage m_strip;

    QLabel* m_image1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_clockLabel = nullptr;
    QLabel* m_picture1 = nullptr;
    QTimer* m_timer1 = nullptr;
};
