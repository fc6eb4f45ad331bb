#include "base/gui/Dialogs.h"
