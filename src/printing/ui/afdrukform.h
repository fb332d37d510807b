#pragma once

// The print dialog AfdrukForm: the copies box and the three jobs (album page,
// contact sheet, catalogue list), each preceded by the progress sweep, or shown
// in a preview first when "Voorbeeld" is ticked. It stays open after a job;
// "Cancel", Escape and closing it stop a job still in its sweep. The printer is
// the one kept by the caller; a printer that writes PDF never replaces a file unasked.

#include "app/program_folder.h"
#include "collection/collection_marks.h"
#include "printing/album_page.h"
#include "printing/print_surface.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>

class Interaction;
class PrintSurface;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;

class AfdrukForm : public QDialog
{
    Q_OBJECT
public:
    // page gives the album page as it stands when the job starts; marks are the collection's, for the list's
    // "In bezit" column and the want list.
    AfdrukForm(std::function<SupplementPage()> page, ProgramFolder folder, QPrinter& printer, Interaction& interaction,
               Marks marks = {}, QWidget* parent = nullptr);

    // The wait after every column of the progress sweep (0.01 second; tests shorten it).
    void setSweepPause(double seconds) { m_pauze = seconds; }
    QPrinter& printer() const { return m_printer; }
    // The picture of the progress bar as it stands.
    const QImage& barPicture() const { return m_bar; }

public Q_SLOTS:
    void OkKnop_Click();
    void VelKnop_Click();
    void LijstKnop_Click();
    void CancelKnop_Click();
    // Escape and the window's close button are Cancel.
    void reject() override;

private:
    void Form_Load();
    void createControls();
    void connectSignals();
    QLabel* addLabel(const QString& name, const QString& text, int left, int top);
    QPushButton* addButton(const QString& name, const QString& text, QRect twips);
    bool voortgang(); // false when cancelled or the program is ending
    // Where a job goes: the printer, or the PDF file it writes.
    struct Target
    {
        std::optional<QString> pdf;
    };

    // name: what the job is called in the printer's queue and what its PDF is called at first.
    void printJob(const PrintLayout& job, const QString& name);
    void showPreview(const PrintLayout& job, const QString& name);
    // Nothing when the user cancelled.
    std::optional<Target> chooseTarget(const QString& name);
    // The sweep, then the job; print buttons do nothing meanwhile.
    void runJob(const PrintLayout& job, const QString& name);
    QStringList sheetlets() const;

    std::function<SupplementPage()> m_page;
    ProgramFolder m_folder;
    QPrinter& m_printer;
    Interaction& m_interaction;
    double m_pauze;
    QImage m_bar;

    QLabel* m_barPic = nullptr;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_label5 = nullptr;
    QListWidget* m_file1 = nullptr;
    QPushButton* m_okKnop = nullptr;
    QPushButton* m_velKnop = nullptr;
    QPushButton* m_lijstKnop = nullptr;
    QPushButton* m_cancelKnop = nullptr;
    QCheckBox* m_preview = nullptr;
    QCheckBox* m_wantList = nullptr;   // the Data button prints "Nog te verzamelen"
    QCheckBox* m_ownDesigns = nullptr; // the Images button adds the saved supplements' pictures
    Marks m_marks;
    bool m_cancelled = false;
    bool m_jobRunning = false;
};
