#pragma once

// "In bezit": the small entry of one sheetlet's mark, opened from the
// catalogue panel. It checks its own input and gives the mark typed; the
// caller stores it.

#include "collection/collection_marks.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class MarkDialog : public QDialog
{
    Q_OBJECT
public:
    MarkDialog(const QString& key, const Mark& mark, QWidget* parent = nullptr);

    // The mark as entered: one copy at least when owned, none when not.
    Mark mark() const;

    QComboBox* ownership = nullptr;
    QSpinBox* count = nullptr;
    QLineEdit* paid = nullptr;
    QLineEdit* note = nullptr;
    QPushButton* OkKnop = nullptr;
    QPushButton* CancelKnop = nullptr;
};
