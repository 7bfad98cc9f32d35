#include "TNyomtatasokLogic.h"

#include "reports/export/TSpreadsheetExport.h"

#include "model/game/TGame.h"
#include "model/services/Services.h"

namespace {

constexpr int Shift = 16; // the height of the Hebrew box score's row
constexpr int Row = 24;

// The report choices in their order down the group box.
struct TChoice
{
    const char *Name;
    const char *Caption;
    bool Radio;
};
constexpr TChoice Choices[] = {
    {"rbULEBTeamResultHeber", "Box score Hebrew", true},
    {"rbULEBTeamResult", "Box score", true},
    {"rbULEBGraphicon", "Key moments", true},
    {"rbULEBDobasterkep", "Shooting chart", true},
    {"rbULEBEventsList", "Game flow", true},
    {"rbULEBBenchTeamResults", "Quintet", true},
    {"rbULEBTeamResultPress", "Box score to Press", true},
    {"rbRosterPresentation", "Roster presentation", true},
    {"cbInvidualShotsHomeTeam", "Invidual shots -  Home team", true},
    {"cbInvidualShotsAwayTeam", "Invidual shots -  Away team", true},
    {"rbDobasTerkep", "Alternative shooting char", true},
    {"cbDobasterkepMain", "", false},
    {"cbDobasterkepDetaild", "", false},
    {"rbQuarterReports", "Quarter reports", true},
};

} // namespace

TNyomtatasokLogic::TNyomtatasokLogic(TGame &game, ITranslator &translator)
    : m_game(game), m_translator(translator), m_edition(game.Settings().Edition())
{
    for (const char *scope : {"Mindkét csapat dobásai", "Hazai csapat dobásai", "Vendég csapat dobásai"})
        m_scope.append(m_translator.Translate(QString::fromUtf8(scope), QStringLiteral("FORM")));
    layout();
}

void TNyomtatasokLogic::layout()
{
    const bool hebrew = m_edition == TEdition::Hebrew;
    const int up = hebrew ? 0 : Shift;
    int y = 24;
    for (const TChoice &c : Choices) {
        TControl control;
        control.Name = QLatin1String(c.Name);
        control.Caption = QLatin1String(c.Caption);
        control.Radio = c.Radio;
        const bool heber = control.Name == QLatin1String("rbULEBTeamResultHeber");
        // The Hebrew box score's row is 16 pixels high; the rows below it move up by that much.
        control.Place =
            QRect(control.Radio ? 20 : 40, heber ? y : y - up, control.Radio ? 260 : 240, heber ? 16 : 20);
        control.Visible = !heber || hebrew;
        control.Enabled = !control.Name.startsWith(QLatin1String("cbDobasterkep"));
        y += heber ? Shift : Row;
        m_controls.append(control);
    }
    m_groupBox = QRect(8, 8, 290, y - up);
    const int buttons = m_groupBox.bottom() + 12;
    const struct
    {
        const char *Name, *Caption;
        int X, Y;
        bool Visible;
    } side[] = {
        {"bbExcelExport", "Excel export", 310, 24, true},
        {"bbFibaExport", "FIBA export", 310, 56, m_game.Settings().FibaExport()},
        {"bbGameData", "Game data", 310, 88, true},
        {"bbSetPlayerTime", "Player times", 310, 120, true},
        {"bbULEBOK", "&OK", 120, buttons, true},
        {"bbCancel", "&Cancel", 210, buttons, true},
    };
    for (const auto &b : side)
        m_controls.append(TControl{QLatin1String(b.Name), QLatin1String(b.Caption), QRect(b.X, b.Y, 84, 26),
                                   b.Visible, true, false});
    m_dialogSize = QSize(410, buttons + 26 + 12);
}

const TNyomtatasokLogic::TControl *TNyomtatasokLogic::Control(const QString &name) const
{
    for (const TControl &c : m_controls)
        if (c.Name == name)
            return &c;
    return nullptr;
}

bool TNyomtatasokLogic::Select(const QString &radioName)
{
    const TControl *c = Control(radioName);
    if (!c || !c->Radio || !c->Visible)
        return false;
    m_selected = radioName;
    // The alternative chart's lists serve only that chart.
    const bool lists = radioName == QLatin1String("rbDobasTerkep");
    for (TControl &control : m_controls)
        if (control.Name.startsWith(QLatin1String("cbDobasterkep")))
            control.Enabled = lists;
    return true;
}

TReportRequest TNyomtatasokLogic::request() const
{
    TReportRequest request(m_game, m_translator);
    request.ImageFolder = m_imageFolder;
    request.NativeNames = m_names;
    request.JerseyLookup = m_lookup;
    request.Scope = TShotChoice::TScope(m_scopeIndex);
    request.Player = m_player;
    return request;
}

TReportDocument TNyomtatasokLogic::QuarterReport(const QList<int> &periods) const
{
    return TReportCatalogue::Variants(request()).Quarters(periods);
}

void TNyomtatasokLogic::SetScope(int index)
{
    m_scopeIndex = std::clamp(index, 0, 2);
    m_player = 0;
}

QStringList TNyomtatasokLogic::PlayerItems() const
{
    return TShotChoice::PlayerItems(m_game, TShotChoice::TScope(m_scopeIndex), m_translator);
}

TNyomtatasokLogic::TAction TNyomtatasokLogic::Ok(std::vector<TReportDocument> &documents) const
{
    documents.clear();
    m_messages.clear();
    const TReportCatalogue::TEntry *entry = TReportCatalogue::ByMenuEntry(m_selected);
    if (!entry)
        return TAction::NotAvailable;
    if (entry->Input == TReportCatalogue::TInput::Periods)
        return TAction::AskPeriods;
    if (entry->Input == TReportCatalogue::TInput::RosterNotes)
        return TAction::RosterPresentation;
    TReportResult result;
    TReportCatalogue::Build(*entry, request(), result);
    documents = std::move(result.Documents);
    m_messages = result.Messages;
    return TAction::Preview;
}

std::vector<TReportDocument> TNyomtatasokLogic::PrintAll() const
{
    return TReportCatalogue::PrintAll(request());
}

std::vector<TReportDocument> TNyomtatasokLogic::F12(bool &preview) const
{
    // The Hebrew edition previews its own box score; the others print theirs.
    preview = m_edition == TEdition::Hebrew;
    const TVariantReports variants = TReportCatalogue::Variants(request());
    std::vector<TReportDocument> documents;
    documents.push_back(preview ? variants.Hebrew() : variants.EditionBoxScore());
    return documents;
}

bool TNyomtatasokLogic::Export(bool fiba, const QString &file, QString *error) const
{
    return TSpreadsheetExport::Run(fiba ? TSpreadsheetExport::TKind::Fiba : TSpreadsheetExport::TKind::Excel,
                                   m_game, m_translator, m_templateFolder, file, error);
}
