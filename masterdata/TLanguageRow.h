#pragma once

#include <QString>

// One row of Language: a code as written in the LANGUAGE setting and its shown name.
struct TLanguageRow
{
    QString Language;
    QString Description;
};
