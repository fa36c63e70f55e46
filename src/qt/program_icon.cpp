#include "qt/program_icon.h"

#include <QString>

namespace scanfee::qtview {

QIcon program_icon() {
    static const QIcon icon = [] {
        // The window icon of title bars and task lists: decoding the large
        // sizes too would cost more start-up time than the rest of the icon.
        // Launchers and menus take the installed theme icons, up to 256.
        QIcon built;
        for (int size : {16, 22, 24, 32, 48, 64})
            built.addFile(QStringLiteral(":/scanfee/icons/scanfee-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return icon;
}

}  // namespace scanfee::qtview
