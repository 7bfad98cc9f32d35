// parquetix-masterdata-dialog NAME [--lang CODE] [--edit ID]: opens one
// master data dialog alone on the database of the application home
// (the same home the programs use), so it can be looked at
// in every language before the main window offers it.

#include "TfrmGameList.h"
#include "TfrmMasterEdit.h"
#include "TfrmNewLiga.h"
#include "TfrmNewLigaCsapat.h"
#include "TfrmNewLigaCsapatJatekos.h"
#include "TfrmNewPlayer.h"
#include "TfrmNewTeam.h"
#include "common/TApplicationHome.h"
#include "desktop/text/TMessageBoxPrompter.h"
#include "masterdata/TBundledData.h"
#include "masterdata/TMessageTable.h"
#include "masterdata/TTranslator.h"
#include "masterdata/TdmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("TfrmNewLiga, TfrmNewTeam, TfrmNewPlayer, TfrmGameList, TfrmLiga, "
                       "TfrmEgyesulet, TfrmJatekos, TfrmMerkozesek, TfrmNewLigaCsapat "
                       "or TfrmNewLigaCsapatJatekos"));
    parser.addOption({QStringLiteral("lang"), QStringLiteral("Interface language."), QStringLiteral("CODE"),
                      QStringLiteral("HUN")});
    parser.addOption({QStringLiteral("edit"), QStringLiteral("Edit that row instead of a new one."),
                      QStringLiteral("ID")});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const QString name = parser.positionalArguments().first();

    const QString home = TApplicationHome::Current();
    TdmMain dm(TdmMain::DatabaseFile(home));
    QString why;
    if (!dm.OpenAll() || !TBundledData::GiveTextsToBareDatabase(dm, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why.isEmpty() ? dm.LastError() : why));
        return 1;
    }
    dm.SetNameLocale(TdmMain::EditionLocale(parser.value(QStringLiteral("lang"))));
    TTranslator translator(dm, parser.value(QStringLiteral("lang")));
    TMessageTable messages;
    messages.BuildMessageTable(translator);
    TMessageBoxPrompter prompter;
    const TDialogContext context{dm, translator, messages, prompter};

    const QHash<QString, TMasterKind> edits{{QStringLiteral("TfrmLiga"), TMasterKind::League},
                                            {QStringLiteral("TfrmEgyesulet"), TMasterKind::Team},
                                            {QStringLiteral("TfrmJatekos"), TMasterKind::Player},
                                            {QStringLiteral("TfrmMerkozesek"), TMasterKind::Game}};
    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<TRowEdit> edit;
    if (edits.contains(name)) {
        edit = std::make_unique<TRowEdit>(dm, edits.value(name));
        if (parser.isSet(QStringLiteral("edit"))) {
            if (!edit->StartEdit(parser.value(QStringLiteral("edit")).toInt())) {
                std::fprintf(stderr, "%s\n", qPrintable(edit->LastError()));
                return 1;
            }
        } else {
            edit->StartInsert();
        }
        dialog = TfrmMasterEdit::Create(context, *edit);
    } else if (name == QLatin1String("TfrmNewLiga")) {
        dialog = std::make_unique<TfrmNewLiga>(context);
    } else if (name == QLatin1String("TfrmNewTeam")) {
        dialog = std::make_unique<TfrmNewTeam>(context);
    } else if (name == QLatin1String("TfrmNewPlayer")) {
        dialog = std::make_unique<TfrmNewPlayer>(context);
    } else if (name == QLatin1String("TfrmGameList")) {
        dialog = std::make_unique<TfrmGameList>(context);
    } else if (name == QLatin1String("TfrmNewLigaCsapat")) {
        dialog = std::make_unique<TfrmNewLigaCsapat>(context);
    } else if (name == QLatin1String("TfrmNewLigaCsapatJatekos")) {
        dialog = std::make_unique<TfrmNewLigaCsapatJatekos>(context);
    } else {
        std::fprintf(stderr, "unknown dialog %s\n", qPrintable(name));
        return 2;
    }
    prompter.SetParent(dialog.get());
    return dialog->exec() == QDialog::Accepted ? 0 : 1;
}
