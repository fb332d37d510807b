#include "documents/ui/page_preview.h"

#include "documents/field_entry.h"
#include "widgets/double_click_label.h"
#include "widgets/fitted_text.h"
#include "widgets/scroll_bar_names.h"
#include "widgets/window_background.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>

namespace {

const QString EditHint = QStringLiteral(" Dubbelklik voor Bewerken ");
constexpr QPoint PlaceAt(130, 66);

QFont placeFont()
{
    return QFont(QStringLiteral("Arial"), 12, QFont::Bold);
}

QString fieldName(SupplementModel::Field field)
{
    switch (field) {
    case SupplementModel::Field::Plaatsnaam:
        return QStringLiteral("Plaatsnaam");
    case SupplementModel::Field::CatalogusNr:
        return QStringLiteral("Catalogusnummer");
    case SupplementModel::Field::Jaartal:
        return QStringLiteral("Jaartal");
    case SupplementModel::Field::PaginaNr:
        return QStringLiteral("Paginanummer");
    default:
        return QStringLiteral("Omschrijving");
    }
}

DoubleClickLabel* pageLabel(QWidget* page, const QString& name, QPoint at, int pointSize, bool bold)
{
    auto* label = new DoubleClickLabel(page);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(at);
    // An emptied field keeps a target to double-click.
    label->setMinimumSize(24, label->fontMetrics().height());
    label->setToolTip(EditHint);
    label->setFocusPolicy(Qt::StrongFocus);
    return label;
}

void setText(QLabel* label, const QString& text)
{
    label->setText(text);
    // A screen reader says the field by its name, then what it holds.
    label->setAccessibleDescription(text);
    label->adjustSize();
}

} // namespace

PagePreview::PagePreview(const SupplementModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("Pic"));
    setAccessibleName(QStringLiteral("Albumblad"));
    setFixedSize(PageSize);
    createLabels();
    setBackground(m_background);
    showAll();
    connect(&model, &SupplementModel::changed, this, [this](SupplementModel::Field field) { showField(int(field)); });
}

void PagePreview::createLabels()
{
    auto* titel = new QLabel(QStringLiteral("Velinor"), this);
    titel->setObjectName(QStringLiteral("TitelLabel"));
    titel->setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
    titel->move(100, 35);
    titel->adjustSize();

    PlaatsLabel = pageLabel(this, QStringLiteral("PlaatsLabel"), PlaceAt, 12, true);
    PicImage = new QLabel(this);
    PicImage->setObjectName(QStringLiteral("PicImage"));
    PicImage->setAccessibleName(QStringLiteral("Plaatje op het albumblad"));
    PicImage->setGeometry(44, 104, 263, 143);
    PicImage->setScaledContents(true);
    CatalogusLabel = pageLabel(this, QStringLiteral("CatalogusLabel"), {43, 253}, 8, false);
    JaartalLabel = pageLabel(this, QStringLiteral("JaartalLabel"), {287, 253}, 8, false);
    PagLabel = pageLabel(this, QStringLiteral("PagLabel"), {335, 510}, 8, false);
    using Field = SupplementModel::Field;
    for (const auto& [label, field] : {std::pair{PlaatsLabel, Field::Plaatsnaam},
                                       {CatalogusLabel, Field::CatalogusNr},
                                       {JaartalLabel, Field::Jaartal},
                                       {PagLabel, Field::PaginaNr}}) {
        connect(label, &DoubleClickLabel::doubleClicked, this, [this, field] { Q_EMIT fieldDoubleClicked(field); });
        label->setAccessibleName(fieldName(field));
    }

    OmschrijfLabel = new QPlainTextEdit(this);
    OmschrijfLabel->setObjectName(QStringLiteral("OmschrijfLabel"));
    OmschrijfLabel->setAccessibleName(fieldName(SupplementModel::Field::Omschrijving));
    nameScrollBars(*OmschrijfLabel);
    OmschrijfLabel->setGeometry(44, 290, 264, 210);
    OmschrijfLabel->setReadOnly(true);
    OmschrijfLabel->setFrameShape(QFrame::NoFrame);
    OmschrijfLabel->setFont(QFont(QStringLiteral("Arial"), 6));
    OmschrijfLabel->setToolTip(EditHint);
    OmschrijfLabel->viewport()->setCursor(Qt::ArrowCursor);
    OmschrijfLabel->viewport()->installEventFilter(this);
    OmschrijfLabel->installEventFilter(this);
    QPalette palette = OmschrijfLabel->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    OmschrijfLabel->setPalette(palette);
}

void PagePreview::showField(int field)
{
    using Field = SupplementModel::Field;
    switch (Field(field)) {
    case Field::Plaatsnaam:
        return showPlace();
    case Field::CatalogusNr:
        return setText(CatalogusLabel, fieldLabelText(InvoerVeld::CatalogusNr, m_model.CatalogusNr()));
    case Field::Jaartal:
        return setText(JaartalLabel, m_model.Jaartal());
    case Field::PaginaNr:
        return setText(PagLabel, m_model.PaginaNr());
    case Field::Omschrijving:
        return OmschrijfLabel->setPlainText(m_model.Omschrijving());
    case Field::Picture:
        if (m_model.AfbeeldingOvergezet())
            PicImage->setPixmap(QPixmap::fromImage(m_model.pagePicture()));
        else
            PicImage->clear();
        return;
    case Field::CatalogueRecord:
        return;
    }
}

// The place name where the page has it, moved left and made smaller as far as a long one needs: it never
// runs off the page.
void PagePreview::showPlace()
{
    constexpr int Margin = 8;
    setFittedText(PlaatsLabel, m_model.Plaatsnaam(), PageSize.width() - 2 * Margin, placeFont());
    PlaatsLabel->move(std::clamp(PageSize.width() - Margin - PlaatsLabel->width(), Margin, PlaceAt.x()), PlaceAt.y());
}

void PagePreview::showAll()
{
    for (int field = 0; field <= int(SupplementModel::Field::Picture); ++field)
        showField(field);
}

bool PagePreview::eventFilter(QObject* watched, QEvent* event)
{
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick && watched == OmschrijfLabel->viewport();
    // The keys that open a page field open the description too.
    const int key =
        event->type() == QEvent::KeyPress && watched == OmschrijfLabel ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (doubleClick || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_F2) {
        Q_EMIT fieldDoubleClicked(SupplementModel::Field::Omschrijving);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PagePreview::setBackground(const QColor& colour)
{
    // The page is paper in every desktop theme: its text takes its colour from the page's own colour.
    m_background = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, readableOn(colour));
    setPalette(palette);
    QPalette description = OmschrijfLabel->palette();
    description.setColor(QPalette::Text, readableOn(colour, QColor(90, 90, 90), QColor(210, 210, 210)));
    OmschrijfLabel->setPalette(description);
    update();
}

void PagePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    // The frame around the sheetlet picture: both corners included, as the box was always drawn.
    painter.setPen(QColor(150, 150, 150));
    painter.setBrush(QColor(210, 210, 220));
    painter.drawRect(PictureFrame.adjusted(0, 0, -1, -1));
}

RingBinder::RingBinder(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Ringband"));
    setAccessibleName(QStringLiteral("Ringband"));
    setFixedSize(StripSize);
}

void RingBinder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(190, 250, 190));
    for (int k = 0; k <= 26; ++k) {
        const QPointF centre(10, 10 + 20 * k);
        painter.setPen(QColor(0, 90, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 6, 6);
        painter.setPen(QColor(0, 190, 0));
        painter.drawEllipse(centre, 5, 5);
    }
}
