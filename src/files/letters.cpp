// The power of attorney and the gift deed: fixed text with lines left for
// the date, the address, the name and the seal, then the table of the books
// they concern.
#include "core/order_state.h"
#include "files/application_papers.h"
#include "files/paper_parts.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

std::vector<TitleRef> scanned_titles() {
    return order_titles_where([](int slot, int category) {
        return order().WORK(slot, category) > 1;
    });
}

std::vector<TitleRef> gift_titles() {
    return order_titles_where([](int slot, int category) {
        return order().GIFT(slot, category) == 1;
    });
}

// The shop as the customer's agent for the copying work.
void fill_power_of_attorney(rt::TextFileWriter& file) {
    write_lines(file, {fw_spaces(11) + "委　任　状"_sj, "",
                       "私は、下記の者を代理人と定め、下記の書籍を解体した物について、"_sj,
                       "著作権法第３０条（私的使用のための複製）に基づく全ての権限を"_sj,
                       "委譲し、複製による電子データ化作業を委任します。"_sj, ""});
    write_date_block(file);
    write_signer_block(file, "委任者"_sj);
    write_lines(file, {"代理人の表示　架空市見本町１番１１号"_sj,
                       fw_spaces(7) + "ホシナギ書籍工房"_sj,
                       fw_spaces(7) + "店主　架　空　太　郎"_sj, "", "書籍の表示"_sj});
    write_book_table(file, scanned_titles(), false);
}

// The books the customer gives to the shop once they are scanned.
void fill_gift_deed(rt::TextFileWriter& file) {
    write_lines(file, {fw_spaces(9) + "贈　与　証　書"_sj, ""});
    write_signer_block(file, "贈与者"_sj);
    write_lines(file,
                {"受贈者　架空市見本町１番１１号"_sj, fw_spaces(5) + "ホシナギ書籍工房"_sj,
                 fw_spaces(4) + "店主　架　空　太　郎"_sj, "", "",
                 "下記の書籍は、贈与者の物ですが、贈与者は下記の条件でこれを受贈者に"_sj,
                 "贈与する事を約し、受贈者は条件成就の際にこれを譲り受ける事を受諾した。"_sj,
                 "上記契約を証するため、この証書２通を作成し、各自その１通を保存する。"_sj, ""});
    write_date_block(file);
    write_lines(file, {"条　件"_sj, "下記の書籍のデータ化並びに媒体への保存を完了し、"_sj,
                       "受贈者が贈与者に対して、その旨を報告した時。"_sj, "", "",
                       "書籍の表示"_sj});
    write_book_table(file, gift_titles(), false);
}

}  // namespace

std::string power_of_attorney_bytes() { return paper_bytes(fill_power_of_attorney); }
std::string gift_deed_bytes() { return paper_bytes(fill_gift_deed); }

bool OUTFILE2_SUB() { return write_paper(fill_power_of_attorney); }
bool OUTFILE5_SUB() { return write_paper(fill_gift_deed); }

}  // namespace scanfee::files
