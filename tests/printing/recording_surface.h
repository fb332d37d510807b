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
        PrintLettertype font;
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
    void beginJob(int copies) override { steps.append({Kind::Job, page, {}, {}, {}, {}, font(), {}, {}, copies}); }
    void drawText(QPointF topLeft, const QString& text, const PrintLettertype& font, const QColor& colour) override
    {
        steps.append({Kind::Text, page, topLeft, {}, {}, text, font, colour, {}, 0});
    }
    double measureText(const QString& t, const PrintLettertype& f) const override { return 10 * f.grootte * t.size(); }
    double lineHeight(const PrintLettertype& font) const override { return 20.0 * font.grootte; }
    void drawLine(QPointF from, QPointF to, const QColor& colour) override
    {
        steps.append({Kind::Line, page, from, to, {}, {}, {}, colour, {}, 0});
    }
    bool drawPicture(const QImage& picture, const QRectF& box) override
    {
        steps.append({Kind::Picture, page, box.topLeft(), {}, box, {}, {}, {}, picture, 0});
        return true;
    }
    void beginPage() override { steps.append({Kind::NewPage, page++, {}, {}, {}, {}, {}, {}, {}, 0}); }
    bool finish() override
    {
        steps.append({Kind::End, page, {}, {}, {}, {}, {}, {}, {}, 0});
        return true;
    }
};
