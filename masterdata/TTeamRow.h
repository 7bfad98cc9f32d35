#pragma once

#include <QString>

// One row of the Team table (a club).
struct TTeamRow
{
    int CsapatID = 0;
    QString WebID;
    QString EgyesuletNev;
    QString EgyesuletRovidNev;
    QString EgyesuletSzin;
    QString EgyesuletCim;
    QString EgyesuletTel;
    QString EgyesuletCsarnok;
    QString EgyesuletCsarnokTelefon;
    int EgyesuletCsarnokFerohely = 0;
    QString EgyesuletEdzoNev;
    QString EgyesuletElnokNev;
    QString EgyesuletTechNev;
    QString EgyesuletGyozelmek;
    QString EgyesuletEredetiNev;
};
