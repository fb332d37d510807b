#pragma once

// A print surface that draws nothing and writes down every step a layout
// takes, with the font, colour and page it happened on. Text is measured as
// 10 twips per point per character and a line is 20 twips per point high, so
// widths are exact and predictable.

#include "printing/print_surface.h"

#include <QList>
#include <QStringList>

class RecordingSurface final : public PrintSurface
{
public:
    enum class Kind { Job, Text, Line, Picture, NewPage, End };

    struct Step
    {
        Kind kind = Kind::Job;
        int page = 1;
        QPointF at; // text: top-left; line: start; picture: box top-left
        QPointF to; // line: end
        QRectF box; // picture
        QString text;
        PrintFont font;
        QColor colour;
        QImage picture;
        int copies = 0;
    };

    QList<Step> steps;
    int page = 1;

    QList<Step> of(Kind kind) const;
    // The text step whose text equals the given one; fails the test when there is none.
    Step text(const QString& text) const;
    QStringList texts() const;

protected:
    void beginJob(int copies) override { add({.kind = Kind::Job, .font = font(), .copies = copies}); }
    void drawText(QPointF topLeft, const QString& text, const PrintFont& font, const QColor& colour) override
    {
        add({.kind = Kind::Text, .at = topLeft, .text = text, .font = font, .colour = colour});
    }
    double measureText(const QString& t, const PrintFont& f) const override { return 10 * f.size * t.size(); }
    double lineHeight(const PrintFont& font) const override { return 20.0 * font.size; }
    void drawLine(QPointF from, QPointF to, const QColor& colour) override
    {
        add({.kind = Kind::Line, .at = from, .to = to, .colour = colour});
    }
    bool drawPicture(const QImage& picture, const QRectF& box) override
    {
        add({.kind = Kind::Picture, .at = box.topLeft(), .box = box, .picture = picture});
        return true;
    }
    void beginPage() override
    {
        add({.kind = Kind::NewPage});
        ++page;
    }
    bool finish() override
    {
        add({.kind = Kind::End});
        return true;
    }

private:
    void add(Step step)
    {
        step.page = page;
        steps.append(step);
    }
};
