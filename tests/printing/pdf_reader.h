#pragma once

// Reading a written PDF back with the poppler tools: the words with their
// boxes (in twips from the page's top-left corner), the page count and size,
// and a page rendered as a picture.

#include <QImage>
#include <QStringList>

struct PdfWord
{
    int page = 0; // from 1
    QString text;
    QRectF box; // twips from the page's top-left corner
};

struct PdfInfo
{
    int pages = 0;
    QSizeF pageSize; // points
};

QList<PdfWord> pdfWords(const QString& pdf);
PdfInfo pdfInfo(const QString& pdf);
// One page rendered at the given resolution (dots per inch).
QImage pdfPage(const QString& pdf, int page, int dpi);
// The words of the text as printed on one line, found in order; empty when absent.
QList<PdfWord> findWords(const QList<PdfWord>& words, const QString& text, int page = 0);
// The words whose top lies within 40 twips of y on the page, left to right.
QStringList wordsOnLine(const QList<PdfWord>& words, int page, double y);
