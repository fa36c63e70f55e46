#include "qt/form_window.h"

#include <QCloseEvent>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <vector>

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

void FormWindow::set_design_size(QSize size, bool resizable) {
    design_ = size;
    resizable_ = resizable;
    if (scroll_) scroll_->widget()->setFixedSize(design_);
    apply_size(design_);
}

void FormWindow::apply_size(QSize size) {
    if (resizable_) {
        // Larger at will, never smaller than designed: nothing may be cut off.
        setMinimumSize(size);
        resize(size);
    } else {
        setFixedSize(size);
    }
}

void FormWindow::fit_within(QSize room) {
    if (design_.isEmpty()) return;
    QSize size = design_.boundedTo(room);
    if (size != design_) {
        if (!scroll_) scroll_controls();
        // The scroll bar of the one direction that does not fit takes room
        // of its own where the other has it, rather than cover the design.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        if (size.height() < design_.height())
            size.setWidth(std::min(room.width(), design_.width() + bar));
        if (size.width() < design_.width())
            size.setHeight(std::min(room.height(), design_.height() + bar));
    }
    // A window already larger than its design (the summary, enlarged by
    // the user) keeps its size where the screen has room for it.
    if (resizable_ && size == design_) {
        setMinimumSize(size);
        resize(this->size().expandedTo(size).boundedTo(room));
        return;
    }
    apply_size(size);
}

void FormWindow::scroll_controls() {
    // The controls move onto a canvas of the design size inside a scrolled
    // area; their order, and so which lies above which, stays the same.
    std::vector<QWidget*> controls;
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) controls.push_back(w);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("formScrollArea"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setBackgroundRole(QPalette::Window);
    auto* canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("formCanvas"));
    canvas->setFixedSize(design_);
    scroll_->setWidget(canvas);
    for (QWidget* w : controls) {
        const bool shown = !w->isHidden();
        const QRect place = w->geometry();
        w->setParent(canvas);
        w->setGeometry(place);
        w->setVisible(shown);
    }
    scroll_->setGeometry(rect());
    scroll_->show();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (scroll_) scroll_->setGeometry(rect());
}

}  // namespace scanfee::qtview
