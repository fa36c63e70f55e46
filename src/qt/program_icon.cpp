#include "qt/program_icon.h"

#include <QString>

namespace scanfee::qtview {

QIcon program_icon() {
    static const QIcon icon = [] {
        QIcon built;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            built.addFile(QStringLiteral(":/scanfee/icons/scanfee-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return icon;
}

}  // namespace scanfee::qtview
