#pragma once

// The main window's supplement commands: New, Open, Save and the picture
// export of the File menu, the "Open Velletje" button, the totals of the
// "Berekeningen" menu, and the double clicks on the page's fields and
// description box. Handlers run a dialog, call the core and update the page.

#include <QImage>
#include <QObject>

class Main;
class QLabel;
struct CatalogusInfo;
enum class InvoerVeld : std::uint8_t;

class SupplementCommands : public QObject
{
    Q_OBJECT
public:
    explicit SupplementCommands(Main& main);

public Q_SLOTS:
    void FileNew_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FileSaveAs_Click(int index);
    void BerekenTotaal_Click(int index);
    void OpenKnop_Click();
    void PlaatsLabel_DblClick();
    void CatalogusLabel_DblClick();
    void JaartalLabel_DblClick();
    void PagLabel_DblClick();
    void OmschrijfLabel_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectSignals();
    void editField(InvoerVeld veld, QLabel* label);
    void showLaadVel(std::uint8_t mode);
    void openVelletje(const QString& name);
    void openSupplement(const QString& name);
    QImage leesSupplementAfbeelding(const QString& name);

    // The only places these commands change the canvas picture; each is one undo step.
    void canvasLeegmaken();
    void canvasVanVelletje(const QImage& picture);
    void canvasVanSupplement(const QImage& picture);

    // Page and panel updates.
    void toonVelden();
    void toonStandaardVelden();
    void toonCatalogusInfo(const CatalogusInfo& info);
    void zetLabel(QLabel* label, const QString& text);
    void zetHelpInfo(const QString& caption);

    Main& m_main;
};
