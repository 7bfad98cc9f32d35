#pragma once

#include "masterdata/editing/TMasterKind.h"

#include <QString>
#include <QStringList>

class ITranslator;
class TdmMain;

// Deleting a league, club, player or game that nothing refers to: a row
// still joined, on a roster or in the schedule stays, and the operator is
// told what holds it.
class TRowDelete
{
public:
    TRowDelete(TdmMain &dm, ITranslator &translator) : m_dm(dm), m_translator(translator) {}

    // What refers to the row, one translated line per kind of reference
    // ("Games of the schedule: 3"); empty when nothing does. False on a
    // storage error, whose message is then in LastError().
    bool References(TMasterKind kind, int id, QStringList *lines);
    // False, with LastError() saying what refers to the row, when something does.
    bool CanDelete(TMasterKind kind, int id);
    // Deletes the row when nothing refers to it; otherwise false with
    // LastError() saying what does.
    bool Delete(TMasterKind kind, int id);
    // The question asked before a delete.
    QString Question();

    QString LastError() const { return m_error; }

private:
    int count(const QString &sql, int id, bool *ok);

    TdmMain &m_dm;
    ITranslator &m_translator;
    QString m_error;
};
