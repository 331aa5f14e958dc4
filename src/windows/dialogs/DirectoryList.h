#pragma once

#include <QListWidget>
#include <QString>

namespace orvex {

// A directory list in the classic style: the chain of folders from the root down to the
// current directory, then the current directory's subfolders, each indented one step
// deeper. Activating an entry (double click or Enter) makes it the current directory.
// Every entry holds its absolute path under Qt::UserRole.
class DirectoryList : public QListWidget {
    Q_OBJECT

  public:
    explicit DirectoryList(QWidget* parent = nullptr);

    [[nodiscard]] QString path() const { return path_; }

    // Shows `path`; emits pathChanged when it differs from the current one.
    void setPath(const QString& path);

  signals:
    void pathChanged(const QString& path);

  private:
    void fill();

    QString path_;
};

}  // namespace orvex
