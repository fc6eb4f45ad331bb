#include "gamelist/gui/GameFilterBar.h"

#include "base/SettingsKeys.h"
#include "base/gui/CommandContext.h"
#include "gamelist/GameListFilterModel.h"
#include "gamelist/GameListModel.h"
#include "gamelist/gui/TSortGrid.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TGameFilterBar::TGameFilterBar(TSortGrid& grid, QWidget* parent) : QWidget(parent), grid(grid) {
    setObjectName(QStringLiteral("GameFilterBar"));
    GameViewBox = new QComboBox(this);
    GameViewBox->setObjectName(QStringLiteral("GameViewBox"));
    for (const TGameView view : GameViews())
        GameViewBox->addItem(GameViewName(view), int(view));
    GameViewBox->setToolTip(QCoreApplication::translate("GameFilter", "Show only the games of one kind."));
    GameViewBox->setStatusTip(GameViewBox->toolTip());
    FilterEdit = new QLineEdit(this);
    FilterEdit->setObjectName(QStringLiteral("FilterEdit"));
    FilterEdit->setClearButtonEnabled(true);
    FilterEdit->setPlaceholderText(QCoreApplication::translate("GameFilter", "Filter"));
    FilterEdit->setToolTip(QCoreApplication::translate(
        "GameFilter", "Show only the games whose name or file holds every word typed."));
    FilterEdit->setStatusTip(FilterEdit->toolTip());
    FilterEdit->installEventFilter(this);
    FilterCountLabel = new QLabel(this);
    FilterCountLabel->setObjectName(QStringLiteral("FilterCountLabel"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 2, 0);
    layout->setSpacing(4);
    layout->addWidget(GameViewBox);
    layout->addWidget(FilterEdit, 1);
    layout->addWidget(FilterCountLabel);

    connect(FilterEdit, &QLineEdit::textChanged, this, [this] { Apply(); });
    connect(GameViewBox, &QComboBox::currentIndexChanged, this, [this] {
        Apply();
        if (!settingView && OnViewChosen)
            OnViewChosen(View());
    });
    ShowCount();
}

void TGameFilterBar::FollowGrid() {
    // The count follows the list as rows come, go or change their kind.
    if (TGameListFilterModel* shown = grid.Filtered()) {
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(shown, signal, this, [this] { ShowCount(); });
        connect(shown, &QAbstractItemModel::layoutChanged, this, [this] { ShowCount(); });
        connect(shown, &QAbstractItemModel::modelReset, this, [this] { ShowCount(); });
        connect(&shown->GameList(), &QAbstractItemModel::dataChanged, this, [this] { ShowCount(); });
    }
    ShowCount();
}

TGameView TGameFilterBar::View() const {
    return GameViewOfNumber(GameViewBox->currentData().toInt());
}

void TGameFilterBar::SetView(TGameView view) {
    settingView = true;
    GameViewBox->setCurrentIndex(std::max(0, GameViewBox->findData(int(view))));
    settingView = false;
}

bool TGameFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FilterEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        FilterEdit->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TGameFilterBar::Apply() {
    grid.SetFilter(TGameFilter(View(), FilterEdit->text()));
    ShowCount();
}

void TGameFilterBar::ShowCount() {
    const TGameListModel* list = grid.GameList();
    const int total = list ? list->GameCount() : 0;
    // Without a filter the empty list's blank row is shown, but it is no game.
    const int shown = std::min(static_cast<int>(grid.ShownRows().size()), total);
    FilterCountLabel->setText(ShownCountText(shown, total, QLocale::system()));
}

void ConnectGameFilterBar(TCommandContext& context, TGameFilterBar& bar) {
    bar.OnViewChosen = [&context](TGameView view) {
        context.SettingsIni().WriteInteger(Settings::Section, Settings::Key::GameView, int(view));
    };
}

void ReadGameView(const TCommandContext& context, TGameFilterBar& bar) {
    const int number = context.SettingsIni().ReadInteger(Settings::Section, Settings::Key::GameView, 0);
    bar.SetView(GameViewOfNumber(number));
}
