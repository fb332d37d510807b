// Draws the built-in pictures in resources/pictures: the title picture the
// canvas shows at start and the photograph of the splash window.
// Run: make_pictures OUTPUT_FOLDER

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

void drawWindmill(QPainter& p, QPointF base, double scale, double sailAngle)
{
    p.save();
    p.translate(base);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 35, 45));
    p.drawPolygon(QPolygonF({QPointF(-14, 0), QPointF(-8, -60), QPointF(8, -60), QPointF(14, 0)}));
    p.drawPolygon(QPolygonF({QPointF(-10, -60), QPointF(0, -72), QPointF(10, -60)}));
    p.translate(0, -62);
    p.rotate(sailAngle);
    for (int k = 0; k < 4; ++k) {
        p.drawRect(QRectF(-1.5, 0, 3, 48));
        p.drawRect(QRectF(1.5, 14, 9, 34));
        p.rotate(90);
    }
    p.restore();
}

QImage splashPhoto()
{
    QImage image(500, 320, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(24, 38, 92));
    sky.setColorAt(0.55, QColor(120, 96, 140));
    sky.setColorAt(1, QColor(246, 168, 90));
    p.fillRect(image.rect(), sky);
    QRadialGradient sun(QPointF(280, 208), 60);
    sun.setColorAt(0, QColor(255, 236, 170));
    sun.setColorAt(0.3, QColor(255, 200, 120, 200));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(image.rect(), sun);

    QRandomGenerator random(1848);
    for (int i = 0; i < 9; ++i) {
        const double x = random.bounded(500), y = 30 + random.bounded(120);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 230, 220, 40));
        for (int k = 0; k < 6; ++k)
            p.drawEllipse(QPointF(x + k * 14, y + (k % 2) * 4), 30 - k * 2, 8);
    }

    QLinearGradient land(0, 215, 0, 320);
    land.setColorAt(0, QColor(40, 60, 40));
    land.setColorAt(1, QColor(12, 24, 16));
    p.fillRect(QRect(0, 215, 500, 105), land);
    for (int i = 0; i < 6; ++i) { // the ditches of the polder, converging on the horizon
        QPainterPath ditch;
        ditch.moveTo(250 + (i - 2.5) * 12, 216);
        ditch.lineTo(250 + (i - 2.5) * 160, 320);
        p.setPen(QPen(QColor(230, 150, 90, 150), 1.2 + i % 2));
        p.drawPath(ditch);
    }
    drawWindmill(p, QPointF(420, 222), 1.0, 20);
    drawWindmill(p, QPointF(345, 218), 0.55, 50);
    drawWindmill(p, QPointF(480, 216), 0.35, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 22));
    for (int i = 0; i < 40; ++i) // a row of trees along the dike
        p.drawEllipse(QPointF(170 + i * 3.2, 214 - random.bounded(4)), 3.5, 5 + random.bounded(3));
    return image;
}

QImage titlePicture()
{
    QImage image(500, 260, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient paper(0, 0, 500, 260);
    paper.setColorAt(0, QColor(250, 246, 232));
    paper.setColorAt(1, QColor(232, 238, 250));
    p.fillRect(image.rect(), paper);
    p.setPen(QPen(QColor(30, 60, 120), 2));
    p.drawRect(6, 6, 487, 247);

    // The five stamp frames of a sheetlet.
    const QColor stamps[5] = {QColor(200, 60, 50), QColor(230, 150, 40), QColor(60, 140, 80), QColor(40, 110, 180),
                              QColor(120, 70, 160)};
    for (int i = 0; i < 5; ++i) {
        const QRect frame(20 + i * 95, 120, 75, 85);
        p.fillRect(frame, Qt::white);
        p.fillRect(frame.adjusted(6, 6, -6, -22), stamps[i]);
        p.setPen(QColor(60, 60, 60));
        QFont value(QStringLiteral("Arial"));
        value.setPixelSize(11);
        value.setBold(true);
        p.setFont(value);
        p.drawText(frame.adjusted(0, 0, 0, -4), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Velinor"));
        p.setPen(Qt::white);
        p.drawText(frame.adjusted(8, 8, -8, -24), Qt::AlignRight | Qt::AlignTop, QStringLiteral("%1").arg(i + 1));
    }
    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(64);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(QColor(20, 40, 100));
    p.drawText(QRect(0, 14, 500, 72), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Velinor"));
    QFont subtitle(QStringLiteral("Arial"));
    subtitle.setPixelSize(15);
    p.setFont(subtitle);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRect(0, 84, 500, 24), Qt::AlignHCenter, QStringLiteral("Ontwerp uw eigen velletje"));
    p.drawText(QRect(0, 218, 500, 24), Qt::AlignHCenter,
               QStringLiteral("Kies Bewerken / Tekenknoppen Aan om te beginnen"));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const bool ok = titlePicture().save(out.filePath(QStringLiteral("titel.png"))) &&
                    splashPhoto().save(out.filePath(QStringLiteral("splash.jpg")), "JPG", 90);
    return ok ? 0 : 1;
}
