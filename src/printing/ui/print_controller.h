#pragma once

// The printing entries of the main window's "File" menu: "Afdrukken" opens the
// print dialog with the album page of the supplement, "Setup Printer" chooses
// the printer, kept here for every later job, and "Opslaan als PDF" writes the
// album page, the contact sheet or the catalogue list as a PDF file.

#include "app/program_folder.h"

#include <QObject>

#include <array>
#include <memory>

class Interaction;
class QAction;
class QPrinter;
class CollectionModel;
class SupplementModel;

class PrintController : public QObject
{
    Q_OBJECT
public:
    // window parents the dialogs and this object. The model is changed only to fix a placement still floating
    // over the canvas before it is printed.
    PrintController(SupplementModel& model, const CollectionModel& collection, ProgramFolder folder,
                    Interaction& interaction, QAction* FilePrint, QAction* FileSetupPrinter,
                    const std::array<QAction*, 5>& FileSavePdf, QWidget* window);
    ~PrintController() override;

    // The printer of every job, made at first use so the main window starts without asking the print system.
    QPrinter& printer();

public Q_SLOTS:
    void FilePrint_Click();
    void FileSetupPrinter_Click();
    // 1 the album page, 2 the contact sheet, 3 the catalogue list, 4 the want list.
    void FileSavePdf_Click(int index);

private:
    SupplementModel& m_model;
    const CollectionModel& m_collection;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
};
