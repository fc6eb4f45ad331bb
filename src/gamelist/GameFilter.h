#pragma once
// What the filter above the grid lets through: a view (a kind of game) and the words typed,
// each of which a row's Game Name or File/Dir must hold, ignoring the case of A to Z.

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The views in the order the list beside the filter shows them; the settings file keeps the
// number, so new views go at the end.
enum class TGameView {
    AllGames,
    Favourites,
    Good,
    Bad,
    NotVerified,
    UnknownGames,
    RecentlyPlayed,
    NeverPlayed
};

struct TPlayRecord;

// Recently played: started within this many days.
constexpr int RecentlyPlayedDays = 30;

// Every view, in list order.
std::vector<TGameView> GameViews();
// The name the list shows for a view.
QString GameViewName(TGameView view);
// The view a stored number stands for; All games for a number no view has.
TGameView GameViewOfNumber(int number);

class TGameFilter {
  public:
    TGameFilter() = default;
    // Words are separated by blanks (codes up to 32); now is when "recently" ends.
    TGameFilter(TGameView view, QStringView text, const QDateTime& now = QDateTime::currentDateTimeUtc());

    TGameView View() const { return view; }
    // The typed words, lower-cased in A to Z.
    const QStringList& Words() const { return words; }
    // All games and no word: every row is shown, the empty list's blank row included.
    bool Active() const { return view != TGameView::AllGames || !words.isEmpty(); }
    // Whether Matches needs the game's play record: only the history's own views do.
    bool UsesHistory() const { return view == TGameView::RecentlyPlayed || view == TGameView::NeverPlayed; }
    // Whether an active filter lets a game row's cells through (the caller leaves out rows
    // that name no game), with the game's play record (nullptr: never played). Cells missing
    // from a short row are empty.
    bool Matches(const QStringList& cells, const TPlayRecord* played = nullptr) const;
    // Whether every row this filter lets through is one that previous let through too, so
    // that only previous's rows need testing: the same view, each of previous's words inside
    // one of these. True when previous is not active.
    bool Narrows(const TGameFilter& previous) const;

  private:
    TGameView view = TGameView::AllGames;
    QStringList words;
    QDateTime recentSince;
};

// A count with its thousands grouped as the locale groups them, whatever its options say.
QString GroupedCount(qint64 count, const QLocale& locale);
// The count beside the filter: "312 of 45,294", both numbers grouped as the locale groups
// thousands.
QString ShownCountText(int shown, int total, const QLocale& locale);
