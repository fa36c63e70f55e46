// The Qt tests need one application object for the whole run, the fonts
// the window program sets, and settings of their own;
// the application object is the window program's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "qt/font_map.h"
#include "qt/guarded_application.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Remembered window places and the file dialogs' history go to a scratch
    // folder of this process, never to the user's own settings (nor to the
    // one folder that Qt's test mode shares between tests run in parallel).
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    scanfee::qtview::GuardedApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    scanfee::qtview::install_program_fonts();
    return RUN_ALL_TESTS();
}
