#pragma once

#include <QString>

// "Version " + major + "." + minor + " Release " + release + " Build " + build of this program,
// from the numbers embedded when it was built; "No Version Information" without them.
QString GetVersionString();
