#pragma once

// The print dialog AfdrukForm: the copies box and the three jobs (album page,
// contact sheet, catalogue list), each preceded by the progress sweep. It stays
// open after a job; "Cancel" closes it. The printer is the one kept by the caller.

#include "app/program_folder.h"
#include "printing/album_page.h"

#include <QDialog>
#include <QImage>

#include <functional>

class Interaction;
class PrintSurface;
class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;

class AfdrukForm : public QDialog
{
    Q_OBJECT
public:
    // pagina gives the album page as it stands when the job starts.
    AfdrukForm(std::function<SupplementPagina()> pagina, ProgramFolder folder, QPrinter& printer,
               Interaction& interaction, QWidget* parent = nullptr);

    // The wait after every column of the progress sweep (0.01 second; tests shorten it).
    void setSweepPause(double seconds) { m_pauze = seconds; }
    QPrinter& printer() const { return m_printer; }
    // The picture of the progress bar as it stands.
    const QImage& barPicture() const { return m_balk; }

public Q_SLOTS:
    void OkKnop_Click();
    void VelKnop_Click();
    void LijstKnop_Click();
    void CancelKnop_Click();

private:
    using Taak = std::function<bool(PrintSurface&, int copies)>;

    void Form_Load();
    void createControls();
    void connectSignals();
    QLabel* addLabel(const QString& name, const QString& text, int left, int top);
    QPushButton* addButton(const QString& name, const QString& text, QRect twips);
    bool voortgang();   // false when the program is ending
    void afdrukken(const Taak& taak);
    QStringList velletjes() const;

    std::function<SupplementPagina()> m_pagina;
    ProgramFolder m_folder;
    QPrinter& m_printer;
    Interaction& m_interaction;
    double m_pauze;
    QImage m_balk;

    QLabel* m_barPic = nullptr;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_label5 = nullptr;
    QListWidget* m_file1 = nullptr;
    QPushButton* m_okKnop = nullptr;
    QPushButton* m_velKnop = nullptr;
    QPushButton* m_lijstKnop = nullptr;
    QPushButton* m_cancelKnop = nullptr;
};
