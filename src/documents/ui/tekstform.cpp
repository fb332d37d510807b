#include "documents/ui/tekstform.h"

#include "app/text_file.h"
#include "documents/description_lines.h"
#include "documents/supplement_file.h"
#include "printing/album_page.h"
#include "widgets/interaction.h"
#include "widgets/scroll_bar_names.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

TekstForm::TekstForm(const QString& text, Interaction& interaction, QWidget* parent)
    : QDialog(parent)
    , m_interaction(interaction)
{
    setObjectName(QStringLiteral("TekstForm"));
    setWindowTitle(QStringLiteral(" Omschrijving"));
    setFixedSize(500, 340);

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(QRect(QPoint(16, 16), DescriptionBox::Size));
    Text1->setAcceptRichText(false);
    Text1->setFont(DescriptionBox::font());
    Text1->document()->setDocumentMargin(1);
    // The box wraps at the same width the stored lines are measured with, whatever the style's scroll bar.
    Text1->setLineWrapMode(QTextEdit::FixedPixelWidth);
    Text1->setLineWrapColumnOrWidth(DescriptionBox::LineWidth + 2);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setAccessibleName(QStringLiteral("Omschrijving"));
    nameScrollBars(*Text1);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 254, 200, 20);
    // Two limits: what the album page holds (the rest is printed on a continuation page) and what is stored.
    PasLabel = new QLabel(QStringLiteral("Op het albumblad passen %1 regels; de rest komt op een vervolgblad.")
                              .arg(AlbumPage::FittingLines),
                          this);
    PasLabel->setObjectName(QStringLiteral("PasLabel"));
    PasLabel->setGeometry(16, 274, 400, 20);

    NewKnop = new QPushButton(QStringLiteral("Nieuw"), this);
    NewKnop->setObjectName(QStringLiteral("NewKnop"));
    NewKnop->setGeometry(420, 16, 66, 25);
    OkKnop = new QPushButton(QStringLiteral("Ok"), this);
    OkKnop->setObjectName(QStringLiteral("OkKnop"));
    OkKnop->setGeometry(340, 296, 70, 27);
    CancelKnop = new QPushButton(QStringLiteral("Cancel"), this);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setGeometry(416, 296, 70, 27);

    connect(Text1, &QTextEdit::textChanged, this, &TekstForm::Text1_Change);
    connect(NewKnop, &QPushButton::clicked, this, &TekstForm::NewKnop_Click);
    connect(OkKnop, &QPushButton::clicked, this, &TekstForm::OkKnop_Click);
    connect(CancelKnop, &QPushButton::clicked, this, &TekstForm::CancelKnop_Click);

    Text1->setPlainText(text);
    Text1_Change();
}

QString TekstForm::text() const
{
    return Text1->toPlainText();
}

void TekstForm::Text1_Change()
{
    const auto count = GetTextBoxZeilen(text()).size();
    Label1->setText(QStringLiteral("Regels : %1").arg(count));
    // A description that no longer fits the supplement shows its count in red.
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, count > DescriptionBox::MaxLines ? QColor(155, 0, 0) : QColor(0, 0, 0));
    Label1->setPalette(palette);
    // A description longer than the page holds can be stored, but not printed whole.
    palette.setColor(QPalette::WindowText, count > AlbumPage::FittingLines ? QColor(155, 0, 0) : QColor(0, 0, 0));
    PasLabel->setPalette(palette);
}

void TekstForm::NewKnop_Click()
{
    if (m_interaction.askYesNo(this, QStringLiteral("Wilt u een nieuwe tekst invoeren?"), QStringLiteral(" Nieuw"),
                               Interaction::Icon::Question, Interaction::Default::No))
        Text1->clear();
}

void TekstForm::OkKnop_Click()
{
    const QStringList lines = GetTextBoxZeilen(text());
    if (lines.size() > DescriptionBox::MaxLines) {
        m_interaction.message(this,
                              QStringLiteral("De omschrijving telt %1 regels; een supplement bewaart er hoogstens %2. "
                                             "Maak de tekst korter.")
                                  .arg(lines.size())
                                  .arg(DescriptionBox::MaxLines),
                              QStringLiteral("Velinor"), Interaction::Icon::Warning);
        return;
    }
    if (const QStringList characters = TextFile::unencodable(text()); !characters.isEmpty()) {
        m_interaction.message(this, unstorableCharactersMessage(characters), QStringLiteral("Velinor"),
                              Interaction::Icon::Warning);
        return;
    }
    m_lines = lines;
    accept();
}

void TekstForm::CancelKnop_Click()
{
    reject();
}
