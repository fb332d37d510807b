#pragma once

// The files a command reads and writes. "-" stands for standard input as an
// input picture and for standard output as an output file. An output is never
// one of the files the command reads, and never half of one. Every helper
// writes its Dutch message through the context.

#include "cli/cli_command.h"

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>

#include <memory>

inline const QString StandardStream = QStringLiteral("-");

// How a message names the file: its name, or "standaarduitvoer" for "-".
QString outputName(const QString& path);

// True when output is the same file as one of the inputs (also through a link
// or another spelling); the command must then stop with CliUsageError.
bool writesOverInput(const QString& output, const QStringList& inputs, CliContext& context);

// True when more than one of the inputs is "-": standard input can be read only once.
bool readsStandardInputTwice(const QStringList& inputs, CliContext& context);

// The format a picture is written in for its name: from the suffix (one of allowed, lower case,
// e.g. "png"), PNG for standard output; empty when the suffix is not allowed.
QByteArray pictureFormat(const QString& path, const QList<QByteArray>& allowed);

// Writes the picture in the format; the exit status: 0, or 1 when it could not be written whole.
int writePictureOutput(const QImage& picture, const QString& path, const QByteArray& format, CliContext& context);

// Writes the bytes to standard output whole; the exit status.
int writeStandardOutput(const QByteArray& bytes, CliContext& context);

// Writes a file made at a temporary path (a PDF) to standard output; the exit status.
int copyToStandardOutput(const QString& madePath, CliContext& context);

// An input picture as a file: the given path, or for "-" a temporary file named
// "standaardinvoer" with what standard input held, so the readers' checks and
// messages stay the same.
class InputFile
{
public:
    // Reads standard input when path is "-"; ok() tells whether that worked.
    InputFile(const QString& path, CliContext& context);

    bool ok() const { return !m_path.isEmpty(); }
    const QString& path() const { return m_path; }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
};
