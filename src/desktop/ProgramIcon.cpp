#include "desktop/ProgramIcon.h"

#include <QString>
#include <array>

// The icon bitmaps are compiled into this library; a static library must register its
// resources itself before the first look-up.
static void RegisterIconResources() {
    Q_INIT_RESOURCE(zarn);
}

namespace zarn {
namespace {

constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

QString IconPath(int size) {
    return QStringLiteral(":/icons/zarn-%1.png").arg(size);
}

void EnsureResources() {
    static const bool registered = [] {
        RegisterIconResources();
        return true;
    }();
    (void)registered;
}

} // namespace

QIcon ProgramIcon() {
    EnsureResources();
    QIcon icon;
    for (int size : kIconSizes) {
        icon.addFile(IconPath(size), QSize(size, size));
    }
    return icon;
}

QPixmap ProgramIconPixmap(int size) {
    EnsureResources();
    return QPixmap(IconPath(size));
}

} // namespace zarn
