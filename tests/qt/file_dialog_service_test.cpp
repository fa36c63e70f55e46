// The file dialogs as the program meets them through the dialog service:
// the proposed name ready to be typed over, the home folder while no folder
// is remembered, and every file within reach of an open dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "qt/file_dialog.h"
#include "qt/qt_dialogs.h"
#include "runtime/sjis.h"
#include "typing.h"

namespace scanfee::qtview {
namespace {

using rt::literals::operator""_sj;

// Runs `user` on the file dialog once it is shown and its folder is read.
void when_shown(const std::function<void(FileDialog&)>& user) {
    QTimer::singleShot(0, [user] {
        FileDialog* dialog = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            dialog = dynamic_cast<FileDialog*>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible();
        });
        ASSERT_TRUE(shown);
        auto* files = static_cast<QFileSystemModel*>(
            static_cast<QSortFilterProxyModel*>(dialog->proxyModel())->sourceModel());
        // The folder is read on a thread of the model: wait for its rows,
        // then for whatever the dialog does once they are there.
        const bool read = QTest::qWaitFor([&] {
            return files->rowCount(files->index(dialog->directory().absolutePath())) > 0;
        });
        EXPECT_TRUE(read);
        QTest::qWait(50);
        user(*dialog);
        // A dialog the user's steps left open fails the test, never hangs it.
        QPointer<FileDialog> left(dialog);
        QTimer::singleShot(3000, [left] {
            if (left && left->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                left->reject();
            }
        });
    });
}

// The names the dialog lists in its folder under the selected filter.
QStringList listed(FileDialog& dialog) {
    auto* proxy = static_cast<QSortFilterProxyModel*>(dialog.proxyModel());
    const auto* files = static_cast<const QFileSystemModel*>(proxy->sourceModel());
    const QModelIndex root = proxy->mapFromSource(files->index(dialog.directory().absolutePath()));
    QStringList names;
    for (int i = 0; i < proxy->rowCount(root); ++i) names << proxy->index(i, 0, root).data().toString();
    return names;
}

class FileDialogServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        ASSERT_TRUE(work_.isValid());
        saved_home_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        for (const char* name : {"メール添付用.TXT", "order.SAV", "notes.txt"}) {
            QFile f(work_.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        QFile mark(home_.filePath(QStringLiteral("in-home.SAV")));
        ASSERT_TRUE(mark.open(QIODevice::WriteOnly));
    }
    void TearDown() override { qputenv("HOME", saved_home_); }

    std::string in_work(const char* name) const {
        return work_.filePath(QString::fromUtf8(name)).toStdString();
    }

    QtDialogService service_;
    QTemporaryDir home_, work_;
    QByteArray saved_home_;
};

struct SelectionCase {
    const char* name;
    const char* proposed;   // in the work folder
    const char* selected;   // what the user sees selected
    const char* typed;      // what the user types then
    const char* result;     // the file name the dialog gives
};

TEST_F(FileDialogServiceTest, SaveDialogSelectsTheBaseNameSoThatTypingReplacesIt) {
    const SelectionCase cases[] = {
        {"a new name", "依頼事項書.TXT", "依頼事項書", "irai", "irai.TXT"},
        {"a name that exists already", "メール添付用.TXT", "メール添付用", "kbdmail", "kbdmail.TXT"},
        {"the order file's pattern", "*.SAV", "*", "order2", "order2.SAV"},
        {"a name without extension", "README", "README", "notes2", "notes2"},
        {"the extension typed over as well", "メール添付用.TXT", "メール添付用", "mail", "mail.TXT"},
    };
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        QString seen;
        when_shown([&](FileDialog& dialog) {
            QLineEdit* name = dialog.name_edit();
            ASSERT_NE(name, nullptr);
            EXPECT_TRUE(name->hasFocus());
            seen = name->selectedText();
            QTest::keyClicks(name, QString::fromUtf8(c.typed));
            QTest::keyClick(name, Qt::Key_Return);
        });
        const std::string chosen =
            service_.save_dialog(nullptr, "メールに添付するデータの出力"_sj, in_work(c.proposed),
                                 "テキスト形式(*.TXT)"_sj);
        EXPECT_EQ(seen.toStdString(), c.selected);
        EXPECT_EQ(chosen, in_work(c.result));
    }
}

// "保存" on the proposed "*.SAV" or on a typed "?" is a pattern, not a
// name: the dialog says so and stays open for a name.
TEST_F(FileDialogServiceTest, APatternIsNoNameToSaveUnder) {
    QStringList said;
    when_shown([&](FileDialog& dialog) {
        QLineEdit* name = dialog.name_edit();
        for (const char* typed : {"", "注?文"}) {
            // Committed as an input method commits it: QTest types ASCII only.
            if (*typed) name->setText(QString::fromUtf8(typed));
            QTimer::singleShot(0, [&said] {
                QWidget* box = nullptr;
                (void)QTest::qWaitFor([&] {
                    box = QApplication::activeModalWidget();
                    return qobject_cast<QMessageBox*>(box) != nullptr;
                });
                if (auto* message = qobject_cast<QMessageBox*>(box)) {
                    said << message->text();
                    message->accept();
                }
            });
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible());
        }
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("order3"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(service_.save_dialog(nullptr, "申込みデータの保存"_sj, in_work("*.SAV"), "(*.SAV)"_sj),
              in_work("order3"));
    ASSERT_EQ(said.size(), 2);
    EXPECT_TRUE(said[0].startsWith(QString::fromUtf8("「*.SAV」はファイル名ではありません")));
    EXPECT_TRUE(said[1].startsWith(QString::fromUtf8("「注?文」はファイル名ではありません")));
}

TEST_F(FileDialogServiceTest, AClickOrAnArrowKeyInTheNameLeavesTheSelectionToTheUser) {
    when_shown([&](FileDialog& dialog) {
        QLineEdit* name = dialog.name_edit();
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, QStringLiteral("X"));
        // The folder read again must not select the name once more.
        dialog.setDirectory(dialog.directory());
        QTest::qWait(50);
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(service_.save_dialog(nullptr, "t", in_work("メール添付用.TXT"), "(*.TXT)"),
              in_work("メール添付用.TXTX"));
}

TEST_F(FileDialogServiceTest, DialogsStartAtHomeWhileNoFolderIsRemembered) {
    struct Case {
        const char* name;
        bool save;
        std::string default_path;
        QString folder;
        QString proposed;
    };
    const QString home = QDir(home_.path()).absolutePath();
    const Case cases[] = {
        {"open, the root folder", false, "/", home, ""},
        {"save, a bare name", true, "依頼事項書.TXT", home, QString::fromUtf8("依頼事項書.TXT")},
        {"save, a name in the root", true, "/*.SAV", home, QStringLiteral("*.SAV")},
        {"open, a remembered folder", false, work_.path().toStdString() + "/",
         QDir(work_.path()).absolutePath(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileDialog dialog(nullptr, c.save, "t", c.default_path, "(*.SAV)");
        EXPECT_EQ(dialog.directory().absolutePath(), c.folder);
        EXPECT_EQ(dialog.name_edit()->text(), c.proposed);
    }
}

TEST_F(FileDialogServiceTest, LoadOffersEveryFileAfterItsOwnFilter) {
    when_shown([&](FileDialog& dialog) {
        EXPECT_EQ(dialog.filter_captions(),
                  QStringList({QStringLiteral("(*.SAV)"), QString::fromUtf8("すべてのファイル (*)")}));
        EXPECT_FALSE(listed(dialog).contains(QString::fromUtf8("メール添付用.TXT")));
        dialog.selectNameFilter(dialog.nameFilters().at(1));
        emit dialog.filterSelected(dialog.nameFilters().at(1));
        EXPECT_TRUE(listed(dialog).contains(QString::fromUtf8("メール添付用.TXT")));
        testing::type_text(dialog.name_edit(), QString::fromUtf8("メール添付用.TXT"));
        QTest::keyClick(dialog.name_edit(), Qt::Key_Return);
    });
    EXPECT_EQ(service_.open_dialog(nullptr, "データファイルの読み込み"_sj, work_.path().toStdString() + "/",
                                   "(*.SAV)"_sj),
              in_work("メール添付用.TXT"));
    // A filter that shows every file already gets no second one; a save
    // dialog none at all.
    FileDialog all(nullptr, false, "t", "/", "すべてのﾌｧｲﾙ(*.*)"_sj);
    EXPECT_EQ(all.filter_captions().size(), 1);
    FileDialog save(nullptr, true, "t", "/", "(*.SAV)");
    EXPECT_EQ(save.filter_captions().size(), 1);
}

}  // namespace
}  // namespace scanfee::qtview
