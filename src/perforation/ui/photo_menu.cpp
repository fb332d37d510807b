#include "perforation/ui/photo_menu.h"

#include "app/application_state.h"
#include "app/picture_file.h"
#include "app/wacht.h"
#include "canvas/canvas_document.h"
#include "perforation/photo_loader.h"
#include "widgets/busy_pointer.h"
#include "widgets/interaction.h"
#include "widgets/main_menus.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>

namespace {

// File-name patterns in both letter cases: the file dialog of some systems tells them apart.
QString patterns(const QStringList& extensions)
{
    QStringList result;
    for (const QString& extension : extensions)
        result << QStringLiteral("*.") + extension << QStringLiteral("*.") + extension.toUpper();
    return result.join(QLatin1Char(' '));
}

// After the dialog's own first choice, every kind this build reads (a phone's HEIC too).
QString withEveryReadableKind(const QString& filter)
{
    return filter + QStringLiteral(";;Alle leesbare foto's (%1)").arg(PhotoLoader::readablePatterns().join(u' '));
}

} // namespace

QString PhotoMenu::photoFileFilter()
{
    return withEveryReadableKind(QStringLiteral("Foto ( Jpg, Bmp, Gif, Wmf ) (%1)")
                                     .arg(patterns({QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("gif"),
                                                    QStringLiteral("wmf")})));
}

QString PhotoMenu::framePhotoFilter()
{
    return withEveryReadableKind(QStringLiteral("Foto ( Jpg, Bmp, Gif, Wmf, Png ) (%1)")
                                     .arg(patterns({QStringLiteral("jpg"), QStringLiteral("bmp"), QStringLiteral("gif"),
                                                    QStringLiteral("wmf"), QStringLiteral("png")})));
}

PhotoMenu::PhotoMenu(CanvasDocument& canvas, ApplicationState& state, Interaction& interaction, StatusLine status,
                     const MainMenus& m, QWidget* window)
    : QObject(window)
    , m_canvas(canvas)
    , m_state(state)
    , m_interaction(interaction)
    , m_status(status)
    , m_window(window)
{
    setObjectName(QStringLiteral("PhotoMenu"));
    QMenu* fileName = m.Bestandsnaam;
    connect(&m_state, &ApplicationState::beeldChanged, fileName, [this, fileName] {
        fileName->setTitle(
            PhotoLoader::sizeCaption(m_state.BeeldBestand(), QSize(m_state.BeeldBreedte(), m_state.BeeldHoogte())));
    });
    connect(m.EditKopieren, &QAction::triggered, this, &PhotoMenu::copyCanvas);
    connect(m.EditPlakken, &QAction::triggered, this, &PhotoMenu::paste);
    // One choice of fit for every placement, checked where the state says.
    const auto showFit = [fits = m.OpmaakFotoPassen](PhotoFit fit) { fits[std::size_t(fit)]->setChecked(true); };
    for (std::size_t i = 0; i < m.OpmaakFotoPassen.size(); ++i)
        connect(m.OpmaakFotoPassen[i], &QAction::triggered, this, [this, i] { m_state.setPhotoFit(PhotoFit(i)); });
    connect(&m_state, &ApplicationState::photoFitChanged, this, showFit);
    showFit(m_state.photoFit());
    // A pasted picture waits for the photo rectangle only as long as that is the tool.
    connect(&m_state, &ApplicationState::gereedschapChanged, this, [this](ToolMode mode) {
        if (mode != ToolMode::PhotoRectangle)
            m_pastedPicture = QImage();
    });
    for (int index : {1, 2}) {
        connect(m.PerforatieVelFotos[index], &QAction::triggered, this,
                [this, index] { PerforatieVelFotos_Click(index); });
        connect(m.PerforatieBlokFotos[index], &QAction::triggered, this,
                [this, index] { PerforatieBlokFotos_Click(index); });
    }
}

QString PhotoMenu::askPath(const QString& filter)
{
    // The folder of the last photo, or else the user's pictures, never the program's working folder.
    const QString folder = m_state.BeeldBestand().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                               : QFileInfo(m_state.BeeldBestand()).absolutePath();
    return m_interaction.openFileName(m_window, QStringLiteral("Foto openen"), folder, filter);
}

std::optional<QImage> PhotoMenu::load(const QString& path, QSize target)
{
    const PhotoFile photo = runWhileWaiting([path, target] { return PhotoLoader::load(path, target); });
    if (!photo.ok()) {
        m_status.ToonInfo(photo.error, 1);
        // The status line alone is easily missed: the box names the file and what can be read instead.
        m_interaction.message(
            m_window,
            photo.error +
                QStringLiteral("\n\nLeesbaar zijn: %1.").arg(PhotoLoader::readableKinds().join(QStringLiteral(", "))),
            QStringLiteral(" Foto openen"), Interaction::Icon::Warning);
        return std::nullopt;
    }
    m_state.setBeeld(path, photo.storedSize.width(), photo.storedSize.height());
    return photo.image;
}

void PhotoMenu::FotoLaden(double x1, double y1, double x2, double y2)
{
    const QRect target = PhotoFrames::stretchTarget(x1, y1, x2, y2);
    if (!m_pastedPicture.isNull()) {
        const QImage pasted = std::exchange(m_pastedPicture, QImage());
        m_state.setGereedschap(ToolMode::None);
        placePicture(pasted, QStringLiteral("Plakken"), target, Target::Rectangle);
        return;
    }
    if (const QString path = askPath(photoFileFilter()); !path.isEmpty())
        stretchFile(path, target, target == canvasRect() ? Target::Background : Target::Rectangle);
}

void PhotoMenu::stretchFile(const QString& path, QRect target, Target kind)
{
    BusyPointer busy;
    std::optional<QImage> picture;
    // Reading the photo is part of the command, so nothing else changes the canvas, or saves it, meanwhile: the
    // reading runs as a command that changes nothing (and so leaves no step).
    m_canvas.change(QStringLiteral("Foto"), [&](QImage&) { picture = load(path, target.size()); });
    if (!picture)
        return;
    m_state.setGereedschap(ToolMode::None);
    put(QStringLiteral("Foto"), *picture, target, kind);
}

void PhotoMenu::put(const QString& stepName, const QImage& picture, QRect target, Target kind)
{
    if (target.width() <= 0 || target.height() <= 0)
        return; // as a photo is never stretched into an empty or reversed rectangle
    const FloatingItem item = PhotoFrames::placement(stepName, picture, target, m_state.photoFit());
    // It floats where moving it makes sense: in a rectangle of its own, and over the background when some of the
    // canvas stays uncovered. A stamp frame takes it at once.
    const bool floats = kind == Target::Rectangle || (kind == Target::Background && item.rect != canvasRect());
    if (floats)
        m_canvas.setFloating(item);
    else
        m_canvas.change(stepName, [&item](QImage& canvas) { item.draw(canvas, item.rect); });
}

void PhotoMenu::placeBackground()
{
    FotoLaden(0, 0, 500, 260);
}

void PhotoMenu::placeBackgroundFile(const QString& path)
{
    stretchFile(path, canvasRect(), Target::Background);
}

QRect PhotoMenu::canvasRect()
{
    return QRect(QPoint(0, 0), CanvasDocument::Size);
}

std::pair<QRect, PhotoMenu::Target> PhotoMenu::dropTarget(QPoint at) const
{
    if (const std::optional<QRect> frame = m_frameLayout ? PhotoFrames::frameAt(*m_frameLayout, at) : std::nullopt)
        return {*frame, Target::Frame};
    return {canvasRect(), Target::Background};
}

void PhotoMenu::dropFile(const QString& path, QPoint at)
{
    const auto [target, kind] = dropTarget(at);
    stretchFile(path, target, kind);
}

void PhotoMenu::dropPicture(const QImage& picture, QPoint at)
{
    const auto [target, kind] = dropTarget(at);
    placePicture(picture, QStringLiteral("Foto"), target, kind);
}

void PhotoMenu::setFrameLayout(PhotoLayout layout)
{
    m_frameLayout = layout;
}

void PhotoMenu::placePicture(const QImage& picture, const QString& stepName, QRect target, Target kind)
{
    if (picture.isNull()) {
        m_status.ToonInfo(QStringLiteral("Er is geen plaatje om te plaatsen."), 1);
        return;
    }
    if (PictureFile::isTooLarge(picture.size())) {
        m_status.ToonInfo(PictureFile::tooLargeText(QStringLiteral("Het plaatje"), picture.size()), 1);
        return;
    }
    put(stepName, picture, target, kind);
}

void PhotoMenu::copyCanvas()
{
    m_canvas.fixFloating();
    QGuiApplication::clipboard()->setImage(m_canvas.image());
}

void PhotoMenu::paste()
{
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData(); !data || !data->hasImage()) {
        m_status.ToonInfo(QStringLiteral("Het klembord bevat geen plaatje."), 1);
        return;
    }
    const QImage picture = QGuiApplication::clipboard()->image();
    if (m_state.Gereedschap() == ToolMode::PhotoRectangle && !picture.isNull() &&
        !PictureFile::isTooLarge(picture.size())) {
        m_pastedPicture = picture;
        m_status.ToonInfo(QStringLiteral("Trek met de muis de rechthoek voor het geplakte plaatje."), 1);
        return;
    }
    // A pasted picture always floats, so that it can be made smaller and put in its place.
    placePicture(picture, QStringLiteral("Plakken"), canvasRect(), Target::Rectangle);
}

void PhotoMenu::placeInFrames(PhotoLayout layout, int index)
{
    if (index != 1 && index != 2)
        return;
    const auto size = PhotoSize(index);
    const QString path = askPath(framePhotoFilter());
    if (path.isEmpty())
        return;
    BusyPointer busy;
    m_canvas.change(QStringLiteral("Foto's invoegen"), [&](QImage& canvas) {
        if (const std::optional<QImage> picture = load(path, PhotoFrames::photoRect({}, size).size())) {
            PhotoFrames::placeInFrames(canvas, *picture, layout, size, m_state.photoFit());
            m_frameLayout = layout;
        }
    });
}

void PhotoMenu::PerforatieVelFotos_Click(int index)
{
    placeInFrames(PhotoLayout::Velletje, index);
}

void PhotoMenu::PerforatieBlokFotos_Click(int index)
{
    placeInFrames(PhotoLayout::Verzamelblokje, index);
}
