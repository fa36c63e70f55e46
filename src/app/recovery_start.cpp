#include "app/recovery_start.h"

#include "files/file_steps.h"
#include "files/recovery.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "ui/dialogs.h"

namespace scanfee::app {

void keep_recovery_copy_in(const std::string& folder, rt::int16 edition) {
    auto store = files::folder_recovery_store(folder, edition);
    if (!store) {
        const rt::FileError& error = store.error();
        ui::message_box(screens::scr().MAINFORM, files::recovery_caption(),
                        rt::to_sjis("注文の控えを置くフォルダーを使えません。\r\n" + error.path +
                                    "\r\n理由：") +
                            files::failure_reason(error) + rt::to_sjis("\r\n注文はこまめにセーブしてください。"),
                        ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    files::start_recovery(std::move(store).value());
    files::offer_recovery();
}

}  // namespace scanfee::app
