#pragma once

#include "reports/document/TReportDocument.h"
#include "reports/playerstats/TJatekosKimutatasLogic.h"

#include "model/settings/TSettings.h"

#include <QDialog>
#include <functional>
#include <vector>

class ITranslator;
class QCheckBox;
class QLabel;
class QPushButton;

// One saved game of the dialog: its tick captioned with the game, a mark
// when its folder is damaged, its folder and code.
class TframeFeldolgozas : public QWidget
{
    Q_OBJECT
public:
    static constexpr int FrameHeight = 25;
    TframeFeldolgozas(const TGameLine &line, QWidget *parent);
    // The tick takes the game's name.
    void ShowGame();
    QCheckBox *cbFeldolgozas = nullptr;
    QLabel *lblMerkozes = nullptr;
    QLabel *lblKonyvtar = nullptr;
    QLabel *lblMerkozesKod = nullptr;
    TGameLine Line;
};

// "Invidual stats": the saved games of the save folder to tick; OK previews
// the statistics of their players summed per player, "Excel export" writes
// them into a workbook. Both close the dialog when they are done; a game
// that cannot be read is reported and the dialog stays.
class TfrmJatekosKimutatas : public QDialog
{
    Q_OBJECT
public:
    TfrmJatekosKimutatas(const QString &saveRoot, const TScheduleLookup &lookup, ITranslator &translator,
                         QWidget *parent = nullptr, const TFolderCheck &check = {});

    void SetTemplateFolder(const QString &folder) { m_templateFolder = folder; }
    // The language whose alphabet orders the printed names.
    void SetEdition(TEdition edition) { m_edition = edition; }
    TframeFeldolgozas *Line(int number) const;
    int LineCount() const { return int(m_lines.size()); }
    QPushButton *Button(const QString &name) const;
    // The refusal of OK and the export with no game ticked (a translation key).
    static QString NothingTickedText() { return QStringLiteral("Tick the saved games to sum first"); }

    // How the dialog asks, shows and reports; by default a save dialog, the
    // print preview and a message box. An empty file name cancels.
    std::function<QString()> ChooseFile;
    std::function<void(std::vector<TReportDocument>)> Preview;
    std::function<void(const QString &)> ShowError;
    // Asked before damaged games are summed; false keeps the dialog open.
    std::function<bool(const QString &)> Confirm;

private:
    void run(bool excel);

    ITranslator &m_translator;
    QList<TframeFeldolgozas *> m_lines;
    QString m_templateFolder;
    TEdition m_edition = TEdition::Hungarian;
    TJatekosKimutatasLogic m_logic;
};
