// Writes src/geography/map_outline_data.cpp: the coast and borders of the
// map of places, from the country outlines of the Digital Chart of the World
// that Debian's gmt-dcw package ships. Dump them with GMT first:
//
//   gmt coast -ENL -M > nl.txt
//   gmt coast -EBE -M > be.txt
//   gmt coast -EDE -M > de.txt
//   make_map src/geography/map_outline_data.cpp --nl nl.txt --neighbour be.txt --neighbour de.txt
//
// Each ring is cut to the part of the earth the map shows and thinned to what
// can be seen at the map's scale (Douglas-Peucker, a third of a pixel).
//
// With --places it writes the coordinate file of the places instead, each
// place's latitude and longitude taken through the same projection, so every
// dot lies on its town:
//
//   make_map --places tools/map_places.txt data/Data/coordinaten.cor

#include "app/text_file.h"
#include "geography/map_projection.h"

#include <QFile>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Ring = QList<QPointF>; // x = longitude, y = latitude

struct Source
{
    bool netherlands = false;
    QList<Ring> rings;
};

// The part of the earth the picture shows, with a margin.
const QRectF Shown(QPointF(2.9, 50.2), QPointF(10.5, 53.9));
constexpr double Tolerance = 0.33; // pixels

QList<Ring> readRings(const QString& path)
{
    QList<Ring> rings;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rings;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('>'))) {
            rings.append(Ring());
            continue;
        }
        const QStringList parts = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (parts.size() >= 2 && !rings.isEmpty())
            rings.last().append(QPointF(parts[0].toDouble(), parts[1].toDouble()));
    }
    return rings;
}

// Sutherland-Hodgman against one edge of the shown rectangle.
Ring clipEdge(const Ring& ring, const std::function<bool(QPointF)>& inside,
              const std::function<QPointF(QPointF, QPointF)>& cross)
{
    Ring out;
    for (qsizetype i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i];
        const QPointF b = ring[(i + 1) % ring.size()];
        if (inside(a)) {
            out.append(a);
            if (!inside(b))
                out.append(cross(a, b));
        } else if (inside(b)) {
            out.append(cross(a, b));
        }
    }
    return out;
}

Ring clip(Ring ring)
{
    auto atX = [](double x) {
        return
            [x](QPointF a, QPointF b) { return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())); };
    };
    auto atY = [](double y) {
        return
            [y](QPointF a, QPointF b) { return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y); };
    };
    ring = clipEdge(
        ring, [](QPointF p) { return p.x() >= Shown.left(); }, atX(Shown.left()));
    ring = clipEdge(
        ring, [](QPointF p) { return p.x() <= Shown.right(); }, atX(Shown.right()));
    ring = clipEdge(
        ring, [](QPointF p) { return p.y() >= Shown.top(); }, atY(Shown.top()));
    ring = clipEdge(
        ring, [](QPointF p) { return p.y() <= Shown.bottom(); }, atY(Shown.bottom()));
    return ring;
}

QPointF pixel(QPointF lonLat)
{
    return MapProjection::toMap(lonLat.y(), lonLat.x());
}

double distanceToLine(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0)
        return std::hypot(p.x() - a.x(), p.y() - a.y());
    return std::fabs(d.x() * (a.y() - p.y()) - d.y() * (a.x() - p.x())) / length;
}

void simplify(const Ring& ring, qsizetype first, qsizetype last, QList<bool>& keep)
{
    double worst = 0;
    qsizetype worstAt = -1;
    for (qsizetype i = first + 1; i < last; ++i) {
        const double d = distanceToLine(pixel(ring[i]), pixel(ring[first]), pixel(ring[last]));
        if (d > worst) {
            worst = d;
            worstAt = i;
        }
    }
    if (worst <= Tolerance)
        return;
    keep[worstAt] = true;
    simplify(ring, first, worstAt, keep);
    simplify(ring, worstAt, last, keep);
}

// A closed ring is thinned as two open halves, so its shape does not hang on one start point.
Ring thin(Ring ring)
{
    if (ring.size() > 1 && ring.first() == ring.last())
        ring.removeLast();
    if (ring.size() < 4)
        return ring;
    QList<bool> keep(ring.size(), false);
    const qsizetype half = ring.size() / 2;
    keep[0] = keep[half] = true;
    ring.append(ring.first());
    keep.append(false);
    simplify(ring, 0, half, keep);
    simplify(ring, half, ring.size() - 1, keep);
    Ring out;
    for (qsizetype i = 0; i + 1 < ring.size(); ++i)
        if (keep[i])
            out.append(ring[i]);
    return out;
}

bool visible(const Ring& ring)
{
    if (ring.size() < 3)
        return false;
    QRectF box;
    for (QPointF p : ring)
        box |= QRectF(pixel(p), QSizeF(0.001, 0.001));
    return box.width() >= 1.5 || box.height() >= 1.5;
}

void writeSource(QTextStream& out, const QList<Source>& sources)
{
    out << "// Generated by tools/make_map.cpp from the Digital Chart of the World (Debian package gmt-dcw);\n"
           "// do not edit by hand.\n// clang-format off\n\n#include \"geography/map_outline.h\"\n\n#include "
           "<array>\n\nnamespace MapOutline {\n\nnamespace {\n\n";
    QStringList entries;
    int index = 0;
    for (const Source& source : sources) {
        for (const Ring& ring : source.rings) {
            out << "const float ring" << index << "[] = {";
            for (qsizetype i = 0; i < ring.size(); ++i) {
                out << (i % 4 == 0 ? "\n    " : " ") << QString::number(ring[i].x(), 'f', 4) << "f, "
                    << QString::number(ring[i].y(), 'f', 4) << "f,";
            }
            out << "\n};\n\n";
            entries << QStringLiteral("    Ring{Land::%1, ring%2},")
                           .arg(source.netherlands ? "Netherlands" : "Neighbour")
                           .arg(index);
            ++index;
        }
    }
    out << "const std::array<Ring, " << index << "> all = {\n"
        << entries.join(QLatin1Char('\n'))
        << "\n};\n\n} // namespace\n\nstd::span<const Ring> rings()\n{\n    return all;\n}\n\n} // namespace "
           "MapOutline\n";
}

// "name;latitude;longitude" lines, # starts a comment; one record "x,y,name" each.
int writePlaces(const QString& from, const QString& to)
{
    const std::optional<QStringList> lines = TextFile::readLines(from);
    if (!lines) {
        std::fprintf(stderr, "Kan %s niet lezen\n", qPrintable(from));
        return 1;
    }
    QStringList records;
    for (const QString& line : *lines) {
        const QStringList parts = line.split(QLatin1Char(';'));
        if (line.startsWith(QLatin1Char('#')) || parts.size() != 3)
            continue;
        const QPoint at = MapProjection::toMap(parts[1].toDouble(), parts[2].toDouble()).toPoint();
        const QString name =
            parts[0].contains(QLatin1Char(',')) ? QLatin1Char('"') + parts[0] + QLatin1Char('"') : parts[0];
        records << QStringLiteral("%1,%2,%3").arg(at.x()).arg(at.y()).arg(name);
    }
    return TextFile::writeLines(to, records) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--places"))
        return writePlaces(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc < 4) {
        std::fprintf(stderr, "Gebruik: make_map UIT.cpp --nl nl.txt [--neighbour buur.txt ...]\n"
                             "         make_map --places LIGGING.txt coordinaten.cor\n");
        return 2;
    }
    // Neighbours first: the country is drawn over them.
    QList<Source> neighbours, netherlands;
    for (int i = 2; i + 1 < argc; i += 2) {
        Source source;
        source.netherlands = QString::fromLocal8Bit(argv[i]) == QLatin1String("--nl");
        for (const Ring& raw : readRings(QString::fromLocal8Bit(argv[i + 1]))) {
            const Ring ring = thin(clip(raw));
            if (visible(ring))
                source.rings.append(ring);
        }
        (source.netherlands ? netherlands : neighbours).append(source);
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        std::fprintf(stderr, "Kan %s niet schrijven\n", argv[1]);
        return 1;
    }
    QTextStream out(&file);
    writeSource(out, neighbours + netherlands);
    return 0;
}
