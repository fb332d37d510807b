#include "canvas/ui/tool_row.h"

#include "app/application_state.h"
#include "canvas/tool_icons.h"

#include <QLabel>
#include <QStringList>
#include <QToolButton>

namespace {

constexpr QPoint RowAt(12, 292); // in the editing area
constexpr int ButtonWidth = 42;

} // namespace

ToolRow::ToolRow(ApplicationState& state, QWidget* area)
    : QWidget(area)
    , m_state(state)
{
    setObjectName(QStringLiteral("ToolRow"));
    setAccessibleName(QStringLiteral("Tekengereedschap"));
    setGeometry(QRect(RowAt, QSize(12 * ButtonWidth + 1, 45)));
    static const QStringList names = {QStringLiteral("Potlood"),
                                      QStringLiteral("Rechte lijn"),
                                      QStringLiteral("Rechthoek"),
                                      QStringLiteral("Gevulde rechthoek"),
                                      QStringLiteral("Ellips"),
                                      QStringLiteral("Gevulde ellips"),
                                      QStringLiteral("Vullen"),
                                      QStringLiteral("Spuitbus"),
                                      QStringLiteral("Gum"),
                                      QStringLiteral("Kleur opvragen"),
                                      QStringLiteral("Gekleurde cirkels"),
                                      QStringLiteral("Foto in rechthoek")};
    for (int i = 1; i <= DrawingToolCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Knop%1").arg(i));
        button->setGeometry(ButtonWidth * (i - 1), 0, i == 12 ? ButtonWidth + 1 : ButtonWidth, 38);
        button->setIcon(QIcon(QPixmap::fromImage(ToolIcons::tool(i))));
        button->setIconSize(QSize(32, 32));
        button->setAutoFillBackground(true);
        button->setStyleSheet(
            QStringLiteral("QToolButton { background: rgb(250,250,200); border: 1px solid rgb(160,160,140); }"
                           "QToolButton:disabled { background: rgb(235,235,215); }"));
        button->setEnabled(false);
        button->setToolTip(QLatin1Char(' ') + names.at(i - 1) + QLatin1Char(' '));
        button->setAccessibleName(names.at(i - 1));
        connect(button, &QToolButton::clicked, this, [this, i] { Knop_Click(i); });
        m_knop[i] = button;
    }
    m_knopPijl = new QLabel(this);
    m_knopPijl->setObjectName(QStringLiteral("KnopPijl"));
    m_knopPijl->setPixmap(QPixmap::fromImage(ToolIcons::marker()));
    m_knopPijl->setGeometry(15, 35, 12, 10);
    m_knopPijl->hide();
    connect(&m_state, &ApplicationState::gereedschapChanged, this, &ToolRow::showMode);
}

void ToolRow::setButtonsEnabled(bool on)
{
    for (int i = 1; i <= DrawingToolCount; ++i)
        m_knop[i]->setEnabled(on);
    m_knopPijl->setEnabled(on);
}

void ToolRow::Knop_Click(int index)
{
    if (index >= 1 && index <= DrawingToolCount)
        m_state.setGereedschap(ToolMode(index));
}

void ToolRow::showMode(ToolMode mode)
{
    const bool drawing = isDrawingTool(mode);
    if (drawing)
        m_knopPijl->move(15 + ButtonWidth * (int(mode) - 1), m_knopPijl->y());
    m_knopPijl->setVisible(drawing);
}
