#include "documents/ui/catalogue_panel.h"

#include "documents/supplement_model.h"

#include <QLabel>

#include <algorithm>

CataloguePanel::CataloguePanel(const SupplementModel& model, StatusLine status, QWidget* parent)
    : QFrame(parent)
    , m_model(model)
    , m_status(status)
{
    setObjectName(QStringLiteral("Frame4"));
    const QStringList captions = {QStringLiteral("Catalogus nummer :"),   QStringLiteral("Ontwerp :"),
                                  QStringLiteral("Datum van uitgifte :"), QStringLiteral("Oplage :"),
                                  QStringLiteral("Nominale waarde :"),    QStringLiteral("Tanding :"),
                                  QStringLiteral("Afmeting :"),           QStringLiteral("Catalogus prijs :")};
    for (int i = 0; i <= 8; ++i) {
        const int column = i < 4 ? 0 : 1;
        const int row = i < 8 ? i % 4 : 3;
        const int captionX = i == 8 ? 454 : 8 + 236 * column;
        const int y = 8 + 21 * row;
        auto* caption = new QLabel(i == 8 ? QStringLiteral("Nr.") : captions.at(i), this);
        caption->move(captionX, y);
        caption->adjustSize();
        // The value starts after its caption, however wide the desktop's font makes it; it ends where it always did.
        const int valueX = std::max(i == 8 ? 480 : captionX + 120, caption->geometry().right() + 4);
        const int valueRight = (i == 8 ? 480 + 44 : captionX + 120 + (column == 0 ? 106 : 88));
        auto* value = new QLabel(QStringLiteral("0"), this);
        value->setObjectName(QStringLiteral("Infolab%1").arg(i));
        value->setGeometry(valueX, y, valueRight - valueX, std::max(17, value->sizeHint().height()));
        m_infolab[i] = value;
    }
    connect(&model, &SupplementModel::changed, this, [this](SupplementModel::Field field) {
        if (field == SupplementModel::Field::CatalogueRecord)
            showRecord();
    });
}

void CataloguePanel::showRecord()
{
    for (int i = 0; i < int(m_infolab.size()); ++i)
        m_infolab[i]->setText(m_model.catalogueRecord().Infolab[std::size_t(i)]);
    m_status.ToonInfo(m_model.catalogueKey().isEmpty() ? QStringLiteral("Informatie") : m_model.catalogueKey(), 0);
}
