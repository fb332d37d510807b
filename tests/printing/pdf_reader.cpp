#include "pdf_reader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return process.readAllStandardOutput();
}

QString unescape(const QString& html)
{
    QString text = html;
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

} // namespace

QList<PdfWoord> PdfWoorden(const QString& pdf)
{
    const QString html = QString::fromUtf8(run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}));
    static const QRegularExpression token(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*?)</word>"));
    QList<PdfWoord> words;
    int page = 0;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const double twips = 20.0;
        const QPointF topLeft(match.captured(1).toDouble() * twips, match.captured(2).toDouble() * twips);
        const QPointF bottomRight(match.captured(3).toDouble() * twips, match.captured(4).toDouble() * twips);
        words.append({page, unescape(match.captured(5)), QRectF(topLeft, bottomRight)});
    }
    return words;
}

PdfInfo PdfInformatie(const QString& pdf)
{
    const QString text = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
    PdfInfo info;
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    info.pages = pages.hasMatch() ? pages.captured(1).toInt() : 0;
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    if (size.hasMatch())
        info.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return info;
}

QImage PdfPagina(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"), {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                                     QString::number(page), "-singlefile", pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

QList<PdfWoord> PdfZoek(const QList<PdfWoord>& words, const QString& text, int page)
{
    const QStringList wanted = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype start = 0; start + wanted.size() <= words.size(); ++start) {
        bool same = true;
        for (qsizetype k = 0; k < wanted.size() && same; ++k) {
            const PdfWoord& word = words.at(start + k);
            same = word.text == wanted.at(k) && (page == 0 || word.page == page) && word.page == words.at(start).page;
        }
        if (same)
            return words.mid(start, wanted.size());
    }
    return {};
}

QStringList PdfRegel(const QList<PdfWoord>& words, int page, double y)
{
    QList<PdfWoord> line;
    for (const PdfWoord& word : words)
        if (word.page == page && qAbs(word.box.top() - y) < 40)
            line.append(word);
    std::sort(line.begin(), line.end(), [](const auto& a, const auto& b) { return a.box.left() < b.box.left(); });
    QStringList texts;
    for (const PdfWoord& word : line)
        texts.append(word.text);
    return texts;
}
