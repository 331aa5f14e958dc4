#include "windows/editor/EditorWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

#include "core/link/LinkTexts.h"
#include "windows/dialogs/FileDialog.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/QtText.h"

namespace orvex {

EditorWindow::EditorWindow(AppContext& context, QWidget& mainWindow,
                           const EditorFrameProfile& profile, QWidget* parent)
    : QWidget(parent),
      context_(context),
      state_(context.state),
      Command_read(addButton("Command_read", profile.buttons.read)),
      Command_Write(addButton(profile.writeButtonName, profile.buttons.write)),
      Command_open(addButton("Command_open", profile.buttons.open)),
      Command_save(addButton("Command_save", profile.buttons.save)),
      Command_close(addButton("Command_close", profile.buttons.close)),
      ProgressBar1(new QProgressBar(this)),
      Label_tr_count(new QLabel(this)),
      mainWindow_(mainWindow),
      profile_(profile),
      editorId_(context.state.fileRequests.registerEditor()) {
    setObjectName(profile.name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption(profile.caption));
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    Label_tr_count->setObjectName("Label_tr_count");

    connect(Command_read, &QPushButton::clicked, this, &EditorWindow::Command_read_Click);
    connect(Command_Write, &QPushButton::clicked, this, &EditorWindow::Command_Write_Click);
    connect(Command_open, &QPushButton::clicked, this, &EditorWindow::Command_open_Click);
    connect(Command_save, &QPushButton::clicked, this, &EditorWindow::Command_save_Click);
    connect(Command_close, &QPushButton::clicked, this, &EditorWindow::Command_close_Click);

    std::function<bool()> holdOff;
    if (profile.filesWaitForTransfers) holdOff = [this] { return transferRuns(); };
    poll_ = std::make_unique<FileRequestPoll>(
        context.clock, state_.fileRequests, editorId_, [this] { loadFile(); },
        [this] { saveFile(); }, std::move(holdOff));
}

EditorWindow::~EditorWindow() {
    // The controls go after the editor's own part is gone; nothing they signal may reach it.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    state_.fileRequests.dropFor(editorId_);
}

void EditorWindow::installEngine(BlockPlan& plan) {
    engine_ = std::make_unique<TransferEngine>(state_, context_.clock, context_.prompt,
                                               context_.panels, context_.makePort(), plan,
                                               profile_.engine, static_cast<TransferView*>(this));
}

QPushButton* EditorWindow::addButton(const char* name, const Bilingual& text) {
    auto* button = new QPushButton(caption(text), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QString EditorWindow::caption(const Bilingual& text) const {
    return qt(text.pick(context_.state.Language_Flag));
}

void EditorWindow::warn(const Bilingual& title, const Bilingual& text, std::string_view detail) {
    const int language = state_.Language_Flag;
    context_.prompt.warning(title.pick(language), text.pick(language), detail);
}

bool EditorWindow::refuseWhileBusy(const Bilingual& text) {
    if (!engine_->isBusy()) return false;
    warn(profile_.engine.messageTitle, text);
    return true;
}

bool EditorWindow::transferRuns() const {
    return engine_ && (engine_->isBusy() || engine_->retryPending());
}

void EditorWindow::resetProgress() {
    ProgressBar1->setValue(0);
    Label_tr_count->clear();
    ProgressBar1->hide();
}

void EditorWindow::showProgress(int value) {
    ProgressBar1->setValue(value);
    ProgressBar1->show();
}

void EditorWindow::setTransferLabel(std::string_view text) {
    Label_tr_count->setText(qt(text));
}

void EditorWindow::returnFocus(QWidget* box) {
    returningFocus_ = true;
    box->setFocus();
    returningFocus_ = false;
}

// ---------------------------------------------------------------------------------------
// Buttons

void EditorWindow::Command_read_Click() {
    engine_->startByButton(TransferMode::Read);
}

void EditorWindow::Command_Write_Click() {
    if (refuseWhileBusy(link_texts::kBusy)) return;
    prepareWrite();
    engine_->startByButton(TransferMode::Write);
}

void EditorWindow::Command_open_Click() {
    if (refuseWhileBusy(link_texts::kBusy)) return;
    if (profile_.openDialog) showFileDialog(*profile_.openDialog);
}

void EditorWindow::Command_save_Click() {
    if (refuseWhileBusy(link_texts::kBusy)) return;
    if (profile_.saveDialog) showFileDialog(*profile_.saveDialog);
}

void EditorWindow::Command_close_Click() {
    if (refuseWhileBusy(profile_.closeRefusal)) return;
    closingByButton_ = true;
    closeFileDialogs();
    CloseChildWindow(this);
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    // Closed by its close box or by the main window: a running transfer is only warned
    // about, and the window closes all the same.
    if (!closingByButton_ && engine_->isBusy())
        warn(profile_.engine.messageTitle, link_texts::kBusyCloseOtherwise);
    engine_->shutDown();
    state_.fileRequests.dropFor(editorId_);
    event->accept();
}

// ---------------------------------------------------------------------------------------
// File dialogs

void EditorWindow::showFileDialog(FileDialogKind kind) {
    const bool opening = profile_.openDialog == kind;
    QPointer<FileDialog>& dialog = opening ? openDialog_ : saveDialog_;
    if (dialog) {
        QWidget* frame = dialog->parentWidget() ? dialog->parentWidget() : dialog.data();
        frame->show();
        frame->raise();
        dialog->activateWindow();
        return;
    }
    dialog = new FileDialog(kind, state_, context_.prompt, editorId_);
    if (context_.showChild) {
        context_.showChild(dialog);
    } else {
        dialog->show();
    }
}

void EditorWindow::closeFileDialogs() {
    std::vector<QPointer<FileDialog>> closing{openDialog_, saveDialog_};
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* dialog = qobject_cast<FileDialog*>(widget);
        if (dialog && std::find(profile_.closesDialogsOf.begin(), profile_.closesDialogsOf.end(),
                                dialog->kind()) != profile_.closesDialogsOf.end())
            closing.emplace_back(dialog);
    }
    for (const QPointer<FileDialog>& dialog : closing)
        if (dialog) CloseChildWindow(dialog);
}

// ---------------------------------------------------------------------------------------
// Size and place

void EditorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    placeWindow();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        connect(frame, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if (!(before & Qt::WindowActive) && (now & Qt::WindowActive)) Form_Activate();
                });
    }
}

void EditorWindow::placeWindow() {
    const QSize size(static_cast<int>(mainWindow_.width() / profile_.widthDivisor),
                     static_cast<int>(mainWindow_.height() / profile_.heightDivisor));
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (frame && frame->mdiArea()) {
        const QSize client = frame->mdiArea()->viewport()->size();
        frame->setGeometry((client.width() - size.width()) / 2,
                           (client.height() - size.height()) / 2, size.width(), size.height());
    } else {
        resize(size);
    }
}

}  // namespace orvex
