#include "diag/gui/DiagCommands.h"

#include "base/AppState.h"
#include "base/gui/CommandContext.h"
#include "base/gui/Dialogs.h"
#include "diag/MakerPages.h"
#include "diag/gui/ContextHelp.h"
#include "diag/gui/TAboutBox.h"
#include "diag/gui/THelpWindow.h"
#include "diag/gui/TSettingsForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QUrl>

namespace {

// F1 anywhere in the main window, an open menu of it included, shows the guide's topic of
// the part the user is in. The other windows carry no number and open nothing.
class TContextHelpKey : public QObject {
  public:
    TContextHelpKey(QWidget* window, THelpWindow* help) : QObject(window), window(window), help(help) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        const auto* menu = qobject_cast<const QMenu*>(QApplication::activePopupWidget());
        const QWidget* focus = menu ? nullptr : QApplication::focusWidget();
        if (!menu && !(focus && focus->window() == window) && watched != window)
            return false;
        const int context = HelpContextFor(focus ? focus : window, menu);
        if (context == 0)
            return false;
        help->ShowContext(context);
        help->show();
        help->raise();
        return true;
    }

  private:
    QWidget* window;
    THelpWindow* help;
};

void F1Help(THelpWindow& help) {
    help.ShowStartPage();
    help.show();
    help.raise();
    help.activateWindow();
}

} // namespace

void About1Click(TAboutBox& aboutBox) {
    aboutBox.exec();
}

void DonateClick(TCommandContext& context) {
    context.dialogs.openUrl(QUrl(MakerDonationPage));
}

void ChangeStyleClick(TSettingsForm& styleChooser) {
    styleChooser.exec();
}

void RegisterDiagCommands(TCommandContext& context, std::function<void()> writeFormSettings) {
    QWidget* owner = context.Owner();
    auto* styleChooser = new TSettingsForm(context.State, std::move(writeFormSettings), owner);
    auto* aboutBox = new TAboutBox(context.dialogs, context.State.debug, owner);
    auto* help = new THelpWindow(owner);
    qApp->installEventFilter(new TContextHelpKey(owner, help));

    context.Register(TCommand::About, [aboutBox] { About1Click(*aboutBox); });
    context.Register(TCommand::Donate, [&context] { DonateClick(context); });
    context.Register(TCommand::ChangeStyle, [styleChooser] { ChangeStyleClick(*styleChooser); });
    context.Register(TCommand::HelpUsingPellmora, [help] { F1Help(*help); });
}
