#pragma once
// The browser page's view of the screen model. Changes are gathered while
// an event is handled and sent to the page in one message when it ends (or
// before a dialog opens), so the page redraws once per user action.
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ui/model.h"
#include "ui/model_json.h"

namespace scanfee::web {

class PageView : public ui::Observer {
public:
    explicit PageView(ui::ScreenModel& model);
    ~PageView() override;
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    void changed(ui::Control& control, ui::Prop prop) override;

    // After a user action on `control`: the page shows the model's state of
    // it even when the action changed nothing (a refused character, an
    // action dropped while another event ran). `typed` is what the user's
    // box held, in the system's text, when the action was typing.
    void resync(const ui::Control& control, const std::string* typed = nullptr);

    // Sends the forms the page has not seen, the changes since the last
    // flush and the forms that opened with where their focus goes.
    void flush();
    // The run ended: by the end button, or by a failure after its report.
    void ended(bool by_failure);

private:
    void mark(const ui::Control& control, ui::PropSet props);

    ui::ScreenModel& model_;
    std::unordered_set<const ui::Form*> described_;
    std::vector<const ui::Control*> order_;  // controls in the order of their first change
    std::unordered_map<const ui::Control*, ui::PropSet> dirty_;
    std::unordered_map<const ui::Control*, std::string> typed_;
    std::vector<const ui::Form*> opened_;
    // The rows each list was last sent with: a list refilled with the same
    // rows (the title list, each time its screen opens) is not sent again.
    std::unordered_map<const ui::Control*, std::vector<std::string>> sent_items_;
};

}  // namespace scanfee::web
