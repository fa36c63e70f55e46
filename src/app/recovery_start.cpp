#include "app/recovery_start.h"

#include "app/background_store.h"
#include "files/file_steps.h"
#include "files/recovery.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "ui/dialogs.h"

namespace scanfee::app {

void keep_recovery_copy_in(const std::string& folder, rt::int16 edition, bool background) {
    auto store = files::folder_recovery_store(folder, edition);
    if (!store) {
        const rt::FileError& error = store.error();
        ui::message_box(screens::scr().MAINFORM, files::recovery_caption(),
                        files::failure_text("注文の控えを置くフォルダーを使えません。", error) +
                            rt::to_sjis("\r\n注文はこまめにセーブしてください。"),
                        ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    std::unique_ptr<files::RecoveryStore> kept = std::move(store).value();
    files::start_recovery(background ? in_background(std::move(kept)) : std::move(kept));
    files::offer_recovery();
}

}  // namespace scanfee::app
