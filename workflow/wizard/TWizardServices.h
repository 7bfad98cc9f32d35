#pragma once

#include <functional>

class IPlayStep;
class TGame;
class IPrompter;
class ITranslator;
class TGameStore;
class TMessageTable;
class TParquetixApplication;
class TRowEdit;
class TdmMain;

// What both wizards work with. The callbacks stand for the windows and the
// sender the wizards open; an unset one leaves its button disabled.
struct TWizardServices
{
    TParquetixApplication &App;
    TdmMain &Dm;
    const TMessageTable &Messages;
    ITranslator &Translator;
    IPrompter &Prompter;
    TGameStore &Store;
    // Records the game on the court screen (or a script).
    IPlayStep *Play = nullptr;
    // The sender's switch; sending is left as it is when unset.
    std::function<void(bool enabled)> SetSendingEnabled;
    // The player editing dialog on a new Player row; true on OK, the row saved.
    std::function<bool(TRowEdit &edit)> EditNewPlayer;
    // Page 5's "Nyomtatás": the roster presentation.
    std::function<void()> RosterPresentation;
    // The end page's "Print": the report menu.
    std::function<void()> Print;
    // The end page's "Send data": the upload of the finished game.
    std::function<void()> SendData;
    // Once the closing message is queued and the game saved, before the new
    // game wizard replaces the game: the sender gets the chance to deliver
    // the queue, which would otherwise go with the game.
    std::function<void(TGame &game)> Finishing;
};
