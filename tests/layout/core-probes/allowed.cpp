// Qt Core and the pure headers: the core builds with these.
#include "base/AppState.h"
#include "gamelist/GameListModel.h"

#include <QString>
#include <QtCore/QObject>
