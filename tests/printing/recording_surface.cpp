#include "recording_surface.h"

#include <QTest>

QList<RecordingSurface::Step> RecordingSurface::of(Kind kind) const
{
    QList<Step> result;
    for (const Step& step : steps)
        if (step.kind == kind)
            result.append(step);
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

bool RecordingSurface::drawPicture(const QImage& picture, const QRectF& box)
{
    steps.append({Kind::Picture, page, box.topLeft(), {}, box, {}, {}, {}, picture, 0});
    return true;
}

bool RecordingSurface::finish()
{
    steps.append({Kind::End, page, {}, {}, {}, {}, {}, {}, {}, 0});
    return true;
}
