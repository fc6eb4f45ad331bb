#pragma once
// The user guide's pages and the context number each part of the main window carries.

#include <QList>
#include <QString>

// The guide's start page, a path inside the program's resources.
QString HelpStartPage();

// The page of a context number; the start page for a number without one (0 included).
QString HelpTopicPage(int context);

// Every context number that has a page of its own.
QList<int> HelpContexts();
