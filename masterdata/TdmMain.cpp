#include "TdmMain.h"

bool TdmMain::OpenAll()
{
    if (!m_db.Open())
        return false;
    m_rows.ResetOrders();
    return true;
}
