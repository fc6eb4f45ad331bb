#include "diag/HelpTopics.h"

namespace {

struct THelpTopic {
    int context;
    const char* page;
};

constexpr THelpTopic Topics[] = {
    {1, "using-help.html"},   {13, "adding-games.html"},     {30, "game-data.html"},
    {60, "main-window.html"}, {70, "tabs-and-options.html"}, {80, "playing.html"},
    {90, "toolbar.html"},     {100, "game-files.html"},      {120, "scanning.html"},
    {130, "verifying.html"},
};

QString PagePath(const char* page) {
    return QStringLiteral(":/help/") + QString::fromLatin1(page);
}

} // namespace

QString HelpStartPage() {
    return PagePath("index.html");
}

QString HelpTopicPage(int context) {
    for (const THelpTopic& topic : Topics)
        if (topic.context == context)
            return PagePath(topic.page);
    return HelpStartPage();
}

QList<int> HelpContexts() {
    QList<int> contexts;
    for (const THelpTopic& topic : Topics)
        contexts.append(topic.context);
    return contexts;
}
