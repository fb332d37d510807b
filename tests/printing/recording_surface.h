#pragma once

// A print surface that draws nothing and writes down every step a layout
// takes, with the font, colour and page it happened on. Text is measured as
// 10 twips per point per character, so widths are exact and predictable.

#include "printing/print_surface.h"

#include <QList>

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
        QSize pictureSize;
        int copies = 0;
    };

    QList<Step> steps;
    int page = 1;

    QList<Step> of(Kind kind) const;
    // The text step whose text equals the given one; fails the test when there is none.
    Step text(const QString& text) const;
    QStringList texts() const;

protected:
    Step step(Kind kind, QPointF at = {}) const;
    void beginJob(int copies) override;
    void drawText(QPointF topLeft, const QString& text, const PrintLettertype& font, const QColor& colour) override;
    double measureText(const QString& text, const PrintLettertype& font) const override;
    double lineHeight(const PrintLettertype& font) const override;
    void drawLine(QPointF from, QPointF to, const QColor& colour) override;
    bool drawPicture(const QImage& picture, const QRectF& box) override;
    void beginPage() override;
    bool finish() override;
};
