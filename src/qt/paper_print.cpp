#include "qt/paper_print.h"

#include "files/file_steps.h"
#include "qt/file_dialog.h"
#include "qt/message_box.h"
#include "qt/paper_file.h"
#include "runtime/sjis.h"
#include "ui/dialogs.h"

namespace scanfee::qtview {

void print_written_paper(QWidget* owner, const std::string& folder, const PrintText& print) {
    using namespace rt::literals;
    const std::string path =
        run_file_dialog(owner, false, "印刷する書類の選択"_sj, folder, "テキスト形式(*.TXT)"_sj);
    if (path == ui::CANCEL_MARK) return;
    const PaperRead read = read_paper(path);
    if (!read.paper) {
        run_message_box(owner, files::file_error_caption(), read.refusal, ui::Buttons::Ok, ui::Icon::Stop);
        return;
    }
    print(owner, read.paper->text, read.paper->name);
}

}  // namespace scanfee::qtview
