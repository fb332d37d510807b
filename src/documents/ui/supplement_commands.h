#pragma once

// The supplement commands: New, Open, Save and the picture export of the File
// menu, the "Open Velletje" button, the totals of the "Berekeningen" menu, and
// the double clicks on the page's fields and description box. Handlers ask
// what they must ask, then change the supplement model; the page, the
// catalogue panel and the title follow the model by themselves.

#include "app/program_folder.h"
#include "documents/supplement_model.h"

#include <QObject>

#include <cstdint>

class ApplicationState;
class Interaction;
class PagePreview;
class CollectionModel;
class RecentSupplements;
class QAbstractButton;
class QMenu;
struct MainMenus;
enum class InvoerVeld : std::uint8_t;

class SupplementCommands : public QObject
{
    Q_OBJECT
public:
    // The File menu's entries and the totals of "Berekeningen", the "Open Velletje" button and the double
    // clicks of the page; window is the parent of the dialogs and message boxes (and of this object).
    // The open dialog shows the collection's marks.
    SupplementCommands(SupplementModel& model, ApplicationState& state, ProgramFolder folder, Interaction& interaction,
                       RecentSupplements& recent, CollectionModel& collection, const MainMenus& menus,
                       QAbstractButton& openKnop, PagePreview& page, QWidget* window);

    // Whether the program may end: asks first, and offers to save a design that is not saved.
    bool mayExit();

Q_SIGNALS:
    // A picture given to the program that is no sheetlet: the background of the new design.
    void backgroundFileGiven(const QString& path);

public Q_SLOTS:
    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FileSaveAs_Click(int index);
    void BerekenTotaal_Click(int index);
    void OpenKnop_Click();
    void PlaatsLabel_DblClick();
    void CatalogusLabel_DblClick();
    void JaartalLabel_DblClick();
    void PagLabel_DblClick();
    void OmschrijfLabel_DblClick();
    // The field entry for one field; the double clicks on the page labels come here.
    void editField(InvoerVeld field);
    // A file given to the program from outside (its command line): a supplement opens as with Open, from
    // wherever it lies; a picture of a sheetlet's size as with Open Velletje; any other picture becomes the
    // background of a new design.
    void openFile(const QString& path);
    // The supplements folder in the desktop's file manager, made first when it is not there yet.
    void openSupplementsFolder();

private:
    void connectControls(const MainMenus& menus, QAbstractButton& openKnop, PagePreview& page);
    void fieldDoubleClicked(SupplementModel::Field field);
    void showLaadVel(std::uint8_t mode);
    // File › "Recente supplementen": the list as it is when the menu opens; one whose file is gone is said
    // and taken out of the list.
    void fillRecentMenu(QMenu* menu);
    void openRecent(const QString& path);
    // The supplement just opened or saved goes to the front of the list.
    void remember();
    void warn(const QString& text);
    // Saves the supplement under its place name, asking first before one is replaced; true when saved.
    bool saveSupplement();
    QString replaceQuestion(const QString& name) const;
    // Whether the design may give way to another or to the end of the program. A saved design gives way
    // after question (none: at once); one not saved after the user saved it ("Bewaren") or let it go
    // ("Niet bewaren"). Enter saves it.
    bool mayLeaveDesign(const QString& question, const QString& beforeWhat, const QString& title);

    SupplementModel& m_model;
    ApplicationState& m_state;
    ProgramFolder m_folder;
    Interaction& m_interaction;
    RecentSupplements& m_recent;
    CollectionModel& m_collection;
    QWidget* m_window;
};
