#pragma once

class IPrompter;
class ITranslator;
class TMessageTable;
class TdmMain;

// What every master data dialog works with: the data module, the translator
// its captions pass through, the message table and the operator's message boxes.
struct TDialogContext
{
    TdmMain &dm;
    ITranslator &translator;
    const TMessageTable &messages;
    IPrompter &prompter;
};
