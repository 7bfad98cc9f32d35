#include "CliHome.h"

#include "common/TApplicationHome.h"

QString cliHomeFolder()
{
    return TApplicationHome::Current();
}
