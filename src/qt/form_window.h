#pragma once
// The top-level window of one form.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/model.h"

class QScrollArea;

namespace scanfee::qtview {

class FormWindow : public QWidget {
public:
    explicit FormWindow(const ui::Form& form);
    // Called instead of closing when the user closes the window by its frame:
    // the model decides which screens are shown.
    std::function<void()> on_frame_close;

    // The form's designed size at the view's scale: the window is never
    // smaller, unless the screen is (fit_within); a resizable form may grow.
    void set_design_size(QSize size, bool resizable);
    QSize design_size() const { return design_; }
    // Keeps the window within `room` (the most a window can have on the
    // screen it opens on): a design larger than that is shown at the size
    // there is, its controls in a scrolled area, so that none is out of reach.
    void fit_within(QSize room);
    // Whether the controls lie in a scrolled area.
    bool scrolled() const { return scroll_ != nullptr; }
    QScrollArea* scroll_area() const { return scroll_; }

    // The controls in the order a screen reader reads them.
    const std::vector<QPointer<QWidget>>& reading_order() const { return reading_order_; }
    void set_reading_order(std::vector<QPointer<QWidget>> order) { reading_order_ = std::move(order); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scroll_controls();
    void apply_size(QSize size);

    QSize design_;
    bool resizable_ = false;
    QScrollArea* scroll_ = nullptr;
    std::vector<QPointer<QWidget>> reading_order_;
};

}  // namespace scanfee::qtview
