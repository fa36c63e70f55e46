// Ctrl+P on the summary screen prints a paper written before: the open
// dialog starts in the folder the papers went to, the paper is read as
// Shift-JIS with its yen signs, and a file that is no paper is refused by
// name with the reason.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "core/order_state.h"
#include "keyboard.h"
#include "qt/file_dialog.h"
#include "qt/paper_file.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"
#include "typing.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

TEST(PaperTextTest, YenSignsTabsAndTwoByteCharactersEndingIn5C) {
    const struct {
        const char* name;
        std::string sjis;
        const char* text;
    } cases[] = {
        {"an amount", "小計  \\1400"_sj, "小計  ¥1400"},
        {"a negative amount", "-\\80"_sj, "-¥80"},
        // 表 and ソ end in byte 0x5C: characters, not yen signs.
        {"two-byte characters", "書籍の表示　ソ"_sj, "書籍の表示　ソ"},
        {"a tab to the next eight cells", "ab\tc\r\nあ\tい"_sj, "ab      c\r\nあ      い"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(paper_text(c.sjis).toStdString(), c.text);
    }
}

class WrittenPaperTest : public ViewTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(papers_.isValid());
        // Ending in a Ctrl-Z, as old editors end a text.
        write(QString::fromUtf8("委任状.TXT"),
              "　　　委　任　状\r\n書籍の表示\r\n  種別  　タイトル\r\nコミック　ABC\r\n\x1a"_sj);
        write(QStringLiteral("picture.TXT"), std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    }

    void write(const QString& name, const std::string& bytes) {
        QFile f(papers_.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qint64(bytes.size()));
    }

    // Ctrl+P on the summary; in the open dialog the user types `name`.
    void print_paper(const QString& name) {
        QTimer::singleShot(0, [this, name] {
            FileDialog* dialog = nullptr;
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return (dialog = dynamic_cast<FileDialog*>(QApplication::activeModalWidget()));
            }));
            started_in_ = dialog->directory().absolutePath();
            type_text(dialog->name_edit(), name);
            QTest::keyClick(dialog->name_edit(), Qt::Key_Return);
            // A refusal follows as a message box.
            QTimer::singleShot(0, [this] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    refusal_ = box->text();
                    box->accept();
                }
            });
        });
        press(view_->widget("MAINFORM"), Qt::Key_P, Qt::ControlModifier);
    }

    QTemporaryDir papers_;
    QString started_in_, refusal_;
};

TEST_F(WrittenPaperTest, CtrlPOnTheSummaryPrintsAPaperFromTheFolderOfTheLastFile) {
    start(EDITION_SHOP);
    order().LASTDIR = papers_.path().toStdString() + "/";
    print_paper(QString::fromUtf8("委任状.TXT"));
    EXPECT_EQ(started_in_, papers_.path());
    ASSERT_EQ(printed_.size(), 1u);
    EXPECT_EQ(printed_names_[0], QString::fromUtf8("委任状.TXT"));
    EXPECT_EQ(printed_[0], QString::fromUtf8("　　　委　任　状\r\n書籍の表示\r\n  種別  　タイトル\r\nコミック　ABC\r\n"));
    EXPECT_TRUE(refusal_.isEmpty());
    // Printing changes nothing of the order, not even the remembered folder.
    EXPECT_EQ(order().LASTDIR, papers_.path().toStdString() + "/");
}

TEST_F(WrittenPaperTest, AFileThatIsNoPaperIsRefusedByNameAndNothingIsPrinted) {
    start(EDITION_CUSTOMER);
    order().LASTDIR = papers_.path().toStdString() + "/";
    print_paper(QStringLiteral("picture.TXT"));
    EXPECT_TRUE(printed_.empty());
    EXPECT_TRUE(refusal_.contains(papers_.filePath(QStringLiteral("picture.TXT")))) << refusal_.toStdString();
    // "\x89P" reads as a kanji; the Ctrl-Z after the line end is no text.
    EXPECT_TRUE(refusal_.contains(QString::fromUtf8("2行目：制御文字（0x1A）"))) << refusal_.toStdString();
}

}  // namespace
}  // namespace scanfee::qtview::testing
