#pragma once

// The application state: the values the windows share while the program runs,
// beside the supplement being designed (documents/supplement_model.h). One
// object, owned by the application and handed around by reference; the values
// carry the names the program's windows have always used for them. Every value
// changes through its setter, which tells by a signal, so the swatches, the
// panel colours, the tool marker and the read-outs follow whoever changes it.

#include "app/colour.h"
#include "app/photo_fit.h"
#include "app/tool_mode.h"

#include <QObject>
#include <QString>

#include <cstdint>

class ApplicationState : public QObject
{
    Q_OBJECT
public:
    explicit ApplicationState(QObject* parent = nullptr);

    // Back to the values of a fresh start.
    void reset();

    // Colours: red and green are general whole numbers, blue is a byte (a larger blue keeps its low byte).
    ColourParts TekenKleur() const { return m_teken.parts(); }
    ColourParts VulKleur() const { return m_vul.parts(); }
    ColourParts VensterKleur() const { return m_venster.parts(); }
    ColourParts SupplementKleur() const { return m_supplement.parts(); }
    // The colour chooser's last pick.
    ColourParts KeuzeKleur() const { return m_keuze; }
    void setTekenKleur(int r, int g, int b);
    void setVulKleur(int r, int g, int b);
    void setVensterKleur(int r, int g, int b);
    void setSupplementKleur(int r, int g, int b);
    void setKeuzeKleur(int r, int g, int b);

    // The mode byte: the selected tool, the open dialog's list, the text panel, the field entry.
    ToolMode Gereedschap() const { return m_gereedschap; }
    void setGereedschap(ToolMode mode);
    // A text of the panel waits to be placed with the next click on the canvas.
    bool TekstPlaatsen() const { return m_tekstPlaatsen; }
    void setTekstPlaatsen(bool waiting);
    // The text angle in tenths of a degree, counter-clockwise.
    int TekstHoek() const { return m_tekstHoek; }
    void setTekstHoek(int tenths);
    // The line width the drawing tools take, as the line-width slider sets it (1..5).
    int lineWidth() const { return m_lineWidth; }
    void setLineWidth(int pixels);

    // How photos go into their targets; not part of a fresh start, since the user's choice is remembered.
    PhotoFit photoFit() const { return m_photoFit; }
    void setPhotoFit(PhotoFit fit);

    // The picture file last loaded for photo placement, with its size in the file.
    const QString& BeeldBestand() const { return m_beeldBestand; }
    int BeeldBreedte() const { return m_beeldBreedte; }
    int BeeldHoogte() const { return m_beeldHoogte; }
    void setBeeld(const QString& path, int width, int height);

    // Progress of a running filter, 0..100.
    int Voortgang() const { return m_voortgang; }
    void setVoortgang(int percent);

Q_SIGNALS:
    void coloursChanged();
    void gereedschapChanged(ToolMode mode);
    void tekstPlaatsenChanged(bool waiting);
    void tekstHoekChanged(int tenths);
    void lineWidthChanged(int pixels);
    void beeldChanged();
    void photoFitChanged(PhotoFit fit);
    void voortgangChanged(int percent);

private:
    struct Colour
    {
        int r = 0, g = 0;
        std::uint8_t b = 0;
        ColourParts parts() const { return {r, g, b}; }
        bool operator==(const Colour&) const = default;
    };
    void setColour(Colour& colour, int r, int g, int b);

    Colour m_teken{0, 0, 0};
    Colour m_vul{255, 255, 0};
    Colour m_venster{190, 200, 240};
    Colour m_supplement{220, 220, 230};
    ColourParts m_keuze;
    ToolMode m_gereedschap = ToolMode::None;
    bool m_tekstPlaatsen = false;
    int m_tekstHoek = 900;
    int m_lineWidth = 2;
    PhotoFit m_photoFit = PhotoFit::Uitrekken;
    QString m_beeldBestand;
    int m_beeldBreedte = 0, m_beeldHoogte = 0;
    int m_voortgang = 0;
};
