#pragma once

// The perforation of sheetlets and collector's blocks: rows of small shaded
// holes around the five stamp frames, the extension lines to the sheet edge,
// and the extra holes listed in Data\Perfin.cor.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace Perfins {

enum class PerfinKind { Sheetlet = 1, Block = 2 };

constexpr int FrameWidth = 75;
constexpr int FrameHeight = 85;
constexpr std::array<QPoint, 5> SheetletFrames = {QPoint(27, 27), QPoint(135, 19), QPoint(277, 14), QPoint(388, 26),
                                                  QPoint(229, 158)};
constexpr std::array<QPoint, 5> BlockFrames = {QPoint(16, 142), QPoint(113, 161), QPoint(210, 151), QPoint(307, 127),
                                               QPoint(404, 142)};

// One hole: a 2 x 2 core in (grey, grey, grey) with eight shading pixels around it.
// Pixels outside the picture are left out.
void TekenGaatje(QImage& canvas, double x, int y, std::uint8_t grey);

// The reference points of the frame and extension holes, in drawing order.
QList<QPoint> VelHoles();
QList<QPoint> BlokHoles();

void PerforeerVel(QImage& canvas, std::uint8_t grey);
void PerforeerBlok(QImage& canvas, std::uint8_t grey);

// The (x, y) pairs of the file, fields separated by commas or line ends, each read by its
// leading number. Nothing when the file cannot be read. A trailing single field is no pair.
std::optional<QList<QPointF>> readPerfinFile(const QString& path);

// The file holes for the kind: y as read for a sheetlet, y - 50 for a block, rounded.
// afterEachHole runs after every hole (the window lets the holes appear one by one);
// when it returns false, no further hole is drawn.
void PerforeerUitBestand(QImage& canvas, const QString& path, std::uint8_t grey, PerfinKind kind,
                         const std::function<bool()>& afterEachHole = {});

} // namespace Perfins
