#pragma once
// The recovery copy: while the order on screen differs from the file last
// saved or loaded, a copy of it in the order file's format is kept after every
// event that changes it, committed the same safe way as every save. A run
// that ends without saving (the end button, a crash, a killed process, a
// power cut) leaves the copy behind, and the next run of the same edition
// offers it back.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/file_error.h"
#include "runtime/numbers.h"

namespace scanfee::files {

// Where the copy is kept: one order file's bytes.
class RecoveryStore {
public:
    virtual ~RecoveryStore() = default;
    // Names the copy in messages (UTF-8).
    virtual std::string where() const = 0;
    // The copy, or nothing when there is none.
    virtual rt::Result<std::optional<std::string>> read() = 0;
    // Replaces the copy in one step.
    virtual rt::Status write(std::string_view bytes) = 0;
    virtual rt::Status remove() = 0;
    // Moves a damaged copy out of the way, kept for a look; returns where (UTF-8).
    virtual rt::Result<std::string> set_aside() = 0;
};

// The copy as a file in `folder` (created when missing): "customer.SAV" or
// "shop.SAV", or "shop-2.SAV" and so on while other runs of the same edition
// keep the first ones. A failure says why no copy can be kept.
rt::Result<std::unique_ptr<RecoveryStore>> folder_recovery_store(const std::string& folder,
                                                                 rt::int16 edition);

// Keeps the copy in `store` from now on. The order on screen at this moment
// (the fresh order of the start) counts as saved.
void start_recovery(std::unique_ptr<RecoveryStore> store);
// Keeps no copy any more (the copy on the disk stays as it is).
void stop_recovery();
bool recovery_active();

// A copy left by an earlier run that holds an order is offered back with a
// Yes/No message box: Yes loads it as "ロード" loads a file, No discards it. A
// damaged or unreadable copy is reported and set aside. Call once the
// summary screen is shown.
void offer_recovery();

// After every event: writes the copy when the order changed, or removes it
// when the order is empty or the same as the file last saved or loaded.
void keep_recovery_copy();

// The order was just saved to a file or loaded from one; this order now
// counts as saved.
void note_order_saved();

// Texts of the messages, for the views and tests (Shift-JIS).
std::string recovery_caption();
std::string recovery_question(int titles, int coupons);

}  // namespace scanfee::files
