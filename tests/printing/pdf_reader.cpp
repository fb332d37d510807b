#include "pdf_reader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QList<PdfWord> pdfWords(const QString& pdf)
{
    static const QRegularExpression token(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*?)</word>"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = token.globalMatch(run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        for (const auto& [entity, c] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}})
            text.replace(QLatin1String(entity), QLatin1String(c));
        const auto twips = [&](int i) { return m.captured(i).toDouble() * 20; }; // from points
        words.append({page, text, QRectF(QPointF(twips(1), twips(2)), QPointF(twips(3), twips(4)))});
    }
    return words;
}

PdfInfo pdfInfo(const QString& pdf)
{
    const QString text = run(QStringLiteral("pdfinfo"), {pdf});
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    return {pages.captured(1).toInt(), QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble())};
}

QImage pdfPage(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                                     QString::number(page), "-singlefile", pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

QList<PdfWord> findWords(const QList<PdfWord>& words, const QString& text, int page)
{
    const QStringList wanted = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto same = [&](const auto& word, const auto& w) { return word.text == w && (!page || word.page == page); };
    const auto found = std::search(words.begin(), words.end(), wanted.begin(), wanted.end(), same);
    return found == words.end() ? QList<PdfWord>() : QList<PdfWord>(found, found + wanted.size());
}

QStringList wordsOnLine(const QList<PdfWord>& words, int page, double y)
{
    QList<PdfWord> line;
    std::copy_if(words.begin(), words.end(), std::back_inserter(line),
                 [&](const PdfWord& word) { return word.page == page && qAbs(word.box.top() - y) < 40; });
    std::sort(line.begin(), line.end(), [](const auto& a, const auto& b) { return a.box.left() < b.box.left(); });
    QStringList texts;
    for (const PdfWord& word : line)
        texts.append(word.text);
    return texts;
}
