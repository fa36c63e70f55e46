#include "qt/program_icon.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QString>

namespace scanfee::qtview {

QIcon program_icon() {
    static const QIcon icon = [] {
        // The window icon of title bars and task lists: decoding the large
        // sizes too would cost more start-up time than the rest of the icon.
        // Launchers and menus take the installed theme icons, up to 256.
        // Read as what they are: an image whose kind is to be found out is
        // first offered to every image plugin, which loads them all.
        QIcon built;
        for (int size : {16, 22, 24, 32, 48, 64}) {
            QImageReader reader(QStringLiteral(":/scanfee/icons/scanfee-%1.png").arg(size), "png");
            reader.setAutoDetectImageFormat(false);
            QImage image;
            if (reader.read(&image)) built.addPixmap(QPixmap::fromImage(std::move(image)));
        }
        return built;
    }();
    return icon;
}

}  // namespace scanfee::qtview
