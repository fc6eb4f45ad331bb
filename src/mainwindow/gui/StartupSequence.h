#pragma once
// The start-up sequence run when the main window is first shown, and the first-paint step run
// once after it: settings, the emulator and its mame.ini, the game list, then the version check
// and, when the list is missing, a new one.

struct TCommandContext;
class QString;

class TStartupSequence {
  public:
    explicit TStartupSequence(TCommandContext& context) : context(context) {}

    // Runs passes until one completes; a pass restarts when the user has just chosen an
    // emulator folder. Returns false when the sequence ended the program.
    bool Initialise();
    // The first-paint step: once per process, and only after Initialise has completed.
    void Post_Initialise();

  private:
    enum class PassResult { Done, Exit, Restart };
    PassResult StartupPass();
    void ResetRunState();
    void ReadStartupSettings();
    PassResult FindEmulator();
    void WarnAboutSmallScreen();
    void DecideWhetherToBuildTheList();
    void LoadGameList();
    void SelectLastGame();
    void FillWindow();
    // Shows the warning, then the search dialog.
    void SearchAfterWarning(const QString& warning);

    TCommandContext& context;
};
