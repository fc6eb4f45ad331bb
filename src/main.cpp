// Launch: stack tracking, crash log, single instance, splash, windows, message loop.

#include "base/ProgramTexts.h"
#include "base/Translations.h"
#include "base/gui/QtDialogs.h"
#include "diag/StackTracking.h"
#include "diag/VersionString.h"
#include "diag/gui/Splash.h"
#include "diag/gui/StyleEngine.h"
#include "diag/gui/TApplication.h"
#include "mainwindow/gui/TForm1.h"
#include "platform/FatalSignalLog.h"
#include "platform/gui/SingleInstance.h"

#include <memory>

int main(int argc, char** argv) {
    // Before any window: every failure from here on records where it was raised.
    TStackTrackingScope stackTracking;
    TApplication app(argc, argv);
    NameTheProgram();
    RememberDesktopStyle();
    InstallTranslations(app);

    SingleInstance instance(QCoreApplication::applicationFilePath());
    if (!instance.Register())
        return 0;

    QtDialogs dialogs;
    app.SetDialogs(&dialogs);

    std::unique_ptr<TForm1> form;
    ShowSplashWhile(dialogs, 2000, [&] {
        form = std::make_unique<TForm1>(dialogs);
        const AppState& state = form->Context().State;
        // A crash leaves its log where the handled failures leave theirs.
        InstallFatalSignalLog(
            {state.UserDataPath, ProgramName, GetVersionString(), state.CurrentPath, state.UserDataPath});
    });

    form->show();
    instance.SetWindow(form.get());
    return app.exec();
}
