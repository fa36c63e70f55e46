#pragma once
// The save and open dialogs. Qt's own dialog is used everywhere, so that the
// program's filters and checks hold on every desktop.
#include <QFileDialog>
#include <QSortFilterProxyModel>
#include <string>

#include "runtime/file_filter.h"

class QLineEdit;

namespace scanfee::qtview {

// Shows the files of the selected filter, matched by the program's own rules
// (letters regardless of case, "*.*" every file), and every folder.
class FilterProxy : public QSortFilterProxyModel {
public:
    explicit FilterProxy(QObject* parent) : QSortFilterProxyModel(parent) {}
    void set_filter(const rt::FileFilter& filter);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    rt::FileFilter filter_;
};

class FileDialog : public QFileDialog {
public:
    // Title and filter in CP932, the default path a native path. Not shown yet.
    // A default path without a folder, or in the root folder, opens the
    // user's home folder: a program started from a menu has "/" as its
    // working folder, where no user keeps files. An open dialog offers every
    // file as its last filter, so that a file sent under another extension
    // can still be chosen.
    FileDialog(QWidget* owner, bool save, const std::string& title,
               const std::string& default_path, const std::string& filter);
    // The chosen full path (native), or the cancel mark.
    std::string result_path() const;
    // The captions as shown, in order.
    QStringList filter_captions() const;
    // The box the file name is typed into.
    QLineEdit* name_edit() const;
    // Refuses a file in a folder that does not exist before accepting.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void select_base_name_later();
    void select_base_name();

    rt::FilterList filters_;
    QStringList qt_filters_;
    FilterProxy* proxy_;
    // The name a save dialog proposes; its base name stays selected, so
    // that what the user types replaces it and the extension stays, until
    // the user edits the name or moves in it.
    QString proposed_;
    bool name_touched_ = false;
};

// "すべてのファイル (*)", the filter an open dialog adds after the program's own.
QString every_file_caption();

std::string run_file_dialog(QWidget* owner, bool save, const std::string& title,
                            const std::string& default_path, const std::string& filter);

}  // namespace scanfee::qtview
