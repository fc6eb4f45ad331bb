#pragma once
// The program's own icon, at every size it is drawn in.

#include <QIcon>

QIcon PellmoraIcon();
