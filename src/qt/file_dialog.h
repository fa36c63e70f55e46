#pragma once
// The save and open dialogs. Qt's own dialog is used everywhere, so that the
// program's filters and checks hold on every desktop.
#include <QFileDialog>
#include <QSortFilterProxyModel>
#include <string>

#include "runtime/file_filter.h"

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
    FileDialog(QWidget* owner, bool save, const std::string& title,
               const std::string& default_path, const std::string& filter);
    // The chosen full path (native), or the cancel mark.
    std::string result_path() const;
    // The captions as shown, in order.
    QStringList filter_captions() const;
    // Refuses a file in a folder that does not exist before accepting.
    void accept() override;

private:
    rt::FilterList filters_;
    QStringList qt_filters_;
    FilterProxy* proxy_;
};

std::string run_file_dialog(QWidget* owner, bool save, const std::string& title,
                            const std::string& default_path, const std::string& filter);

}  // namespace scanfee::qtview
