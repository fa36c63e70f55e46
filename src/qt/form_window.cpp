#include "qt/form_window.h"

#include <QCloseEvent>

#include "qt/program_icon.h"

namespace scanfee::qtview {

namespace {

Qt::WindowFlags frame_flags(ui::FrameStyle style) {
    // Every style keeps a close button: closing by the frame is the screen's
    // way back (or the end of the run on the summary screen), never a
    // window that vanishes behind the model's back.
    const Qt::WindowFlags fixed = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (style) {
        case ui::FrameStyle::Resizable:
            return Qt::Window;
        case ui::FrameStyle::Minimisable:
            return fixed | Qt::WindowMinimizeButtonHint;
        case ui::FrameStyle::Dialog:
        case ui::FrameStyle::Plain:
            break;
    }
    return fixed;
}

}  // namespace

FormWindow::FormWindow(const ui::Form& form) : QWidget(nullptr, frame_flags(form.frame())) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowIcon(program_icon());
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (on_frame_close) on_frame_close();
}

}  // namespace scanfee::qtview
