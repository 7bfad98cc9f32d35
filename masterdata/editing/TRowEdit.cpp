#include "TRowEdit.h"

#include "masterdata/TMessageTable.h"
#include "masterdata/TSchema.h"
#include "masterdata/TdmMain.h"
#include "masterdata/editing/TMasterStatements.h"
#include "model/game/GameCode.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

TRowEdit::TField text(const char *column, const char *label, const char *option)
{
    return {QString::fromLatin1(column), QString::fromUtf8(label), QString::fromLatin1(option), false};
}

TRowEdit::TField number(const char *column, const char *label, const char *option)
{
    return {QString::fromLatin1(column), QString::fromUtf8(label), QString::fromLatin1(option), true};
}

int idOf(const QString &value)
{
    bool ok = false;
    const int id = value.trimmed().toInt(&ok);
    return ok ? id : 0;
}

} // namespace

TRowEdit::TRowEdit(TdmMain &dm, TMasterKind kind)
    : m_dm(dm), m_kind(kind), m_now([] { return QDateTime::currentDateTime(); }),
      m_gameCode([] { return NewGameCode(); })
{
}

QList<TRowEdit::TField> TRowEdit::Fields(TMasterKind kind)
{
    switch (kind) {
    case TMasterKind::League:
        return {text("LigaNev", "League name", "name")};
    case TMasterKind::Team:
        return {text("EgyesuletNev", "TEam name", "name"),
                text("EgyesuletRovidNev", "Short name", "short"),
                text("EgyesuletSzin", "Color", "colour"),
                text("EgyesuletEdzoNev", "Coach name", "coach"),
                text("EgyesuletTel", "Phone", "phone"),
                text("EgyesuletCsarnok", "Stadium name", "stadium"),
                text("EgyesuletCsarnokTelefon", "Stadium Phone", "stadium-phone"),
                number("EgyesuletCsarnokFerohely", "Férohely:", "capacity"),
                text("EgyesuletElnokNev", "President", "president"),
                text("EgyesuletTechNev", "Technical director", "technical"),
                text("EgyesuletEredetiNev", "Native name", "native")};
    case TMasterKind::Player:
        return {text("JatekosNev", "Name", "name"),
                text("JatekosRovidNev", "Short name", "short"),
                text("Szuletes", "Birth date", "birth"),
                number("JatekosTestMagassag", "Height", "height"),
                number("JatekosSuly", "Weight", "weight"),
                text("JatekosPoszt", "Pos.", "position"),
                number("JatekosMezSzam", "Jersey", "jersey"),
                text("WebID", "Web ID", "webid"),
                text("JatekosEredetiNev", "Nativ name", "native")};
    case TMasterKind::Game:
        return {number("LigaID", "League", "league"),
                number("HazaiCsapatID", "Home team", "home"),
                number("VendegCsapatID", "Away team", "away"),
                text("Datum", "Date", "date"),
                text("Nap", "Day", "day"),
                text("Ora", "Hour", "hour"),
                text("MerkozesKod", "Game code", "code"),
                text("Biro1", "Referee", "referee1"),
                text("Biro2", "Referee", "referee2"),
                text("Biro3", "Referee", "referee3")};
    }
    return {};
}

QString TRowEdit::Table(TMasterKind kind)
{
    switch (kind) {
    case TMasterKind::League:
        return QStringLiteral("League");
    case TMasterKind::Team:
        return QStringLiteral("Team");
    case TMasterKind::Player:
        return QStringLiteral("Player");
    case TMasterKind::Game:
        return QStringLiteral("Game");
    }
    return {};
}

QString TRowEdit::IdColumn(TMasterKind kind)
{
    switch (kind) {
    case TMasterKind::League:
        return QStringLiteral("LigaID");
    case TMasterKind::Team:
        return QStringLiteral("CsapatID");
    case TMasterKind::Player:
        return QStringLiteral("JatekosID");
    case TMasterKind::Game:
        return QStringLiteral("ID");
    }
    return {};
}

QString TRowEdit::ColumnFor(TMasterKind kind, const QString &name)
{
    for (const TField &f : Fields(kind))
        if (f.column.compare(name, Qt::CaseInsensitive) == 0 ||
            f.option.compare(name, Qt::CaseInsensitive) == 0)
            return f.column;
    return {};
}

bool TRowEdit::fail(const QString &message)
{
    m_error = message;
    return false;
}

void TRowEdit::StartInsert()
{
    m_id = 0;
    m_values.clear();
    m_error.clear();
    if (m_kind == TMasterKind::Player)
        m_values.insert(QStringLiteral("Szuletes"), m_now().date().toString(QStringLiteral("yyyyMMdd")));
    if (m_kind == TMasterKind::Game)
        m_values.insert(QStringLiteral("MerkozesKod"), m_gameCode());
}

bool TRowEdit::StartEdit(int id)
{
    m_error.clear();
    QList<QVariantMap> rows;
    if (!m_dm.Query(QStringLiteral("select * from %1 where %2 = :PID")
                        .arg(TSchema::Quote(Table(m_kind)), TSchema::Quote(IdColumn(m_kind))),
                    {{QStringLiteral("PID"), id}}, &rows))
        return fail(m_dm.LastError());
    if (rows.isEmpty())
        return fail(QStringLiteral("%1 has no row %2").arg(Table(m_kind)).arg(id));
    m_id = id;
    m_values.clear();
    for (const TField &f : Fields(m_kind)) {
        const QVariant v = rows.first().value(f.column);
        m_values.insert(f.column, v.isNull() ? QString() : v.toString());
    }
    return true;
}

void TRowEdit::SetField(const QString &column, const QString &value)
{
    m_values.insert(column, value);
}

QString TRowEdit::FailedCheck() const
{
    auto blank = [this](const char *column) { return Field(QLatin1String(column)).trimmed().isEmpty(); };
    auto null = [this](const char *column) { return idOf(Field(QLatin1String(column))) == 0; };
    switch (m_kind) {
    case TMasterKind::League:
        if (blank("LigaNev"))
            return QStringLiteral("MsgLeagueNameRequired");
        break;
    case TMasterKind::Team:
        if (blank("EgyesuletNev"))
            return QStringLiteral("MsgTeamNameRequired");
        break;
    case TMasterKind::Player:
        if (blank("JatekosNev"))
            return QStringLiteral("MsgPlayerNameRequired");
        // Only a field left empty is missing; anything else must be a date.
        if (Field(QStringLiteral("Szuletes")).isEmpty())
            return QStringLiteral("MsgBirthDateRequired");
        if (BirthDate(Field(QStringLiteral("Szuletes"))).isEmpty())
            return QStringLiteral("MsgBirthDateInvalid");
        break;
    case TMasterKind::Game:
        if (null("LigaID"))
            return QStringLiteral("MsgLeagueRequired");
        if (null("HazaiCsapatID"))
            return QStringLiteral("MsgHomeTeamRequired");
        if (null("VendegCsapatID"))
            return QStringLiteral("MsgAwayTeamRequired");
        // A game not dated yet may be saved; a date or hour typed must be one.
        if (!blank("Datum") && GameDate(Field(QStringLiteral("Datum"))).isEmpty())
            return QStringLiteral("MsgGameDateInvalid");
        if (!blank("Ora") && GameHour(Field(QStringLiteral("Ora"))).isEmpty())
            return QStringLiteral("MsgGameHourInvalid");
        break;
    }
    return {};
}

QString TRowEdit::FailedCheckText(const TMessageTable &messages) const
{
    const QString name = FailedCheck();
    return name.isEmpty() ? QString() : messages.Text(name);
}

QString TRowEdit::BirthDate(const QString &typed)
{
    const QString text = typed.trimmed();
    const QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    return text.size() == 8 && date.isValid() ? text : QString();
}

QString TRowEdit::GameDate(const QString &typed)
{
    // The schedule compares dates by the places of day, month and year, so
    // a date typed without leading zeros is stored with them.
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\.?$"));
    const QRegularExpressionMatch m = form.match(typed.trimmed());
    if (!m.hasMatch())
        return {};
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString TRowEdit::GameHour(const QString &typed)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})[:.](\\d{2})$"));
    const QRegularExpressionMatch m = form.match(typed.trimmed());
    if (!m.hasMatch())
        return {};
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt());
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
}

QString TRowEdit::Weekday(const QString &datum, const QString &stored, const QLocale &locale)
{
    const QDate date = QDate::fromString(GameDate(datum), QStringLiteral("dd.MM.yyyy"));
    return date.isValid() ? locale.dayName(date.dayOfWeek()) : stored;
}

void TRowEdit::normalize()
{
    auto tidy = [this](const char *column, QString (*form)(const QString &)) {
        const QString name = QLatin1String(column);
        const QString shown = form(Field(name));
        if (!shown.isEmpty())
            m_values.insert(name, shown);
    };
    if (m_kind == TMasterKind::Player)
        tidy("Szuletes", &BirthDate);
    if (m_kind == TMasterKind::Game) {
        tidy("Datum", &GameDate);
        tidy("Ora", &GameHour);
        // The day stored is the date's, whatever was typed beside it.
        if (!GameDate(Field(QStringLiteral("Datum"))).isEmpty())
            m_values.insert(QStringLiteral("Nap"),
                            Weekday(Field(QStringLiteral("Datum")), QString(), m_dm.NameCollator().locale()));
    }
}

bool TRowEdit::write(QVariantMap *bound)
{
    const QString table = Table(m_kind);
    QStringList columns, placeholders, assignments;
    int i = 0;
    for (const TField &f : Fields(m_kind)) {
        const QString value = Field(f.column);
        const QString placeholder = QStringLiteral("v%1").arg(i++);
        QVariant v;
        if (f.integer) {
            bool ok = true;
            const int n = value.trimmed().toInt(&ok);
            if (!value.trimmed().isEmpty() && !ok)
                return fail(QStringLiteral("'%1' is not a valid integer value").arg(value));
            v = value.trimmed().isEmpty() ? QVariant(QMetaType(QMetaType::Int)) : QVariant(n);
        } else {
            // An empty field is stored as NULL, as the checks read it.
            v = value.isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                : QVariant(TSchema::Cut(table, f.column, value));
        }
        bound->insert(placeholder, v);
        columns << TSchema::Quote(f.column);
        placeholders << QLatin1Char(':') + placeholder;
        assignments << TSchema::Quote(f.column) + QStringLiteral(" = :") + placeholder;
    }
    if (m_id == 0) {
        if (!m_dm.Query(QStringLiteral("insert into %1 (%2) values (%3)")
                            .arg(TSchema::Quote(table), columns.join(QLatin1String(", ")),
                                 placeholders.join(QLatin1String(", "))),
                        *bound))
            return fail(m_dm.LastError());
        QList<QVariantMap> rows;
        if (!m_dm.Query(QStringLiteral("select last_insert_rowid() as NewID"), {}, &rows) || rows.isEmpty())
            return fail(m_dm.LastError());
        bound->insert(QStringLiteral("PID"), rows.first().value(QStringLiteral("NewID")));
    } else {
        bound->insert(QStringLiteral("PID"), m_id);
        if (!m_dm.Query(QStringLiteral("update %1 set %2 where %3 = :PID")
                            .arg(TSchema::Quote(table), assignments.join(QLatin1String(", ")),
                                 TSchema::Quote(IdColumn(m_kind))),
                        *bound))
            return fail(m_dm.LastError());
    }
    return true;
}

bool TRowEdit::Save()
{
    m_error.clear();
    const QMap<QString, QString> typed = m_values;
    normalize();
    if (!m_dm.BeginTransaction()) {
        m_values = typed;
        return fail(m_dm.LastError());
    }
    QVariantMap bound;
    bool ok = write(&bound);
    const int id = bound.value(QStringLiteral("PID")).toInt();
    QString webId;
    // A player saved without a web identifier gets one from the clock.
    if (ok && m_kind == TMasterKind::Player && Field(QStringLiteral("WebID")).isEmpty()) {
        webId = WebIdAt(m_now());
        ok = m_dm.Query(QStringLiteral("update \"Player\" set WebID = :PWEBID where JatekosID = :PID"),
                        {{QStringLiteral("PWEBID"), webId}, {QStringLiteral("PID"), id}}) ||
             fail(m_dm.LastError());
    }
    if (ok && !m_dm.Commit())
        ok = fail(m_dm.LastError());
    if (!ok) {
        const QString why = m_error;
        m_dm.Rollback();
        m_error = why;
        m_values = typed;
        return false;
    }
    m_id = id;
    if (!webId.isEmpty())
        m_values.insert(QStringLiteral("WebID"), webId);
    return true;
}

TIDList TRowEdit::LeagueChoices()
{
    TMasterStatements statements(m_dm);
    TIDList list = statements.Leagues();
    m_error = statements.LastError();
    return list;
}

TIDList TRowEdit::TeamChoices()
{
    TMasterStatements statements(m_dm);
    TIDList list = statements.TeamsOfLeague(idOf(Field(QStringLiteral("LigaID"))));
    m_error = statements.LastError();
    return list;
}

QString TRowEdit::ChoiceProblem()
{
    if (m_kind != TMasterKind::Game)
        return {};
    const int league = idOf(Field(QStringLiteral("LigaID")));
    const TIDList leagues = LeagueChoices();
    if (!m_error.isEmpty())
        return m_error;
    if (IndexOfId(leagues, league) < 0)
        return QStringLiteral("There is no league %1").arg(league);
    const TIDList teams = TeamChoices();
    if (!m_error.isEmpty())
        return m_error;
    for (const char *column : {"HazaiCsapatID", "VendegCsapatID"}) {
        const int team = idOf(Field(QLatin1String(column)));
        if (IndexOfId(teams, team) < 0)
            return QStringLiteral("Team %1 is not joined to league %2").arg(team).arg(league);
    }
    return {};
}

QString TRowEdit::WebIdAt(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("dhmmss"));
}
