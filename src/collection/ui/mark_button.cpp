#include "collection/ui/mark_button.h"

#include "collection/collection_model.h"
#include "collection/ui/mark_dialog.h"
#include "documents/supplement_model.h"
#include "widgets/interaction.h"
#include "widgets/owned_icon.h"

MarkButton::MarkButton(CollectionModel& collection, const SupplementModel& supplement, Interaction& interaction,
                       QWidget* parent)
    : QToolButton(parent)
    , m_collection(collection)
    , m_supplement(supplement)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("MarkButton"));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
    setAccessibleName(QStringLiteral("In bezit"));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() - 1);
    setFont(small);
    connect(this, &QToolButton::clicked, this, &MarkButton::edit);
    connect(&m_collection, &CollectionModel::marksChanged, this, &MarkButton::showMark);
    connect(&m_supplement, &SupplementModel::changed, this, [this](SupplementModel::Field field) {
        if (field == SupplementModel::Field::CatalogueRecord)
            showMark();
    });
    showMark();
}

void MarkButton::showMark()
{
    const QString key = m_supplement.catalogueKey();
    const Mark mark = m_collection.mark(key);
    setEnabled(!key.isEmpty());
    setIcon(ownedIcon(mark.isOwned()));
    const QString state = MarksFile::ownershipCaptions().at(int(mark.owned));
    static const QStringList Short{QStringLiteral("Nee"), QStringLiteral("Postfris"), QStringLiteral("Gestempeld"),
                                   QStringLiteral("Beide")};
    const QString word = Short.at(int(mark.owned));
    setText(mark.count > 1 ? QStringLiteral("%1 %2x").arg(word).arg(mark.count) : word);
    QString tip = key.isEmpty() ? QStringLiteral("Open eerst een velletje") : QStringLiteral("%1: %2").arg(key, state);
    if (mark.isOwned())
        tip += mark.count == 1 ? QStringLiteral(", 1 exemplaar") : QStringLiteral(", %1 exemplaren").arg(mark.count);
    if (mark.paidCents)
        tip += QStringLiteral(", betaald € %1").arg(MarksFile::centsText(*mark.paidCents));
    if (!mark.note.isEmpty())
        tip += QStringLiteral("\n") + mark.note;
    setToolTip(tip);
    setAccessibleDescription(tip);
}

void MarkButton::edit()
{
    const QString key = m_supplement.catalogueKey();
    if (key.isEmpty())
        return;
    MarkDialog dialog(key, m_collection.mark(key), window());
    if (m_interaction.showModal(dialog) != QDialog::Accepted)
        return;
    if (const SafeFile::Result written = m_collection.setMark(key, dialog.mark()); !written)
        m_interaction.message(window(), SafeFile::failureText(QString::fromLatin1(MarksFile::Path), written),
                              QStringLiteral(" In bezit"), Interaction::Icon::Warning);
}
