// The Qt dialogs give the program's answer codes, texts and paths.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <ostream>

#include "qt/file_dialog.h"
#include "qt/input_box.h"
#include "qt/message_box.h"
#include "runtime/sjis.h"
#include "typing.h"

namespace scanfee::qtview {
namespace {

using rt::literals::operator""_sj;

QStringList button_texts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* b : box.buttons()) texts << b->text();
    texts.sort();
    return texts;
}

QAbstractButton* button_with_text(const QMessageBox& box, const char* text) {
    for (QAbstractButton* b : box.buttons())
        if (b->text() == QString::fromUtf8(text)) return b;
    return nullptr;
}

struct BoxCase {
    ui::Buttons buttons;
    std::vector<std::pair<const char*, int>> answers;  // button text, answer code
    int escape;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << "buttons " << int(c.buttons); }

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, EveryButtonGivesItsAnswerAndEscapeTheCancelLikeOne) {
    const BoxCase& c = GetParam();
    QStringList expected;
    for (const auto& [text, answer] : c.answers) expected << QString::fromUtf8(text);
    expected.sort();
    for (const auto& [text, answer] : c.answers) {
        SCOPED_TRACE(text);
        auto box = make_message_box(nullptr, "caption", "text", c.buttons, ui::Icon::None);
        EXPECT_EQ(button_texts(*box), expected);
        box->show();
        QAbstractButton* button = button_with_text(*box, text);
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_EQ(message_box_answer(*box), answer);
    }
    auto box = make_message_box(nullptr, "caption", "text", c.buttons, ui::Icon::None);
    box->show();
    QTest::keyClick(box.get(), Qt::Key_Escape);
    EXPECT_EQ(message_box_answer(*box), c.escape);
}

INSTANTIATE_TEST_SUITE_P(
    ButtonSets, MessageBoxTest,
    ::testing::Values(
        BoxCase{ui::Buttons::Ok, {{"OK", ui::ANSWER_OK}}, ui::ANSWER_OK},
        BoxCase{ui::Buttons::OkCancel,
                {{"OK", ui::ANSWER_OK}, {"キャンセル", ui::ANSWER_CANCEL}},
                ui::ANSWER_CANCEL},
        BoxCase{ui::Buttons::AbortRetryIgnore,
                {{"中止(&A)", ui::ANSWER_ABORT},
                 {"再試行(&R)", ui::ANSWER_RETRY},
                 {"無視(&I)", ui::ANSWER_IGNORE}},
                ui::ANSWER_ABORT},
        BoxCase{ui::Buttons::YesNoCancel,
                {{"はい(&Y)", ui::ANSWER_YES},
                 {"いいえ(&N)", ui::ANSWER_NO},
                 {"キャンセル", ui::ANSWER_CANCEL}},
                ui::ANSWER_CANCEL},
        BoxCase{ui::Buttons::YesNo,
                {{"はい(&Y)", ui::ANSWER_YES}, {"いいえ(&N)", ui::ANSWER_NO}},
                ui::ANSWER_NO},
        BoxCase{ui::Buttons::RetryCancel,
                {{"再試行(&R)", ui::ANSWER_RETRY}, {"キャンセル", ui::ANSWER_CANCEL}},
                ui::ANSWER_CANCEL}));

TEST(MessageBoxLookTest, IconsCaptionTextAndFirstButtonAsDefault) {
    const std::pair<ui::Icon, QMessageBox::Icon> icons[] = {
        {ui::Icon::Stop, QMessageBox::Critical},
        {ui::Icon::Question, QMessageBox::Question},
        {ui::Icon::Exclamation, QMessageBox::Warning},
        {ui::Icon::Information, QMessageBox::Information},
        {ui::Icon::None, QMessageBox::NoIcon}};
    for (const auto& [icon, qt] : icons) {
        auto box = make_message_box(nullptr, "a", "b", ui::Buttons::Ok, icon);
        EXPECT_EQ(box->icon(), qt);
    }
    auto box = make_message_box(nullptr, "特別割引のチェック"_sj, "一行目\r\n<b>二行目</b>"_sj,
                                ui::Buttons::YesNo, ui::Icon::Question);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8("特別割引のチェック"));
    EXPECT_EQ(box->text(), QString::fromUtf8("一行目\n<b>二行目</b>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->defaultButton()->text(), QString::fromUtf8("はい(&Y)"));
}

TEST(InputBoxTest, OkGivesTheTypedTextInCp932AndCancelTheCancelMark) {
    {
        InputBox box(nullptr, "入力"_sj, "申込番号"_sj, "16042901");
        EXPECT_EQ(box.field().text(), "16042901");
        box.show();
        box.field().clear();
        testing::type_text(&box.field(), QString::fromUtf8("１２a"));
        box.findChild<QPushButton*>("ok")->click();
        EXPECT_EQ(box.result_text(), "１２a"_sj);
    }
    {
        InputBox box(nullptr, "入力"_sj, "申込番号"_sj, "16042901");
        box.show();
        EXPECT_EQ(box.findChild<QPushButton*>("cancel")->text(), QString::fromUtf8("ｷｬﾝｾﾙ"));
        box.findChild<QPushButton*>("cancel")->click();
        EXPECT_EQ(box.result_text(), ui::CANCEL_MARK);
    }
    {
        InputBox box(nullptr, "入力"_sj, "申込番号"_sj, "");
        box.show();
        QTest::keyClick(&box, Qt::Key_Escape);
        EXPECT_EQ(box.result_text(), ui::CANCEL_MARK);
    }
    {
        // OK on an empty field is an empty answer, not a cancel.
        InputBox box(nullptr, "c", "p", "");
        box.show();
        QTest::keyClick(&box.field(), Qt::Key_Return);
        EXPECT_EQ(box.result_text(), "");
    }
}

TEST(InputBoxTest, FieldHoldsAtMost64BytesOfCp932) {
    InputBox box(nullptr, "c", "p", "");
    testing::type_text(&box.field(), QString(40, QChar(0x3042)));  // あ, two bytes each
    EXPECT_EQ(box.field().text().size(), 32);
    box.field().clear();
    QTest::keyClicks(&box.field(), QString(70, QLatin1Char('1')));
    EXPECT_EQ(box.field().text().size(), 64);
}

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"order.sav", "OTHER.SAV", "notes.txt", "list.csv", "README"}) {
            QFile f(dir_.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        QDir(dir_.path()).mkdir("sub");
    }

    // The names the dialog lists in its folder, once the folder is read.
    static QStringList listed(FileDialog& dialog) {
        QAbstractItemModel* model = dialog.proxyModel();
        auto* proxy = static_cast<QSortFilterProxyModel*>(model);
        QStringList names;
        const bool read = QTest::qWaitFor([&] {
            const QModelIndex root = proxy->mapFromSource(
                static_cast<const QFileSystemModel*>(proxy->sourceModel())
                    ->index(dialog.directory().absolutePath()));
            names.clear();
            for (int i = 0; i < proxy->rowCount(root); ++i)
                names << proxy->index(i, 0, root).data().toString();
            return names.size() > 0;
        });
        EXPECT_TRUE(read);
        names.sort();
        return names;
    }

    QString path(const char* name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(FileDialogTest, CaptionsAreTheWholeFilterTextsAndTheFirstIsSelected) {
    FileDialog dialog(nullptr, false, "ロード"_sj, path("x").toStdString(),
                      "ﾃｷｽﾄ形式(*.TXT,*.CSV);ｾｰﾌﾞ形式(*.SAV)"_sj);
    EXPECT_EQ(dialog.filter_captions(),
              QStringList({QString::fromUtf8("ﾃｷｽﾄ形式(*.TXT,*.CSV)"),
                           QString::fromUtf8("ｾｰﾌﾞ形式(*.SAV)"), every_file_caption()}));
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ロード"));
    EXPECT_TRUE(dialog.selectedNameFilter().startsWith(QString::fromUtf8("ﾃｷｽﾄ形式(*.TXT,*.CSV)")));
}

TEST_F(FileDialogTest, PatternsMatchWithoutRegardToCaseAndFoldersStayListed) {
    FileDialog dialog(nullptr, false, "t", path("").toStdString() + "/", "ｾｰﾌﾞ形式(*.SAV)"_sj);
    dialog.show();
    EXPECT_EQ(listed(dialog), QStringList({"OTHER.SAV", "order.sav", "sub"}));
}

TEST_F(FileDialogTest, TwoPatternsInOneFilterAndTheFilterChosenLater) {
    FileDialog dialog(nullptr, false, "t", path("").toStdString() + "/",
                      "ﾃｷｽﾄ形式(*.TXT,*.CSV);すべてのﾌｧｲﾙ(*.*)"_sj);
    dialog.show();
    EXPECT_EQ(listed(dialog), QStringList({"list.csv", "notes.txt", "sub"}));
    dialog.selectNameFilter(dialog.nameFilters().at(1));
    emit dialog.filterSelected(dialog.nameFilters().at(1));
    EXPECT_EQ(listed(dialog),
              QStringList({"OTHER.SAV", "README", "list.csv", "notes.txt", "order.sav", "sub"}));
}

TEST_F(FileDialogTest, DefaultPathGivesFolderAndProposedName) {
    FileDialog dialog(nullptr, true, "t", path("依頼事項書.TXT").toStdString(), "");
    EXPECT_EQ(dialog.directory().absolutePath(), QDir(dir_.path()).absolutePath());
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QString::fromUtf8("依頼事項書.TXT"));
}

TEST_F(FileDialogTest, SaveRefusesAFileInAFolderThatDoesNotExist) {
    FileDialog dialog(nullptr, true, "t", path("x.SAV").toStdString(), "");
    dialog.show();
    dialog.selectFile(path("missing/x.SAV"));
    bool warned = false;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            warned = true;
            box->accept();
        }
    });
    dialog.accept();
    EXPECT_TRUE(warned);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.result_path(), ui::CANCEL_MARK);
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingAndOpenWantsAnExistingFile) {
    FileDialog save(nullptr, true, "t", path("x.SAV").toStdString(), "");
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_FALSE(save.testOption(QFileDialog::DontConfirmOverwrite));
    FileDialog open(nullptr, false, "t", path("x.SAV").toStdString(), "");
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    // Qt's own dialog everywhere: the checks above live in it.
    EXPECT_TRUE(open.testOption(QFileDialog::DontUseNativeDialog));
}

TEST_F(FileDialogTest, SaveAcceptsANewFileInAnExistingFolder) {
    FileDialog dialog(nullptr, true, "t", path("new.SAV").toStdString(), "");
    dialog.show();
    dialog.selectFile(path("new.SAV"));
    dialog.accept();
    EXPECT_EQ(dialog.result_path(), path("new.SAV").toStdString());
}

}  // namespace
}  // namespace scanfee::qtview
