#pragma once

// The collection's entries of the menus: Berekeningen › "Totaal in bezit",
// and File › "Verzameling" with the spreadsheet export and import. An import
// shows what it will change and changes nothing until the user agrees.

#include "app/program_folder.h"

#include <QObject>

class CollectionModel;
class Interaction;
struct MainMenus;

class CollectionCommands : public QObject
{
    Q_OBJECT
public:
    // window is the parent of the dialogs and message boxes (and of this object).
    CollectionCommands(CollectionModel& collection, ProgramFolder folder, Interaction& interaction,
                       const MainMenus& menus, QWidget* window);

public Q_SLOTS:
    void showOwnedTotals();
    void exportSpreadsheet();
    void importSpreadsheet();

private:
    CollectionModel& m_collection;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    QWidget* m_window;
};
