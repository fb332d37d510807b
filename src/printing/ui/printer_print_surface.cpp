#include "printing/ui/printer_print_surface.h"

#include <QPrinter>

PrinterPrintSurface::PrinterPrintSurface(QPrinter& printer)
    : PainterPrintSurface(printer)
    , m_printer(printer)
{}

void PrinterPrintSurface::prepareDevice(int copies)
{
    PainterPrintSurface::prepareDevice(copies);
    m_printer.setFullPage(false); // the layouts count from the printable area's corner
    m_printer.setCopyCount(copies);
}
