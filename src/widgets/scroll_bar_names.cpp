#include "widgets/scroll_bar_names.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

void nameScrollBars(QAbstractScrollArea& area)
{
    area.verticalScrollBar()->setAccessibleName(area.accessibleName() + QStringLiteral(" op en neer"));
    area.horizontalScrollBar()->setAccessibleName(area.accessibleName() + QStringLiteral(" opzij"));
}
