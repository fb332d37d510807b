#pragma once

// Named canvas operations for batch use (velinor-cli filter NAME). Each
// subsystem lists its own operations; a registration adds a list to the one
// table the command reads, so a new family of names touches no other file.

#include "filters/canvas_command.h"

#include <QString>

#include <functional>
#include <vector>

struct NamedCanvasOperation
{
    QString name;
    // The pixel-buffer filters take a picture of any size; the other commands
    // are laid out for the canvas and need exactly 500 x 260 pixels.
    bool anySize = false;
    std::function<void(QImage& picture, CanvasContext& context)> run;
};

// Every registered operation, in the order of registration.
std::vector<NamedCanvasOperation>& NamedCanvasOperations();
const NamedCanvasOperation* findCanvasOperation(const QString& name);

struct CanvasOperationsRegistration
{
    explicit CanvasOperationsRegistration(std::vector<NamedCanvasOperation> operations);
};

// The operations of the filter menus: grayscale ... border-10.
std::vector<NamedCanvasOperation> filterOperations();
