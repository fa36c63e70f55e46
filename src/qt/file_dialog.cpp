#include "qt/file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>

#include "qt/dialog_look.h"
#include "qt/qt_text.h"
#include "ui/dialogs.h"

namespace scanfee::qtview {

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
    : QFileDialog(owner, to_qt(title)), filters_(rt::parse_filter_text(filter)) {
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
    const QString folder = QString::fromStdString(where.folder);
    setDirectory(QDir::current().absoluteFilePath(folder.isEmpty() ? QStringLiteral(".") : folder));
    if (!where.file_name.empty()) selectFile(QString::fromStdString(where.file_name));
    apply_dialog_look(*this);
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
