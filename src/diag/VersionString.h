#pragma once

#include <QString>

// "Version " + major + "." + minor + " Release " + release + " Build " + build of this program.
QString GetVersionString();
