#include "canvas/tools/tool_box.h"

#include "app/application_state.h"
#include "app/rounding.h"
#include "canvas/canvas_document.h"

#include <QStringList>

ToolBox::ToolBox(ApplicationState& state, CanvasDocument& document)
    : m_state(state)
    , m_document(document)
    , m_random(makeClockRandom())
{
    for (int i = 1; i <= ToolCount; ++i)
        m_tools[i] = makeTool(i);
}

ToolBox::~ToolBox() = default;

void ToolBox::setFotoLaden(std::function<void(double, double, double, double)> fotoLaden)
{
    m_fotoLaden = std::move(fotoLaden);
}

void ToolBox::setRandom(std::unique_ptr<RandomSource> random)
{
    m_random = std::move(random);
}

QString ToolBox::hint(int tool)
{
    static const QStringList hints = {
        QStringLiteral("Tekenen van kromme lijnen in de tekenkleur."),
        QStringLiteral("Tekenen van rechte lijnen met ingedrukte linkermuisknop."),
        QStringLiteral("Tekenen van vierkanten en rechthoeken in de tekenkleur."),
        QStringLiteral("Tekenen van rechthoeken gevuld met de vulkleur."),
        QStringLiteral("Tekenen van circels en ellipsen in de tekenkleur."),
        QStringLiteral("Tekenen van circels en ellipsen gevuld met de vulkleur."),
        QStringLiteral("Linkermuisknop is vullen van vlakken met de vulkleur."),
        QStringLiteral("Spray met ingedrukte linkermuisknop."),
        QStringLiteral("Gommen in de tekenkleur met de linkermuisknop."),
        QStringLiteral("Linkermuisknop is tekenkleur, rechter is vulkleur opvragen."),
        QStringLiteral("Teken met ingedrukte linkermuisknop van gekleurde circels."),
        QStringLiteral("Selecteer een rechthoek ter grootte van de ingevoerde foto."),
    };
    return tool >= 1 && tool <= ToolCount ? hints.at(tool - 1) : QString();
}

CanvasTool* ToolBox::selectedTool() const
{
    const int number = int(m_state.Gereedschap());
    return number >= 1 && number <= ToolCount ? m_tools[number].get() : nullptr;
}

ToolContext ToolBox::context()
{
    return ToolContext{m_state, m_points, m_document.surface(), *m_random, m_layer, m_fotoLaden};
}

void ToolBox::ensureStroke(CanvasTool& tool)
{
    if (!m_document.inStroke())
        m_document.beginStroke(tool.name());
}

void ToolBox::mouseDown(Qt::MouseButton button, QPointF at)
{
    m_points.StartX = at.x();
    m_points.StartY = double(RondAf(at.y()));
    m_document.surface().setDrawWidth(m_state.lineWidth());
    CanvasTool* tool = selectedTool();
    if (!tool)
        return;
    m_document.beginStroke(tool->name());
    ToolContext c = context();
    if (button == Qt::LeftButton)
        tool->press(c, at);
    else if (button == Qt::RightButton)
        tool->pressRight(c, at);
}

void ToolBox::mouseMove(Qt::MouseButtons buttons, QPointF at)
{
    if (!(buttons & Qt::LeftButton))
        return;
    if (CanvasTool* tool = selectedTool()) {
        ensureStroke(*tool);
        ToolContext c = context();
        tool->drag(c, at);
    }
    m_points.VorigX = at.x();
    m_points.VorigY = double(RondAf(at.y()));
}

void ToolBox::mouseUp(Qt::MouseButton button, QPointF at)
{
    CanvasSurface& surface = m_document.surface();
    surface.setDrawMode(CanvasSurface::DrawMode::CopyPen);
    CanvasTool* tool = selectedTool();
    if (tool && button == Qt::LeftButton) {
        ToolContext c = context();
        tool->release(c, at);
    }
    endWithoutToolWork();
}

void ToolBox::endWithoutToolWork()
{
    m_document.endStroke();
    m_document.surface().resetState();
    m_layer.reset();
}
