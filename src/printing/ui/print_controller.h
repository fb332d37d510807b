#pragma once

// The printing entries of the main window's "File" menu: "Afdrukken" opens the
// print dialog with the album page of the supplement, "Setup Printer" chooses
// the printer. The chosen printer is kept here for every later job.

#include "app/program_folder.h"

#include <QObject>

#include <memory>

class Interaction;
class QAction;
class QPrinter;
class SupplementModel;

class PrintController : public QObject
{
    Q_OBJECT
public:
    // window parents the dialogs and this object.
    PrintController(const SupplementModel& model, ProgramFolder folder, Interaction& interaction, QAction* FilePrint,
                    QAction* FileSetupPrinter, QWidget* window);
    ~PrintController() override;

    // The printer of every job, made at first use so the main window starts without asking the print system.
    QPrinter& printer();

public Q_SLOTS:
    void FilePrint_Click();
    void FileSetupPrinter_Click();

private:
    const SupplementModel& m_model;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
};
