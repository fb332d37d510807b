#pragma once

// Names for a screen reader of the scroll bars of a list or text box, after the
// box's own name: "Omschrijving op en neer", "Omschrijving opzij".

class QAbstractScrollArea;

// Set the box's accessible name first.
void nameScrollBars(QAbstractScrollArea& area);
