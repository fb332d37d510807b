#pragma once

// The collection's mark of the sheetlet the catalogue panel shows: a small
// button in the panel that says whether it is owned, and opens the "In bezit"
// entry. It follows the supplement's catalogue record and the collection, and
// changes the mark only through the collection model.

#include <QToolButton>

class CollectionModel;
class Interaction;
class SupplementModel;

class MarkButton : public QToolButton
{
    Q_OBJECT
public:
    MarkButton(CollectionModel& collection, const SupplementModel& supplement, Interaction& interaction,
               QWidget* parent);

    // Opens the entry for the sheetlet shown and stores what was entered.
    void edit();

private:
    void showMark();

    CollectionModel& m_collection;
    const SupplementModel& m_supplement;
    Interaction& m_interaction;
};
