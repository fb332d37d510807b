#pragma once

// The place-name list: the names of Data\plaatsnamen.cat that begin with the
// chosen letter, counted below the list; a double click on a name, or Enter,
// looks it up on the web map. A word typed in the list finds the first name that
// starts with it; its first letter chooses that letter's list.

#include "app/program_folder.h"

#include <QDialog>
#include <QElapsedTimer>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class StedenForm : public QDialog
{
    Q_OBJECT
public:
    explicit StedenForm(ProgramFolder folder, QWidget* parent = nullptr);

public Q_SLOTS:
    void Combo1_Click();
    void List1_DblClick();
    void ExitKnop_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void showCount(int count);

    ProgramFolder m_folder;
    QListWidget* m_list1 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label1 = nullptr;
    QPushButton* m_exitKnop = nullptr;
    QElapsedTimer m_typing; // since the last key typed in the list
};
