#include "diag/gui/StylePreview.h"

#include "base/gui/StatusCell.h"
#include "diag/gui/StyleEngine.h"
#include "gamelist/ListFileCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The status column as the game list draws it.
class TStatusCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QString status = index.data().toString();
        PaintStatusCell(painter, option, StatusFillColour(StatusOfText(status)), status);
    }
};

QTableWidget* SampleGrid(QWidget* parent) {
    const QStringList header = {QCoreApplication::translate("GameList", "Status"),
                                QCoreApplication::translate("GameList", "Game Name")};
    const QStringList rows[] = {{StatusText(GameStatus::Good), QStringLiteral("Pac-Man (Midway)")},
                                {StatusText(GameStatus::Bad), QStringLiteral("Galaga (Namco rev. B)")},
                                {StatusText(GameStatus::Unknown), QStringLiteral("Pong (Rev E)")}};
    auto* grid = new QTableWidget(3, 2, parent);
    grid->setHorizontalHeaderLabels(header);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            grid->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    grid->setItemDelegateForColumn(0, new TStatusCellDelegate(grid));
    grid->verticalHeader()->hide();
    // The designed sizes, grown with a larger font so that no sample text is cut.
    const int rowHeight = std::max(18, grid->fontMetrics().height() + 4);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->resizeColumnToContents(0);
    grid->setColumnWidth(0, std::max(44, grid->columnWidth(0)));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->selectRow(1);
    grid->setFixedHeight(3 * rowHeight + grid->horizontalHeader()->sizeHint().height() +
                         2 * grid->frameWidth());
    return grid;
}

QGroupBox* SampleOptions(QWidget* parent) {
    auto* box = new QGroupBox(QCoreApplication::translate("StylePreview", "Options"), parent);
    auto* sound = new QCheckBox(QCoreApplication::translate("StylePreview", "Sound"), box);
    sound->setChecked(true);
    auto* mouse = new QCheckBox(QCoreApplication::translate("StylePreview", "Mouse"), box);
    auto* window = new QRadioButton(QCoreApplication::translate("StylePreview", "Window"), box);
    window->setChecked(true);
    auto* disabled = new QCheckBox(QCoreApplication::translate("StylePreview", "Disabled"), box);
    disabled->setEnabled(false);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (QWidget* widget : {static_cast<QWidget*>(sound), static_cast<QWidget*>(mouse),
                            static_cast<QWidget*>(window), static_cast<QWidget*>(disabled)})
        layout->addWidget(widget);
    return box;
}

QWidget* BuildSample(QWidget* parent) {
    auto* sample = new QWidget(parent);
    sample->setAutoFillBackground(true);
    sample->setBackgroundRole(QPalette::Window);

    auto* tabs = new QTabBar(sample);
    tabs->setDrawBase(true);
    for (const char* title :
         {QT_TRANSLATE_NOOP("MainWindow", "Game Image"), QT_TRANSLATE_NOOP("MainWindow", "Log"),
          QT_TRANSLATE_NOOP("MainWindow", "Game Data"), QT_TRANSLATE_NOOP("MainWindow", "Controls")})
        tabs->addTab(QCoreApplication::translate("MainWindow", title));
    tabs->setCurrentIndex(2);

    auto* search = new QLineEdit(QStringLiteral("pac"), sample);
    auto* rate = new QComboBox(sample);
    rate->addItems({QStringLiteral("44100"), QStringLiteral("22050")});
    auto* entries = new QHBoxLayout;
    entries->addWidget(search, 1);
    entries->addWidget(rate);

    auto* middle = new QHBoxLayout;
    middle->addWidget(SampleGrid(sample), 1);
    middle->addWidget(SampleOptions(sample));

    auto* progress = new QProgressBar(sample);
    progress->setValue(60);
    progress->setTextVisible(false);
    progress->setFixedHeight(12);
    auto* play = new QPushButton(QCoreApplication::translate("StylePreview", "Play Game"), sample);
    play->setDefault(true);
    auto* stop = new QPushButton(QCoreApplication::translate("StylePreview", "Stop"), sample);
    stop->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress, 1);
    buttons->addWidget(play);
    buttons->addWidget(stop);

    auto* layout = new QVBoxLayout(sample);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(5);
    layout->addWidget(tabs);
    layout->addWidget(new QLabel(QCoreApplication::translate("StylePreview", "Search for a game:"), sample));
    layout->addLayout(entries);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->addStretch();
    return sample;
}

} // namespace

TStylePreview::TStylePreview(QWidget* parent) : QWidget(parent) {
    new QVBoxLayout(this);
    layout()->setContentsMargins(0, 0, 0, 0);
}

TStylePreview::~TStylePreview() {
    DropSample();
}

void TStylePreview::DropSample() {
    // The widgets go before the style that draws them.
    delete sample;
    sample = nullptr;
    delete sampleStyle;
    sampleStyle = nullptr;
}

void TStylePreview::ShowStyle(const QString& name) {
    QWidget* next = BuildSample(this);
    QStyle* nextStyle = nullptr;
    try {
        nextStyle = ApplyStyleToWidget(next, name);
    } catch (...) {
        delete next;
        throw;
    }
    DropSample();
    sample = next;
    sampleStyle = nextStyle;
    shown = name;
    layout()->addWidget(sample);
    sample->show();
}
