#pragma once

// The print surface on the system printer chosen with "Setup Printer"; the
// job preamble sets portrait orientation and the number of copies on it.

#include "printing/painter_print_surface.h"

class QPrinter;

class PrinterPrintSurface final : public PainterPrintSurface
{
public:
    explicit PrinterPrintSurface(QPrinter& printer);

protected:
    void prepareDevice(int copies) override;

private:
    QPrinter& m_printer;
};
