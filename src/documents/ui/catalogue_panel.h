#pragma once

// The catalogue panel of the main window: the nine values of the catalogue
// record of the supplement's sheetlet under their captions, and the record's
// key on the status line. A view of the supplement model: it follows the
// record whenever it changes.

#include "widgets/status_line.h"

#include <QFrame>

#include <array>

class QLabel;
class SupplementModel;

class CataloguePanel : public QFrame
{
    Q_OBJECT
public:
    CataloguePanel(const SupplementModel& model, StatusLine status, QWidget* parent);

private:
    void showRecord();

    const SupplementModel& m_model;
    StatusLine m_status;
    std::array<QLabel*, 9> m_infolab{};
};
