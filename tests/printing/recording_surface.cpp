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

RecordingSurface::Step RecordingSurface::step(Kind kind, QPointF at) const
{
    Step result;
    result.kind = kind;
    result.page = page;
    result.at = at;
    return result;
}

void RecordingSurface::beginJob(int copies)
{
    Step step = this->step(Kind::Job);
    step.copies = copies;
    step.font = font();
    steps.append(step);
}

void RecordingSurface::drawText(QPointF topLeft, const QString& text, const PrintLettertype& font, const QColor& colour)
{
    Step step = this->step(Kind::Text, topLeft);
    step.text = text;
    step.font = font;
    step.colour = colour;
    steps.append(step);
}

double RecordingSurface::measureText(const QString& text, const PrintLettertype& font) const
{
    return 10.0 * font.grootte * double(text.size());
}

double RecordingSurface::lineHeight(const PrintLettertype& font) const
{
    return 20.0 * font.grootte;
}

void RecordingSurface::drawLine(QPointF from, QPointF to, const QColor& colour)
{
    Step step = this->step(Kind::Line, from);
    step.to = to;
    step.colour = colour;
    steps.append(step);
}

bool RecordingSurface::drawPicture(const QImage& picture, const QRectF& box)
{
    Step step = this->step(Kind::Picture, box.topLeft());
    step.box = box;
    step.pictureSize = picture.size();
    steps.append(step);
    return true;
}

void RecordingSurface::beginPage()
{
    steps.append(step(Kind::NewPage));
    ++page;
}

bool RecordingSurface::finish()
{
    steps.append(step(Kind::End));
    return true;
}
