#pragma once

#include <QString>

class ITranslator;
class QAction;
class QWidget;

// Translates a whole window in place: its title, then every component it
// owns. The key of each look-up is the text shown at that moment, so a
// window translated twice looks up its translated texts. Each component is
// guarded on its own: a failure on one leaves the others translated.
class TFormTranslator
{
public:
    explicit TFormTranslator(ITranslator &translator) : m_translator(translator) {}

    void TranslateForm(QWidget *form);

    // The text Qt shows as an action's tool tip when none is set.
    static QString ImplicitToolTip(const QString &actionText);

private:
    QString translate(const QString &text, const char *stringType);
    void translateWidget(QWidget *widget);
    void translateAction(QAction *action);

    ITranslator &m_translator;
};
