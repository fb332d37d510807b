#include "app/application_state.h"

ApplicationState::ApplicationState(QObject* parent)
    : QObject(parent)
{}

void ApplicationState::reset()
{
    const ApplicationState fresh;
    setColour(m_teken, fresh.m_teken.r, fresh.m_teken.g, fresh.m_teken.b);
    setColour(m_vul, fresh.m_vul.r, fresh.m_vul.g, fresh.m_vul.b);
    setColour(m_venster, fresh.m_venster.r, fresh.m_venster.g, fresh.m_venster.b);
    setColour(m_supplement, fresh.m_supplement.r, fresh.m_supplement.g, fresh.m_supplement.b);
    setKeuzeKleur(0, 0, 0);
    if (m_gereedschap != fresh.m_gereedschap)
        setGereedschap(fresh.m_gereedschap);
    setTekstPlaatsen(fresh.m_tekstPlaatsen);
    setTekstHoek(fresh.m_tekstHoek);
    setLineWidth(fresh.m_lineWidth);
    setBeeld(QString(), 0, 0);
    setVoortgang(0);
}

void ApplicationState::setColour(Colour& colour, int r, int g, int b)
{
    const Colour changed{r, g, std::uint8_t(b)};
    if (changed == colour)
        return;
    colour = changed;
    Q_EMIT coloursChanged();
}

void ApplicationState::setTekenKleur(int r, int g, int b)
{
    setColour(m_teken, r, g, b);
}

void ApplicationState::setVulKleur(int r, int g, int b)
{
    setColour(m_vul, r, g, b);
}

void ApplicationState::setVensterKleur(int r, int g, int b)
{
    setColour(m_venster, r, g, b);
}

void ApplicationState::setSupplementKleur(int r, int g, int b)
{
    setColour(m_supplement, r, g, b);
}

void ApplicationState::setKeuzeKleur(int r, int g, int b)
{
    if (r == m_keuze.r && g == m_keuze.g && b == m_keuze.b)
        return;
    m_keuze = {r, g, b};
    Q_EMIT coloursChanged();
}

void ApplicationState::setGereedschap(ToolMode mode)
{
    // Told even when it stays: whoever sets the mode expects the marker and hint to show it.
    m_gereedschap = mode;
    Q_EMIT gereedschapChanged(mode);
}

void ApplicationState::setTekstPlaatsen(bool waiting)
{
    if (waiting == m_tekstPlaatsen)
        return;
    m_tekstPlaatsen = waiting;
    Q_EMIT tekstPlaatsenChanged(waiting);
}

void ApplicationState::setTekstHoek(int tenths)
{
    if (tenths == m_tekstHoek)
        return;
    m_tekstHoek = tenths;
    Q_EMIT tekstHoekChanged(tenths);
}

void ApplicationState::setPhotoFit(PhotoFit fit)
{
    if (fit == m_photoFit)
        return;
    m_photoFit = fit;
    Q_EMIT photoFitChanged(fit);
}

void ApplicationState::setLineWidth(int pixels)
{
    if (pixels == m_lineWidth)
        return;
    m_lineWidth = pixels;
    Q_EMIT lineWidthChanged(pixels);
}

void ApplicationState::setBeeld(const QString& path, int width, int height)
{
    if (path == m_beeldBestand && width == m_beeldBreedte && height == m_beeldHoogte)
        return;
    m_beeldBestand = path;
    m_beeldBreedte = width;
    m_beeldHoogte = height;
    Q_EMIT beeldChanged();
}

void ApplicationState::setVoortgang(int percent)
{
    if (percent == m_voortgang)
        return;
    m_voortgang = percent;
    Q_EMIT voortgangChanged(percent);
}
