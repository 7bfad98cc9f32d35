#pragma once

#include "model/services/Services.h"

class TdmMain;

// The game model's view of the player master data: names by web identifier
// from the Player table.
class TPlayerDirectory : public IPlayerDirectory
{
public:
    explicit TPlayerDirectory(TdmMain &dm) : m_dm(dm) {}

    // Empty when Player does not hold the web identifier or cannot be read.
    QString PlayerNameByWebId(const QString &webId) override;

private:
    TdmMain &m_dm;
};
