#pragma once

#include <QString>

// One row of the Game table (the schedule), with the names looked up from
// League and Team for the views that show them.
struct TGameRow
{
    int ID = 0;
    int LigaID = 0;
    int HazaiCsapatID = 0;
    int VendegCsapatID = 0;
    QString LigaWebID;
    QString HazaiCsapatWebID;
    QString VendegCsapatWebID;
    QString Datum; // day first: "dd.mm.yyyy"
    QString Nap;
    QString Ora;
    QString MerkozesKod;
    QString Note;
    QString Biro1;
    QString Biro2;
    QString Biro3;

    // Look-ups; empty when the referenced row is missing.
    QString LigaNev;
    QString HazaiCsapatNev;
    QString VendegCsapatNev;
};
