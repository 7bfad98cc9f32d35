#include "LiveMessages.h"
