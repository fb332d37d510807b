#pragma once

// The file a PDF goes to: never one that exists unless the user agreed to
// replace it; otherwise another name is asked.

#include <QString>

#include <optional>

class Interaction;
class QWidget;

// path when it does not exist or may be replaced, else the name the user chooses instead; nothing when cancelled.
std::optional<QString> confirmPdfPath(Interaction& interaction, QWidget* parent, QString path);
