#pragma once

#include <QListWidget>
#include <QString>

namespace orvex {

// The plain files of one directory whose names match a pattern such as "*.chann", sorted
// by name. Matching ignores case, as the file lists of the radios' home platform do.
class FileList : public QListWidget {
    Q_OBJECT

  public:
    FileList(const QString& pattern, QWidget* parent = nullptr);

    [[nodiscard]] QString pattern() const { return pattern_; }
    [[nodiscard]] QString path() const { return path_; }

    void setPath(const QString& path);

  private:
    QString pattern_;
    QString path_;
};

}  // namespace orvex
