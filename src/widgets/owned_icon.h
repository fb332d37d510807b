#pragma once

// The collection's sign of a sheetlet: a stamp with a perforated edge, ticked
// when it is owned. The catalogue panel's button and the open dialog's list
// show the same one.

class QIcon;

const QIcon& ownedIcon(bool owned);
