#include "windows/dialogs/DirectoryList.h"

#include <QDir>
#include <QStringList>
#include <QStyle>

namespace orvex {

namespace {

constexpr int kIndentPerLevel = 2;

// The folders from the root down to `path`, the root first.
QStringList ChainTo(const QString& path) {
    QStringList chain;
    QDir dir(path);
    chain.prepend(dir.absolutePath());
    while (!dir.isRoot() && dir.cdUp()) {
        chain.prepend(dir.absolutePath());
    }
    return chain;
}

QString EntryName(const QString& absolutePath) {
    const QString name = QDir(absolutePath).dirName();
    return name.isEmpty() ? QDir::toNativeSeparators(absolutePath) : name;
}

}  // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item) setPath(item->data(Qt::UserRole).toString());
    });
}

void DirectoryList::setPath(const QString& path) {
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    if (absolute == path_) return;
    path_ = absolute;
    fill();
    emit pathChanged(path_);
}

void DirectoryList::fill() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    const QStringList chain = ChainTo(path_);
    int level = 0;
    for (const QString& folder : chain) {
        auto* item = new QListWidgetItem(
            openIcon, QString(level * kIndentPerLevel, u' ') + EntryName(folder));
        item->setData(Qt::UserRole, folder);
        addItem(item);
        ++level;
    }
    setCurrentRow(static_cast<int>(chain.size()) - 1);

    const QDir current(path_);
    const QStringList subfolders =
        current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(closedIcon, QString(level * kIndentPerLevel, u' ') + name);
        item->setData(Qt::UserRole, QDir::cleanPath(current.absoluteFilePath(name)));
        addItem(item);
    }
}

}  // namespace orvex
