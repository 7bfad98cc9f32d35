#pragma once

// What the translation tests share: the texts a window shows, the home with
// the shipped translations, and the texts not in the edition's language.
#include "desktop/court/TCourtScreen.h"
#include "desktop/court/TfrmParquetixScreenNew.h"
#include "desktop/mainwindow/TfrmParquetixMain.h"
#include "desktop/masterdata/TfrmMasterEdit.h"
#include "desktop/masterdata/TfrmNewLiga.h"
#include "desktop/wizard/TDesktopWizards.h"
#include "desktop/wizard/TWizardWindow.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"
#include "model/game/TGame.h"
#include "model/script/TGameScript.h"
#include "model/services/Services.h"
#include "model/services/THeadlessScreen.h"
#include "reports/export/TSheetTemplate.h"
#include "shell/session/TDesktopSession.h"
#include "transmission/IConnectionProbe.h"
#include "workflow/reportmenu/TNyomtatasokLogic.h"

#include "support/TestHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class TNoPrompts : public IPrompter
{
public:
    void ShowError(const QString &text) override { Shown << text; }
    void ShowInformation(const QString &text) override { Shown << text; }
    bool Confirm(const QString &text) override
    {
        Shown << text;
        return Answer;
    }
    QStringList Shown;
    bool Answer = false;
};

class TOffline : public IConnectionProbe
{
public:
    bool IsConnected() override { return false; }
};

// The texts of the translate table with an empty translation in language.
inline QStringList untranslated(const QString &database, const QString &language)
{
    QStringList texts;
    const QString name = QStringLiteral("untranslated-") + language;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database);
        if (!db.open())
            return {QStringLiteral("cannot open ") + database};
        QSqlQuery query(db);
        query.prepare(
            QStringLiteral("SELECT StringType, NonTranslatedString FROM translate WHERE Language = ? "
                           "AND (TranslatedString IS NULL OR TranslatedString = '')"));
        query.addBindValue(language);
        query.exec();
        while (query.next())
            texts << query.value(0).toString() + QLatin1Char('\t') + query.value(1).toString();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    texts.sort();
    return texts;
}

inline QString shippedDatabase()
{
    return binaryFolder() + QStringLiteral("/Datastore/parquetix.db");
}

inline QByteArray shippedBytes()
{
    QFile file(shippedDatabase());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The texts of one language: its translations and the data of the master
// tables (names, dates), which are shown as they are stored.
class TLanguageTexts
{
public:
    TLanguageTexts(const QString &database, const QString &language)
        : m_locale(TdmMain::EditionLocale(language))
    {
        const QString name = QStringLiteral("texts-") + language;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(database);
            if (db.open()) {
                QSqlQuery query(db);
                query.prepare(QStringLiteral("SELECT TranslatedString FROM translate WHERE Language = ?"));
                query.addBindValue(language);
                query.exec();
                while (query.next())
                    m_known.insert(plain(query.value(0).toString()));
                for (const char *table : {"League", "Team", "Player", "Game", "Staff", "Language"}) {
                    QSqlQuery rows(QStringLiteral("SELECT * FROM \"%1\"").arg(QLatin1String(table)), db);
                    while (rows.next())
                        for (int c = 0; c < rows.record().count(); ++c)
                            m_known.insert(plain(rows.value(c).toString()));
                }
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(name);
        // A message with a number put in ("Games of the schedule: %1") is
        // known by its parts as well.
        const QSet<QString> whole = m_known;
        for (const QString &text : whole)
            if (text.contains(QLatin1Char('%')))
                for (const QString &part : text.split(joints(), Qt::SkipEmptyParts))
                    m_known.insert(part.trimmed());
        // ... and a part with a number in a word's place ("%2. sor" shown as "4. sor").
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        for (const QString &text : std::as_const(m_known)) {
            if (!text.contains(placeholder))
                continue;
            QStringList pieces = text.split(placeholder);
            for (QString &piece : pieces)
                piece = QRegularExpression::escape(piece);
            m_numbered.append(QRegularExpression(QLatin1Char('^') + pieces.join(QStringLiteral("\\d+")) +
                                                 QLatin1Char('$')));
        }
        for (int d = 1; d <= 7; ++d)
            m_known.insert(m_locale.dayName(d));
        m_known.insert(QStringLiteral("Parquetix"));
    }

    void AddData(const QString &text) { m_known.insert(plain(text)); }

    // Without accelerator marks and surrounding blanks.
    static QString plain(QString text)
    {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        return text.trimmed();
    }

    bool InLanguage(const QString &shown) const
    {
        const QString text = plain(shown);
        if (m_known.contains(text) || m_known.contains(text + QLatin1Char(':')) ||
            text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://")) ||
            std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }) ||
            std::any_of(m_numbered.begin(), m_numbered.end(),
                        [&text](const QRegularExpression &re) { return re.match(text).hasMatch(); }))
            return true;
        // Texts put together of translated lines, parts and data.
        static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
        const QStringList lines = text.split(breaks, Qt::SkipEmptyParts);
        if (lines.size() > 1)
            return std::all_of(lines.begin(), lines.end(),
                               [this](const QString &l) { return InLanguage(l); });
        const QStringList parts = text.split(joints(), Qt::SkipEmptyParts);
        if (parts.size() > 1)
            return std::all_of(parts.begin(), parts.end(),
                               [this](const QString &p) { return InLanguage(p); });
        for (const QString &end : {QStringLiteral(":"), QStringLiteral("!"), QStringLiteral("?")})
            if (text.endsWith(end) &&
                (m_known.contains(text.chopped(1)) || m_known.contains(text.chopped(1).trimmed())))
                return true;
        return false;
    }

    static const QRegularExpression &joints()
    {
        static const QRegularExpression joints(
            QStringLiteral("\\s*(?:\\n|\\r|: |, | - |\\(|\\)|/|\\.\\.\\.)\\s*"));
        return joints;
    }

    QStringList Foreign(const QStringList &texts) const
    {
        QStringList foreign;
        for (const QString &t : texts)
            if (!InLanguage(t))
                foreign << t;
        foreign.removeDuplicates();
        return foreign;
    }

private:
    QLocale m_locale;
    QSet<QString> m_known;
    QList<QRegularExpression> m_numbered;
};

inline void menuTexts(QMenu *menu, QStringList &texts)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu())
            menuTexts(action->menu(), texts);
    }
}

// Every text a window shows that is not typed in by the operator or data of a list.
inline QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || w->objectName().startsWith(QLatin1String("lblValue")))
            continue;
        if (!w->toolTip().isEmpty())
            texts << QTextDocumentFragment::fromHtml(w->toolTip()).toPlainText();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        else if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto *tree = qobject_cast<QTreeWidget *>(w))
            for (int c = 0; c < tree->columnCount(); ++c)
                texts << tree->headerItem()->text(c);
        else if (auto *table = qobject_cast<QTableWidget *>(w)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (table->horizontalHeaderItem(c))
                    texts << table->horizontalHeaderItem(c)->text();
                for (int r = 0; r < table->rowCount(); ++r)
                    if (table->item(r, c))
                        texts << table->item(r, c)->text() << table->item(r, c)->toolTip();
            }
        } else if (auto *bar = qobject_cast<QMenuBar *>(w))
            for (QAction *action : bar->actions()) {
                texts << action->text();
                if (action->menu())
                    menuTexts(action->menu(), texts);
            }
    }
    return texts;
}

inline QString joined(const QStringList &texts)
{
    return texts.join(QStringLiteral(" | "));
}

} // namespace
