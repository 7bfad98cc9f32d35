#include "TActiveAI.h"

#include "TScreenItems.h"

namespace {

// The frames of each code: of the side whose event it was, or of the other.
struct Frame
{
    int code;
    const char *name;
    bool ownSide;
};

const Frame Frames[] = {
    {1, "shActiveAIVedoCsapat", false},     {1, "shActiveAITamadoCsapat", true},
    {21, "shActiveAIEladottCsapat", false}, {22, "shActiveAISzerzettCsapat", false},
    {31, "shActiveAIFoulCsapat", false},    {32, "shActiveAIKiharcoltCsapat", false},
    {41, "shActiveAIHibaCsapat", false},    {42, "shActiveAIBlokkCsapat", false},
};

} // namespace

TActiveAI::TActiveAI(TScreenItems &items, std::function<void()> changed)
    : m_items(items), m_changed(std::move(changed))
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Clear(); });
}

void TActiveAI::Light(int code, int side)
{
    Clear();
    const int other = side == 1 ? 2 : 1;
    bool lit = false;
    for (const Frame &frame : Frames) {
        if (frame.code != code)
            continue;
        m_items.Get(QString::fromLatin1(frame.name) + QString::number(frame.ownSide ? side : other)).Visible =
            true;
        m_changed();
        lit = true;
    }
    if (lit)
        m_timer.start();
}

void TActiveAI::Clear()
{
    m_timer.stop();
    for (TScreenItem *item : m_items.PaintOrder())
        if (item->Name.contains(QLatin1String("shActiveAI")))
            item->Visible = false;
    m_changed();
}
