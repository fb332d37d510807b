#include "documents/ui/laadvel.h"

#include "app/picture_file.h"
#include "widgets/interaction.h"
#include "widgets/owned_icon.h"
#include "widgets/scroll_bar_names.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

LaadVel::LaadVel(ProgramFolder folder, LaadVelModus mode, Interaction& interaction, Marks marks, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_mode(mode)
    , m_interaction(interaction)
    , m_marks(mode == LaadVelModus::Velletjes ? std::move(marks) : Marks())
{
    setObjectName(QStringLiteral("LaadVel"));
    setWindowTitle(mode == LaadVelModus::Velletjes ? QStringLiteral(" Open Velletje")
                                                   : QStringLiteral(" Open Supplement"));
    setFixedSize(293, 223);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(8, 8, 160, 186);
    List1->setAccessibleName(mode == LaadVelModus::Velletjes ? QStringLiteral("Velletjes")
                                                             : QStringLiteral("Supplementen"));
    nameScrollBars(*List1);
    QPalette palette = List1->palette();
    palette.setColor(QPalette::Base, QColor(220, 220, 200));
    palette.setColor(QPalette::Text, QColor(60, 60, 60));
    List1->setPalette(palette);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(178, 8, 106, 84);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(180, 96, 100, 76);
    Image1->setScaledContents(true);
    Image1->setAccessibleName(QStringLiteral("Voorbeeld"));

    CancelKnop = new QPushButton(QStringLiteral("Cancel"), this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setGeometry(178, 190, 52, 25);
    OkKnop = new QPushButton(QStringLiteral("Open"), this);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setGeometry(234, 190, 52, 25);
    OkKnop->setDefault(true);

    // Below the list, where the dialog had room: only for a collector who marks what they own.
    if (!m_marks.isEmpty()) {
        ownedFilter = new QComboBox(this);
        ownedFilter->setObjectName(QStringLiteral("OwnedFilter"));
        ownedFilter->setGeometry(8, 197, 160, 22);
        ownedFilter->addItems(
            {QStringLiteral("Alle velletjes"), QStringLiteral("In bezit"), QStringLiteral("Nog niet")});
        ownedFilter->setAccessibleName(QStringLiteral("Toon"));
        connect(ownedFilter, &QComboBox::currentIndexChanged, this, [this](int index) { setFilter(Filter(index)); });
    }

    connect(List1, &QListWidget::itemSelectionChanged, this, &LaadVel::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &LaadVel::List1_DblClick);
    connect(OkKnop, &QPushButton::clicked, this, &LaadVel::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &LaadVel::CancelKnop_Click);
    Form_Load();
}

void LaadVel::Form_Load()
{
    const QStringList names = LaadVelNamen(m_folder, m_mode);
    OkKnop->setEnabled(false);
    List1->addItems(names);
    if (!m_marks.isEmpty()) {
        for (int i = 0; i < List1->count(); ++i) {
            QListWidgetItem* item = List1->item(i);
            const bool owned = m_marks.value(item->text()).isOwned();
            item->setIcon(ownedIcon(owned));
            item->setData(Qt::AccessibleTextRole,
                          item->text() + (owned ? QStringLiteral(", in bezit") : QStringLiteral(", niet in bezit")));
        }
    }
    Label2->setText(LaadVelTekst(m_mode, names.size()));
    // Where the files are, for whoever looks for them outside the program.
    const QString where =
        QStringLiteral("Uit de map %1")
            .arg(QDir::toNativeSeparators(
                m_folder.path(QString::fromLatin1(m_mode == LaadVelModus::Supplementen ? "Supplementen" : "Images"))));
    for (QWidget* widget : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Label2)}) {
        widget->setToolTip(where);
        widget->setAccessibleDescription(where);
    }
    // The first entry is chosen, so Enter opens it and the arrow keys move from it.
    if (!names.isEmpty())
        List1->setCurrentRow(0);
}

void LaadVel::setFilter(Filter filter)
{
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < List1->count(); ++i) {
        QListWidgetItem* item = List1->item(i);
        const bool owned = m_marks.value(item->text()).isOwned();
        item->setHidden((filter == Filter::Owned && !owned) || (filter == Filter::NotOwned && owned));
        if (!first && !item->isHidden())
            first = item;
    }
    // The choice stays on a name the list still shows, so Enter never opens a hidden one.
    if (!List1->currentItem() || List1->currentItem()->isHidden())
        List1->setCurrentItem(first);
    if (!first)
        List1->clearSelection();
    if (ownedFilter && ownedFilter->currentIndex() != int(filter))
        ownedFilter->setCurrentIndex(int(filter));
}

void LaadVel::List1_Click()
{
    QListWidgetItem* item = List1->currentItem();
    OkKnop->setEnabled(item && item->isSelected());
    if (!item)
        return;
    Image1->resize(Image1->width(), 54);
    // Sheetlet pictures and supplement bitmaps are 500 x 260; another size is not even decoded.
    const PictureFile::Picture preview =
        PictureFile::read(LaadVelAfbeeldingPad(m_folder, m_mode, item->text()),
                          PictureFile::ReadOptions::exactlyScaled(SheetletSize, Image1->size()));
    // A supplement saved without a picture has no bitmap: the preview keeps what it showed.
    if (preview.ok())
        Image1->setPixmap(QPixmap::fromImage(preview.image));
}

void LaadVel::List1_DblClick()
{
    OkKnop_Click();
}

bool LaadVel::isVelinorVelletje(const QString& name) const
{
    // A name too short to hold a year, a separator and a place is no sheetlet key.
    if (!splitKey(name))
        return false;
    return PictureFile::storedSize(LaadVelAfbeeldingPad(m_folder, m_mode, name)) == SheetletSize;
}

void LaadVel::OkKnop_Click()
{
    QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected())
        return;
    if (m_mode == LaadVelModus::Velletjes && !isVelinorVelletje(item->text())) {
        m_interaction.message(this, QStringLiteral("Géén Velinor velletje!"), QStringLiteral("Velinor"),
                              Interaction::Icon::Warning);
        return;
    }
    m_gekozen = item->text();
    accept();
}

void LaadVel::CancelKnop_Click()
{
    reject();
}
