#include "gamelist/GameFilter.h"

#include "base/AsciiCase.h"
#include "gamelist/ListFileCodec.h"
#include "gamelist/PlayHistory.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool IsBlank(QChar c) {
    return c.unicode() <= 32;
}

QStringList SplitWords(QStringView text) {
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || IsBlank(text[i]);
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            words << AsciiLower(text.mid(start, i - start));
            start = -1;
        }
    }
    return words;
}

bool ViewHolds(TGameView view, const QStringList& cells, const TPlayRecord* played,
               const QDateTime& recentSince) {
    switch (view) {
    case TGameView::AllGames:
        return true;
    case TGameView::Favourites:
        return IsFavouriteText(cells.value(colFavourite));
    case TGameView::Good:
        return StatusOfText(cells.value(colStatus)) == GameStatus::Good;
    case TGameView::Bad:
        return StatusOfText(cells.value(colStatus)) == GameStatus::Bad;
    case TGameView::NotVerified:
        return StatusOfText(cells.value(colStatus)) == GameStatus::Unknown;
    case TGameView::UnknownGames:
        return cells.value(colGameName) == UnknownGameName();
    case TGameView::RecentlyPlayed:
        return played && played->lastStart >= recentSince;
    case TGameView::NeverPlayed:
        return !played;
    }
    return false;
}

} // namespace

std::vector<TGameView> GameViews() {
    return {
        TGameView::AllGames,    TGameView::Favourites,   TGameView::Good,           TGameView::Bad,
        TGameView::NotVerified, TGameView::UnknownGames, TGameView::RecentlyPlayed, TGameView::NeverPlayed};
}

QString GameViewName(TGameView view) {
    switch (view) {
    case TGameView::AllGames:
        return QCoreApplication::translate("GameFilter", "All games");
    case TGameView::Favourites:
        return QCoreApplication::translate("GameFilter", "Favourites");
    // Named by the status the grid shows, which stays as the list file spells it.
    case TGameView::Good:
        return StatusText(GameStatus::Good);
    case TGameView::Bad:
        return StatusText(GameStatus::Bad);
    case TGameView::NotVerified:
        return QCoreApplication::translate("GameFilter", "Not verified (\"%1\")")
            .arg(StatusText(GameStatus::Unknown));
    case TGameView::UnknownGames:
        return QCoreApplication::translate("GameFilter", "Unknown games");
    case TGameView::RecentlyPlayed:
        return QCoreApplication::translate("GameFilter", "Recently played");
    case TGameView::NeverPlayed:
        return QCoreApplication::translate("GameFilter", "Never played");
    }
    return QString();
}

TGameView GameViewOfNumber(int number) {
    const std::vector<TGameView> views = GameViews();
    const auto found =
        std::find_if(views.cbegin(), views.cend(), [number](TGameView view) { return int(view) == number; });
    return found == views.cend() ? TGameView::AllGames : *found;
}

TGameFilter::TGameFilter(TGameView view, QStringView text, const QDateTime& now)
    : view(view), words(SplitWords(text)), recentSince(now.addDays(-RecentlyPlayedDays)) {}

bool TGameFilter::Matches(const QStringList& cells, const TPlayRecord* played) const {
    if (!ViewHolds(view, cells, played, recentSince))
        return false;
    const QStringView name = cells.size() > colGameName ? QStringView(cells[colGameName]) : QStringView();
    const QStringView fileDir = cells.size() > colFileDir ? QStringView(cells[colFileDir]) : QStringView();
    return std::all_of(words.cbegin(), words.cend(), [&](const QString& word) {
        return ContainsIgnoringAsciiCase(name, word) || ContainsIgnoringAsciiCase(fileDir, word);
    });
}

bool TGameFilter::Narrows(const TGameFilter& previous) const {
    if (!previous.Active())
        return true;
    if (view != previous.view)
        return false;
    return std::all_of(previous.words.cbegin(), previous.words.cend(), [this](const QString& old) {
        return std::any_of(words.cbegin(), words.cend(),
                           [&old](const QString& word) { return word.contains(old); });
    });
}

QString GroupedCount(qint64 count, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return grouped.toString(count);
}

QString ShownCountText(int shown, int total, const QLocale& locale) {
    return QCoreApplication::translate("GameFilter", "%1 of %2")
        .arg(GroupedCount(shown, locale), GroupedCount(total, locale));
}
