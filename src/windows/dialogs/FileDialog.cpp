#include "windows/dialogs/FileDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/dialogs/FileDialogProfile.h"
#include "core/shell/Prompt.h"
#include "core/shell/SharedState.h"
#include "windows/dialogs/DirectoryList.h"
#include "windows/dialogs/DriveDirectory.h"
#include "windows/dialogs/FileList.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/QtText.h"

namespace orvex {

FileDialog::FileDialog(FileDialogKind kind, SharedState& state, Prompt& prompt, int editorId,
                       QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      profile_(ProfileOf(kind)),
      state_(state),
      prompt_(prompt),
      editorId_(editorId) {
    setObjectName(qt(profile_.systemName));
    setAttribute(Qt::WA_DeleteOnClose);

    buildControls();
    layOutControls();
    setCaptions();

    connect(drives_, &QComboBox::currentIndexChanged, this, &FileDialog::Drive1_Change);
    connect(directories_, &DirectoryList::pathChanged, this, &FileDialog::Dir1_Change);
    connect(files_, &QListWidget::itemClicked, this, &FileDialog::File1_Click);
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> picked = files_->selectedItems();
        if (!picked.isEmpty()) File1_Click(picked.front());
    });
    connect(confirm_, &QPushButton::clicked, this, &FileDialog::Command_enter_Click);
    connect(cancel_, &QPushButton::clicked, this, &FileDialog::Command_close_Click);

    fillDrives();
    directories_->setPath(QDir::currentPath());
}

void FileDialog::buildControls() {
    const QString pattern = qt(DialogPattern(kind_));

    driveLabel_ = new QLabel(this);
    driveLabel_->setObjectName(QStringLiteral("Label_drive"));
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("Drive1"));
    directories_ = new DirectoryList(this);
    directories_->setObjectName(QStringLiteral("Dir1"));
    files_ = new FileList(pattern, this);
    files_->setObjectName(QStringLiteral("File1"));
    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName(QStringLiteral("Label_name"));
    name_ = new QLineEdit(pattern, this);
    name_->setObjectName(QStringLiteral("Text1"));
    confirm_ = new QPushButton(this);
    confirm_->setObjectName(QStringLiteral("Command_enter"));
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("Command_close"));

    driveLabel_->setBuddy(drives_);
    nameLabel_->setBuddy(name_);
}

void FileDialog::layOutControls() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(driveLabel_, 0, 0);
    grid->addWidget(drives_, 1, 0);
    grid->addWidget(directories_, 2, 0);
    grid->addWidget(files_, 0, 1, 3, 1);
    grid->addWidget(nameLabel_, 3, 0, 1, 2);
    grid->addWidget(name_, 4, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel_);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setRowStretch(2, 1);
}

void FileDialog::setCaptions() {
    const int flag = state_.Language_Flag;
    setWindowTitle(qt(profile_.caption.pick(flag)));
    driveLabel_->setText(qt(profile_.driveLabel.pick(flag)));
    nameLabel_->setText(qt(profile_.nameLabel.pick(flag)));
    confirm_->setText(qt(profile_.confirmCaption.pick(flag)));
    cancel_->setText(qt(profile_.cancelCaption.pick(flag)));
}

void FileDialog::fillDrives() {
    const QString working = QDir::currentPath();
    const QSignalBlocker quiet(drives_);
    int workingDrive = -1;
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = drive.absoluteFilePath();
        if (workingDrive < 0 && IsOnDrive(root, working)) workingDrive = drives_->count();
        drives_->addItem(QDir::toNativeSeparators(root), root);
    }
    drives_->setCurrentIndex(workingDrive);
}

void FileDialog::Drive1_Change(int index) {
    if (index < 0) return;
    const QString drive = drives_->itemData(index).toString();
    directories_->setPath(DriveDirectory(drive, QDir::currentPath()));
}

void FileDialog::Dir1_Change(const QString& path) {
    files_->setPath(path);
}

void FileDialog::File1_Click(QListWidgetItem* item) {
    if (item) name_->setText(QFileInfo(item->text()).fileName());
}

void FileDialog::Command_enter_Click() {
    const std::string typed = utf8(name_->text());
    const int flag = state_.Language_Flag;
    switch (CheckDialogName(kind_, typed)) {
        case NameCheck::ForbiddenCharacter:
            prompt_.warning(kFileDialogPromptTitle.pick(flag),
                            profile_.forbiddenCharacterMessage.pick(flag));
            return;
        case NameCheck::WrongSuffix:
            prompt_.warning(kFileDialogPromptTitle.pick(flag),
                            profile_.wrongSuffixMessage.pick(flag));
            return;
        case NameCheck::Accepted:
            state_.fileRequests.raise(profile_.request, editorId_,
                                      std::string(TrimDialogName(typed)));
            CloseChildWindow(this);
            return;
    }
}

void FileDialog::Command_close_Click() {
    CloseChildWindow(this);
}

}  // namespace orvex
