// The yardstick of the start-up check: a bare Qt program that builds as many
// plain widgets as the program's five screens hold, in five windows, shows
// one of them and ends through a button of its own, under the same timing
// probe as the window program.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <vector>

#include "qt/timing_probe.h"

int main(int argc, char** argv) {
    // The screens' forms and controls together (see the screen definitions).
    constexpr int kForms = 5;
    constexpr int kControls = 106;
    QApplication app(argc, argv);
    std::vector<std::unique_ptr<QWidget>> windows;
    for (int f = 0; f < kForms; ++f) {
        windows.push_back(std::make_unique<QWidget>());
        windows.back()->resize(640, 420);
    }
    QPushButton* end = nullptr;
    for (int i = 0; i < kControls; ++i) {
        QWidget* parent = windows[size_t(i % kForms)].get();
        QWidget* w = i % 3 == 0 ? static_cast<QWidget*>(new QPushButton("ボタン", parent))
                                : static_cast<QWidget*>(new QLabel("ラベル", parent));
        w->setGeometry(8 + (i / kForms) % 4 * 150, 8 + (i / kForms) / 4 * 28, 140, 24);
        if (i == 0) end = static_cast<QPushButton*>(w);
    }
    QObject::connect(end, &QPushButton::clicked, &app, &QApplication::quit);
    windows[0]->show();
    scanfee::qtview::install_timing_probe(windows[0].get(), [end] { end->click(); });
    return app.exec();
}
