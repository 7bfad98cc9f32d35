#pragma once

#include <QString>

// The application home of the command-line tool, found as the desktop
// program finds its own.
QString cliHomeFolder();
