#pragma once

// An interaction that asks the user nothing: every question gets No, every
// dialog is cancelled. The benchmarks measure windows, not people.

#include "widgets/interaction.h"

#include <QDialog>

class SilentInteraction final : public Interaction
{
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
    bool askYesNo(QWidget*, const QString&, const QString&, Icon, Default) override { return false; }
    SaveChoice askSaveFirst(QWidget*, const QString&, const QString&) override { return SaveChoice::Cancel; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    int showModal(QDialog&) override { return QDialog::Rejected; }
};
