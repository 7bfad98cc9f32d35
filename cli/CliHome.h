#pragma once

#include <QString>

// The application home of the command-line tool: $PARQUETIX_HOME, else the
// folder of the executable.
QString cliHomeFolder();
