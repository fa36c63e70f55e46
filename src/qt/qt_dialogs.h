#pragma once
// The dialog service of the window program: real, modal Qt dialogs.
#include <QWidget>
#include <functional>

#include "ui/dialogs.h"

namespace scanfee::qtview {

class QtDialogService : public ui::DialogService {
public:
    // Finds the window of an owner form; until the view exists (the start-up
    // reminder) a dialog has no owner.
    using OwnerLookup = std::function<QWidget*(const ui::Form*)>;
    void set_owner_lookup(OwnerLookup lookup) { owner_lookup_ = std::move(lookup); }

    int message_box(const ui::Form* owner, const std::string& caption, const std::string& text,
                    ui::Buttons buttons, ui::Icon icon) override;
    std::string save_dialog(const ui::Form* owner, const std::string& title,
                            const std::string& default_path, const std::string& filter) override;
    std::string open_dialog(const ui::Form* owner, const std::string& title,
                            const std::string& default_path, const std::string& filter) override;
    std::string input_box(const ui::Form* owner, const std::string& caption,
                          const std::string& prompt, const std::string& default_text) override;

private:
    QWidget* owner_window(const ui::Form* owner) const;
    OwnerLookup owner_lookup_;
};

}  // namespace scanfee::qtview
