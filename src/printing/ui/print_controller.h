#pragma once

// The printing entries of the main window's "File" menu: "Afdrukken" opens the
// print dialog, "Setup Printer" chooses the printer. The chosen printer is
// kept here for every later job.

#include <QObject>

#include <memory>

class Main;
class QPrinter;

class PrintController : public QObject
{
    Q_OBJECT
public:
    explicit PrintController(Main& main);
    ~PrintController() override;

    // The printer of every job, made at first use so the main window starts without asking the print system.
    QPrinter& printer();

public Q_SLOTS:
    void FilePrint_Click();
    void FileSetupPrinter_Click();

private:
    Main& m_main;
    std::unique_ptr<QPrinter> m_printer;
};
