#include "qt/file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "qt/dialog_look.h"
#include "qt/qt_text.h"
#include "runtime/file_filter.h"
#include "runtime/sjis.h"
#include "ui/dialogs.h"

namespace scanfee::qtview {

namespace {

// Where the dialog opens: the folder of the default path, taken from the
// working folder when relative; the home folder for none or the root.
QString start_folder(const std::string& folder) {
    if (folder.empty() || folder == "/") return QDir::homePath();
    return QDir::current().absoluteFilePath(QString::fromStdString(folder));
}

}  // namespace

QString every_file_caption() { return to_qt(rt::every_file_caption()); }

void FilterProxy::set_filter(const rt::FileFilter& filter) {
    filter_ = filter;
    invalidateFilter();
}

bool FilterProxy::filterAcceptsRow(int row, const QModelIndex& parent) const {
    auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
    if (!files) return true;
    const QModelIndex index = files->index(row, 0, parent);
    if (files->isDir(index)) return true;
    return rt::matches_filter(filter_, files->fileName(index).toStdString());
}

FileDialog::FileDialog(QWidget* owner, bool save, const std::string& title,
                       const std::string& default_path, const std::string& filter)
    : QFileDialog(owner, to_qt(title)),
      filters_(save ? rt::parse_filter_text(filter) : rt::open_dialog_filters(rt::parse_filter_text(filter))) {
    setOption(QFileDialog::DontUseNativeDialog);
    // Qt would read the patterns out of the caption itself, with blanks as
    // separators and its own idea of "*.*". The caption is shown whole and
    // Qt gets "*" to pass everything on to the proxy, which applies the
    // program's patterns.
    setOption(QFileDialog::HideNameFilterDetails);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    proxy_ = new FilterProxy(this);
    setProxyModel(proxy_);
    for (const rt::FileFilter& f : filters_.filters)
        qt_filters_ << to_qt(f.caption) + QStringLiteral(" (*)");
    setNameFilters(qt_filters_);
    selectNameFilter(qt_filters_.value(int(filters_.selected)));
    proxy_->set_filter(filters_.filters[filters_.selected]);
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& selected) {
        const QStringList captions = filter_captions();
        for (int i = 0; i < qt_filters_.size(); ++i) {
            if (selected == qt_filters_[i] || selected == captions[i]) {
                proxy_->set_filter(filters_.filters[size_t(i)]);
                return;
            }
        }
    });

    const rt::DefaultPath where = rt::split_default_path(default_path);
    setDirectory(start_folder(where.folder));
    proposed_ = QString::fromStdString(where.file_name);
    if (!proposed_.isEmpty()) selectFile(proposed_);
    if (QLineEdit* name = name_edit(); name && save && !proposed_.isEmpty()) {
        name->installEventFilter(this);
        connect(name, &QLineEdit::textEdited, this, [this] { name_touched_ = true; });
        // Qt puts the name of a file it finds in the folder back into the
        // box once the folder is read, which drops the selection.
        connect(name, &QLineEdit::textChanged, this, [this] { select_base_name_later(); });
        connect(this, &QFileDialog::directoryEntered, this, [this] { select_base_name_later(); });
        if (auto* files = qobject_cast<QFileSystemModel*>(proxy_->sourceModel()))
            connect(files, &QFileSystemModel::directoryLoaded, this, [this] { select_base_name_later(); });
    }
    apply_dialog_look(*this);
}

QLineEdit* FileDialog::name_edit() const { return findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }

void FileDialog::showEvent(QShowEvent* event) {
    QFileDialog::showEvent(event);
    select_base_name_later();
}

bool FileDialog::eventFilter(QObject* watched, QEvent* event) {
    // A key that moves in the name or a click into it is the user's own
    // choice of what is selected.
    if (watched == name_edit() && !name_touched_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick ||
         (event->type() == QEvent::KeyPress &&
          static_cast<QKeyEvent*>(event)->text().isEmpty() &&
          static_cast<QKeyEvent*>(event)->key() != Qt::Key_Tab &&
          static_cast<QKeyEvent*>(event)->key() != Qt::Key_Backtab &&
          static_cast<QKeyEvent*>(event)->key() != Qt::Key_Shift)))
        name_touched_ = true;
    return QFileDialog::eventFilter(watched, event);
}

void FileDialog::select_base_name_later() {
    if (name_touched_) return;
    QTimer::singleShot(0, this, [this] { select_base_name(); });
}

void FileDialog::select_base_name() {
    QLineEdit* name = name_edit();
    if (name_touched_ || !name || name->text() != proposed_) return;
    // "メール添付用.TXT": the part before the last dot; a name without one
    // (or with its only dot in front) is selected whole.
    const qsizetype dot = proposed_.lastIndexOf(QLatin1Char('.'));
    const int base = static_cast<int>(dot > 0 ? dot : proposed_.size());
    if (name->selectionStart() == 0 && name->selectedText().size() == base) return;
    name->setFocus(Qt::OtherFocusReason);
    name->setSelection(0, base);
}

QStringList FileDialog::filter_captions() const {
    QStringList captions;
    for (const rt::FileFilter& f : filters_.filters) captions << to_qt(f.caption);
    return captions;
}

void FileDialog::accept() {
    const QStringList files = selectedFiles();
    if (acceptMode() == QFileDialog::AcceptSave && !files.isEmpty()) {
        const QFileInfo chosen(files.first());
        if (const std::string refusal = rt::save_name_refusal(chosen.fileName().toStdString());
            !refusal.empty()) {
            QMessageBox::warning(this, windowTitle(), to_qt(refusal));
            return;
        }
        // A folder typed as the name is opened by the dialog itself; a file in
        // a folder that does not exist cannot be written.
        if (!chosen.isDir() && !chosen.dir().exists()) {
            QMessageBox::warning(this, windowTitle(),
                                 QString::fromUtf8("フォルダ %1 が見つかりません。\n"
                                                   "フォルダ名を確かめてください。")
                                     .arg(QDir::toNativeSeparators(chosen.path())));
            return;
        }
    }
    QFileDialog::accept();
}

std::string FileDialog::result_path() const {
    if (result() != QDialog::Accepted || selectedFiles().isEmpty()) return ui::CANCEL_MARK;
    return selectedFiles().first().toStdString();
}

std::string run_file_dialog(QWidget* owner, bool save, const std::string& title,
                            const std::string& default_path, const std::string& filter) {
    FileDialog dialog(owner, save, title, default_path, filter);
    dialog.exec();
    return dialog.result_path();
}

}  // namespace scanfee::qtview
