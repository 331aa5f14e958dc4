#include "windows/dialogs/FileList.h"

#include <QDir>

namespace orvex {

FileList::FileList(const QString& pattern, QWidget* parent)
    : QListWidget(parent), pattern_(pattern) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setPath(const QString& path) {
    path_ = path;
    clear();
    // Without QDir::CaseSensitive the name filter ignores case.
    const QDir dir(path_);
    addItems(dir.entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace orvex
