#pragma once

// The map window: the map of the country on which the places of
// Data\coordinaten.cor appear one by one, numbered, with a growing list of
// their names and a counter; "Exit" is enabled once all are plotted.

#include "app/program_folder.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

class Landkaart : public QDialog
{
    Q_OBJECT
public:
    explicit Landkaart(ProgramFolder folder, QWidget* parent = nullptr);

    // Seconds between two places; tests make it zero.
    void setPause(float seconds) { m_pause = seconds; }
    const QImage& map() const { return m_map; }

public Q_SLOTS:
    // The plotting run; it starts each time the window is shown.
    void Form_Activate();
    void ExitKnop_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Form_Load();

    ProgramFolder m_folder;
    QImage m_map;
    float m_pause = 0.2f;
    bool m_running = false;
    bool m_stop = false;

    QLabel* m_picture1 = nullptr;
    QPushButton* m_exitKnop = nullptr;
    QLabel* m_label1 = nullptr;
};
