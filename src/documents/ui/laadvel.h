#pragma once

// The open dialog LaadVel: lists the sheetlet pictures (mode 13) or the saved
// supplements (mode 14), previews the selected one and, for a sheetlet, refuses
// a picture that is not 500 x 260. The caller opens the accepted name.

#include "app/program_folder.h"
#include "collection/collection_marks.h"
#include "documents/open_list.h"

#include <QDialog>

class Interaction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class LaadVel : public QDialog
{
    Q_OBJECT
public:
    // With the collection's marks, the sheetlets owned carry its sign and the list can be filtered to the
    // sheetlets owned or not yet owned.
    LaadVel(ProgramFolder folder, LaadVelModus mode, Interaction& interaction, Marks marks = {},
            QWidget* parent = nullptr);

    enum class Filter { All, Owned, NotOwned };
    void setFilter(Filter filter);

    LaadVelModus mode() const { return m_mode; }
    // The name to open (file name without extension); set when the dialog is accepted.
    const QString& chosenName() const { return m_gekozen; }

    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* OkKnop = nullptr;
    QPushButton* CancelKnop = nullptr;
    QComboBox* ownedFilter = nullptr; // only with marks

public Q_SLOTS:
    void List1_Click();
    void List1_DblClick();
    void OkKnop_Click();
    void CancelKnop_Click();

private:
    void Form_Load();
    bool isVelinorVelletje(const QString& name) const;

    ProgramFolder m_folder;
    LaadVelModus m_mode;
    Interaction& m_interaction;
    QString m_gekozen;
    Marks m_marks;
};
