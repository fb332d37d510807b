#include "recording_surface.h"

#include <QTest>

#include <algorithm>

QList<RecordingSurface::Step> RecordingSurface::of(Kind kind) const
{
    QList<Step> result;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(result),
                 [kind](const Step& step) { return step.kind == kind; });
    return result;
}

RecordingSurface::Step RecordingSurface::text(const QString& wanted) const
{
    for (const Step& step : steps)
        if (step.kind == Kind::Text && step.text == wanted)
            return step;
    QTest::qFail(qPrintable(QStringLiteral("no text \"%1\" printed").arg(wanted)), __FILE__, __LINE__);
    return {};
}

QStringList RecordingSurface::texts() const
{
    QStringList result;
    for (const Step& step : of(Kind::Text))
        result.append(step.text);
    return result;
}
