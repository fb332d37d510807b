#pragma once

// The interaction seam with Qt's own dialogs.

#include "widgets/interaction.h"

class QtInteraction final : public Interaction
{
public:
    void message(QWidget* parent, const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title, Icon icon,
                  Default preferred = Default::Yes) override;
    SaveChoice askSaveFirst(QWidget* parent, const QString& text, const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggestion,
                         const QString& filter) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    int showModal(QDialog& dialog) override;
};
