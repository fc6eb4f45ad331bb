#pragma once
// The catalogues of the user's language: the program's own, built into it, and Qt's, which
// words the standard buttons and dialogs.

#include <QLocale>

class QCoreApplication;

// Installs on app the catalogues found for locale's languages; English needs none. Returns
// whether the program's own catalogue was found.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());
