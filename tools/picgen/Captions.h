#pragma once

#include <QString>

// The few words painted into pictures, per interface language. A language
// without its own words gets the English ones.
class Captions
{
public:
    static QString text(const char *key, const QString &language);
};
