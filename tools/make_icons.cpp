// Draws the program's icon for desktop menus, task bars and window title
// bars: a perforated stamp with a "V". It writes the hicolor theme's folders,
// a PNG for each size the desktops ask for and an SVG for every other size,
// all from the one drawing below.
// Run: make_icons OUTPUT_FOLDER   (the repository's resources/icons)

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

constexpr int Sizes[] = {16, 32, 48, 64, 128, 256};
constexpr int DrawingSize = 128; // the drawing's own units

const QRectF Stamp(12, 8, 104, 112);
const QRectF Picture(22, 18, 84, 92);
const QColor LightBlue(70, 120, 210), DarkBlue(20, 40, 110);

// Small icons get fewer, larger holes, so that the edge still reads as perforation.
struct Perforation
{
    int across;
    int down;
    double radius;
};

Perforation perforationFor(int size)
{
    return size >= 48 ? Perforation{11, 12, 4} : Perforation{6, 7, 6};
}

// The white stamp: its rectangle with half holes bitten out of every edge.
QPainterPath stampOutline(const Perforation& perforation)
{
    QPainterPath holes;
    auto hole = [&](double x, double y) { holes.addEllipse(QPointF(x, y), perforation.radius, perforation.radius); };
    for (int i = 0; i < perforation.across; ++i) {
        const double x = Stamp.left() + i * Stamp.width() / (perforation.across - 1);
        hole(x, Stamp.top());
        hole(x, Stamp.bottom());
    }
    for (int i = 1; i < perforation.down - 1; ++i) {
        const double y = Stamp.top() + i * Stamp.height() / (perforation.down - 1);
        hole(Stamp.left(), y);
        hole(Stamp.right(), y);
    }
    QPainterPath stamp;
    stamp.addRect(Stamp);
    return stamp.subtracted(holes);
}

// The "V", as outlines so the SVG does not depend on the fonts of the machine that shows it.
QPainterPath letter()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(76);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("V"));
    return path.translated(Picture.center() - path.boundingRect().center());
}

QLinearGradient blue()
{
    QLinearGradient gradient(0, Picture.top() + 2, 0, Picture.bottom() - 2);
    gradient.setColorAt(0, LightBlue);
    gradient.setColorAt(1, DarkBlue);
    return gradient;
}

QImage png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / DrawingSize, double(size) / DrawingSize);
    p.setPen(Qt::NoPen);
    p.fillPath(stampOutline(perforationFor(size)), Qt::white);
    p.fillRect(Picture, blue());
    p.fillPath(letter(), Qt::white);
    return image;
}

QString pathData(const QPainterPath& path)
{
    QString data;
    QTextStream out(&data);
    out.setRealNumberPrecision(4);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo())
            out << (i > 0 ? "Z M" : "M") << e.x << ' ' << e.y << ' ';
        else if (e.isLineTo())
            out << 'L' << e.x << ' ' << e.y << ' ';
        else if (e.isCurveTo())
            out << 'C' << e.x << ' ' << e.y << ' ';
        else
            out << e.x << ' ' << e.y << ' ';
    }
    return data.trimmed() + QLatin1Char('Z');
}

QString colour(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString svg()
{
    const QPainterPath stamp = stampOutline(perforationFor(DrawingSize));
    const QLinearGradient gradient = blue();
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" viewBox=\"0 0 128 128\">\n"
               "  <defs>\n"
               "    <linearGradient id=\"blue\" x1=\"0\" y1=\"%1\" x2=\"0\" y2=\"%2\">\n"
               "      <stop offset=\"0\" stop-color=\"%3\"/>\n"
               "      <stop offset=\"1\" stop-color=\"%4\"/>\n"
               "    </linearGradient>\n"
               "  </defs>\n"
               "  <path fill=\"#ffffff\" fill-rule=\"%5\" d=\"%6\"/>\n"
               "  <rect x=\"%7\" y=\"%8\" width=\"%9\" height=\"%10\" fill=\"url(#blue)\"/>\n"
               "  <path fill=\"#ffffff\" d=\"%11\"/>\n"
               "</svg>\n")
        // In the picture rectangle's own units, which every renderer supports.
        .arg((gradient.start().y() - Picture.top()) / Picture.height(), 0, 'f', 4)
        .arg((gradient.finalStop().y() - Picture.top()) / Picture.height(), 0, 'f', 4)
        .arg(colour(LightBlue), colour(DarkBlue),
             stamp.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd") : QStringLiteral("nonzero"),
             pathData(stamp))
        .arg(Picture.x())
        .arg(Picture.y())
        .arg(Picture.width())
        .arg(Picture.height())
        .arg(pathData(letter()));
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = true;
    for (int size : Sizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        ok = ok && out.mkpath(folder) && png(size).save(out.filePath(folder + QStringLiteral("/velinor.png")));
    }
    ok = ok && out.mkpath(QStringLiteral("hicolor/scalable/apps")) &&
         writeText(out.filePath(QStringLiteral("hicolor/scalable/apps/velinor.svg")), svg());
    return ok ? 0 : 1;
}
