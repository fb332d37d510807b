#include "documents/description_lines.h"

#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

QFont DescriptionBox::font()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

namespace {

// The lines one paragraph (text without line breaks) takes in the box.
void appendWrapped(const QString& paragraph, const QFont& font, int width, QStringList& lines)
{
    if (paragraph.isEmpty()) {
        lines.append(QString());
        return;
    }
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(width);
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines.append(paragraph.mid(line.textStart(), line.textLength()));
    }
}

} // namespace

QStringList GetTextBoxZeilen(const QString& text, const QFont& font, int width)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines;
    for (const QString& paragraph : normalised.split(QLatin1Char('\n')))
        appendWrapped(paragraph, font, width, lines);
    return lines;
}
