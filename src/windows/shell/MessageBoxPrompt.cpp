#include "windows/shell/MessageBoxPrompt.h"

#include <QMessageBox>

#include "windows/shell/QtText.h"

namespace orvex {

void MessageBoxPrompt::warning(std::string_view title, std::string_view text,
                               std::string_view detail) {
    QMessageBox box(QMessageBox::Warning, qt(title), qt(text), QMessageBox::Ok, parent_);
    if (!detail.empty()) box.setDetailedText(qt(detail));
    box.exec();
}

void MessageBoxPrompt::plain(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), qt(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace orvex
