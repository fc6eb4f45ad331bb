#include "diag/gui/ProgramIcon.h"

// Resources of a static library are registered by name, outside any namespace.
static void RegisterProgramIconResource() {
    Q_INIT_RESOURCE(appicon);
}

QIcon PellmoraIcon() {
    static const QIcon icon = [] {
        RegisterProgramIconResource();
        QIcon sizes;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            sizes.addFile(QStringLiteral(":/icons/app/pellmora-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}
