#pragma once

// The files a command writes: never one of the files it reads, and never
// half of one. Both helpers write their Dutch message to context.err.

#include "cli/cli_command.h"

#include <QByteArray>
#include <QImage>

// True when output is the same file as one of the inputs (also through a link
// or another spelling); the command must then stop with CliUsageError.
bool writesOverInput(const QString& output, const QStringList& inputs, CliContext& context);

// Writes the picture in the format; the exit status: 0, or 1 when it could not be written whole.
int writePictureOutput(const QImage& picture, const QString& path, const QByteArray& format, CliContext& context);
