// The page's recovery copy: the same copy as the window program keeps, in
// the browser's storage of the site instead of a file (site/recovery.js).
#include <emscripten.h>

#include <cstdlib>

#include "core/order_state.h"
#include "files/recovery.h"
#include "runtime/fatal.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "ui/dialogs.h"
#include "web/page_recovery.h"

namespace scanfee::web {
namespace {

EM_JS(char*, page_recovery_claim, (int shop), {
    const place = Module.page.recovery.claim(shop ? "shop" : "customer");
    return place === null ? 0 : allocateUTF8(place);
});

// The copy's length, -1 for none; page_recovery_take copies it out.
EM_JS(int, page_recovery_length, (), {
    const bytes = Module.page.recovery.read();
    Module.page.recovery.pending = bytes;
    return bytes === null ? -1 : bytes.length;
});

EM_JS(void, page_recovery_take, (char* into), {
    HEAPU8.set(Module.page.recovery.pending, into);
    Module.page.recovery.pending = null;
});

EM_JS(int, page_recovery_write, (const char* bytes, int size), {
    const why = Module.page.recovery.write(HEAPU8.subarray(bytes, bytes + size));
    return why === "" ? 0 : (why === "full" ? 1 : 2);
});

EM_JS(void, page_recovery_remove, (), { Module.page.recovery.remove(); });

EM_JS(char*, page_recovery_set_aside, (), {
    return allocateUTF8(Module.page.recovery.setAside());
});

std::string taken_text(char* text) {
    std::string taken = text ? text : "";
    std::free(text);
    return taken;
}

class BrowserStore : public files::RecoveryStore {
public:
    explicit BrowserStore(std::string place) : place_(std::move(place)) {}

    std::string where() const override { return "このブラウザーの保存領域 " + place_; }

    rt::Result<std::optional<std::string>> read() override {
        const int size = page_recovery_length();
        if (size < 0) return std::optional<std::string>();
        std::string bytes(static_cast<size_t>(size), '\0');
        page_recovery_take(bytes.data());
        return std::optional<std::string>(std::move(bytes));
    }

    rt::Status write(std::string_view bytes) override {
        switch (page_recovery_write(bytes.data(), static_cast<int>(bytes.size()))) {
            case 0: return std::nullopt;
            case 1: return rt::FileError{rt::ERR_DISK_FULL, where(), "the site's storage is full"};
            default: return rt::FileError{rt::ERR_ACCESS_DENIED, where(), "the storage refused"};
        }
    }

    rt::Status remove() override {
        page_recovery_remove();
        return std::nullopt;
    }

    rt::Result<std::string> set_aside() override {
        std::string name = taken_text(page_recovery_set_aside());
        if (name.empty()) return rt::FileError{rt::ERR_DISK_FULL, where(), "no room to set it aside"};
        return "このブラウザーの保存領域 " + name;
    }

private:
    std::string place_;
};

}  // namespace

void start_browser_recovery() {
    std::string place = taken_text(page_recovery_claim(order().EDITION == EDITION_SHOP));
    if (place.empty()) {
        ui::message_box(screens::scr().MAINFORM, files::recovery_caption(),
                        rt::to_sjis("このブラウザーには注文の控えを保存できません。\r\n"
                                    "注文はこまめにセーブしてください。"),
                        ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    files::start_recovery(std::make_unique<BrowserStore>(place));
    files::offer_recovery();
}

}  // namespace scanfee::web
