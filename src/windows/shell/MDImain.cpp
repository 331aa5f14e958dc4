#include "windows/shell/MDImain.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "core/link/CommPort.h"
#include "core/link/LinkTexts.h"
#include "core/shell/MainWindowTexts.h"
#include "core/shell/StartupTables.h"
#include "windows/channels/frm_chann.h"
#include "windows/dtmf/frm_dtmf.h"
#include "windows/fivetone/frm_5tone.h"
#include "windows/fm/frm_FM.h"
#include "windows/options/frm_option.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/QtText.h"
#include "windows/shell/StatusBar.h"
#include "windows/shell/frmAbout.h"
#include "windows/twotone/frm_2tone.h"

namespace orvex {

namespace {

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

// A screen of 1024 x 768 pixels passes.
constexpr int kMinimumHeightTwips = 11500;
constexpr int kMinimumWidthTwips = 15300;

}  // namespace

MDImain::MDImain(SharedState& state, Clock& clock, Prompt& prompt, SerialPortFactory makePort,
                 std::function<QSize()> screenSize, ComAssignment devices,
                 SystemInfoLauncher sysInfo)
    : statusBar1_(new StatusBar(this)),
      mdiArea_(new QMdiArea(this)),
      context_{state, clock, prompt, *statusBar1_, std::move(makePort)},
      screenSize_(screenSize ? std::move(screenSize) : PrimaryScreenSize),
      identificationPlan_([this] { enableEditorMenus(); }),
      devices_(std::move(devices)),
      sysInfo_(sysInfo.find && sysInfo.start ? std::move(sysInfo) : SystemLauncher()) {
    setObjectName("MDImain");
    mdiArea_->setObjectName("MDIClient");
    setCentralWidget(mdiArea_);
    setStatusBar(statusBar1_);
    buildMenus();
    context_.showChild = [this](QWidget* window) { showDialog(window); };
    std::unique_ptr<SerialPort> port = context_.makePort();
    linkPort_ = port.get();
    link_ = std::make_unique<TransferEngine>(
        state, clock, prompt, *statusBar1_, std::move(port), identificationPlan_,
        EngineSettings{.pacingMs = 10,
                       .burst = false,
                       .retryDelayMs = 1500,
                       .portMessage = PortMessageStyle::Standard,
                       .messageTitle = link_texts::kPortOpenTitle,
                       .writesPanel8 = false});
}

// The child windows hold the context; they go before it does.
MDImain::~MDImain() {
    qDeleteAll(mdiArea_->subWindowList());
}

QAction* MDImain::addEntry(QWidget* menu, const char* name) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

void MDImain::buildMenus() {
    QMenuBar* bar = menuBar();
    QAction* fm = addEntry(bar, "fm_chann_edit");
    fm->setVisible(false);
    fm->setEnabled(false);
    connect(fm, &QAction::triggered, this, &MDImain::openFmEditor);
    connect(addEntry(bar, "chann_edit"), &QAction::triggered, this, &MDImain::openChannelEditor);
    connect(addEntry(bar, "sys_edit"), &QAction::triggered, this, &MDImain::openOptionEditor);

    sigMenu_ = new QMenu(this);
    sigMenu_->setObjectName("sig_edit");
    sigMenu_->menuAction()->setObjectName("sig_edit");
    bar->addMenu(sigMenu_);
    connect(addEntry(sigMenu_, "Sig_dtmf"), &QAction::triggered, this, &MDImain::openDtmfEditor);
    // The signalling editors' entries stay disabled; their handlers open the editors should
    // an entry ever be enabled.
    connect(addEntry(sigMenu_, "Sig_2tone"), &QAction::triggered, this,
            &MDImain::openTwoToneEditor);
    connect(addEntry(sigMenu_, "Sig_5tone"), &QAction::triggered, this,
            &MDImain::openFiveToneEditor);
    addEntry(sigMenu_, "Sig_QDS1200");
    addEntry(sigMenu_, "Sig_QDS2400");
    for (const char* name : {"Sig_2tone", "Sig_5tone", "Sig_QDS1200", "Sig_QDS2400"})
        action(name)->setEnabled(false);

    connect(addEntry(bar, "proc_setup"), &QAction::triggered, this, &MDImain::openPortSetup);

    languageMenu_ = new QMenu(this);
    languageMenu_->setObjectName("Language_Setup");
    languageMenu_->menuAction()->setObjectName("Language_Setup");
    bar->addMenu(languageMenu_);
    QAction* chinese = addEntry(languageMenu_, "Language_chn");
    QAction* english = addEntry(languageMenu_, "Language_eng");
    chinese->setCheckable(true);
    english->setCheckable(true);
    connect(chinese, &QAction::triggered, this, &MDImain::LanguageChinese);
    connect(english, &QAction::triggered, this, &MDImain::LanguageEnglish);

    connect(addEntry(bar, "about"), &QAction::triggered, this, &MDImain::openAbout);
    connect(addEntry(bar, "Menu_Exit"), &QAction::triggered, this, &MDImain::Exit);

    for (const auto& [name, caption] : main_texts::kFixedCaptions)
        action(qt(name))->setText(qt(caption));
}

QAction* MDImain::action(const QString& name) const {
    // Submenu entries are found through their menu's own action.
    for (QAction* candidate : findChildren<QAction*>(name))
        if (candidate->objectName() == name) return candidate;
    return nullptr;
}

void MDImain::applyCaptions(bool followSwitchOnly) {
    const int language = context_.state.Language_Flag;
    for (const auto& entry : main_texts::kMenuCaptions) {
        if (followSwitchOnly && !entry.followsSwitch) continue;
        action(qt(entry.name))->setText(qt(entry.caption.pick(language)));
    }
    action("Language_chn")->setChecked(language != 0);
    action("Language_eng")->setChecked(language == 0);
    statusBar1_->setPanelText(1, main_texts::kStatePanel.pick(language));
    statusBar1_->setPanelText(3, "");
    statusBar1_->setPanelText(5, "");
    statusBar1_->setPanelText(9, main_texts::kBandPanel.pick(language));
    statusBar1_->setPanelText(11, main_texts::kCompanyPanel.pick(language));
}

void MDImain::startUp() {
    SharedState& state = context_.state;
    state.Language_Flag = 0;
    LoadLanguageTexts(state);

    const QSize screen = screenSize_();
    statusBar1_->setPanelWidths(main_texts::kPanelWidths, screen.width());

    applyCaptions(false);
    statusBar1_->setPanelText(7, "");
    setWindowTitle(qt(main_texts::kStartupEnglishTitle));

    setGeometry(0, 0, screen.width(), screen.height());
    show();

    if (screen.height() * kTwipsPerPixel < kMinimumHeightTwips ||
        screen.width() * kTwipsPerPixel < kMinimumWidthTwips) {
        context_.prompt.warning(main_texts::kResolutionTitle, main_texts::kResolutionText);
    }

    // Probe on a control of its own; the main window's port stays closed afterwards.
    ProbeCommPorts(*context_.makePort(), state);

    state.Band_Index = 3;
    state.Chann_Count = 16;
    InitToneTable(state);
    InitOptionOffsets(state);
    InitBandTable(state);
    state.TwoTone_Scale = kTwoToneScale;

    for (const char* name : {"sig_edit", "sys_edit", "chann_edit"})
        action(name)->setEnabled(false);

    statusBar1_->setPanelText(2, link_texts::kConnecting.pick(state.Language_Flag));
    statusBar1_->setPanelText(3, "COM" + std::to_string(state.Comm_Port));
    RestartLink();
}

void MDImain::RestartLink() {
    link_->restart(TransferMode::Identify);
}

void MDImain::enableEditorMenus() {
    for (const char* name : {"chann_edit", "sys_edit", "sig_edit"})
        action(name)->setEnabled(true);
}

void MDImain::LanguageChinese() {
    SharedState& state = context_.state;
    if (state.Language_Flag == 0) {
        state.Language_Flag = -1;
        LoadLanguageTexts(state);
    }
    applyCaptions(true);
    setWindowTitle(qt(main_texts::kChineseTitle));
}

void MDImain::LanguageEnglish() {
    SharedState& state = context_.state;
    if (state.Language_Flag == -1) {
        state.Language_Flag = 0;
        LoadLanguageTexts(state);
    }
    applyCaptions(true);
    setWindowTitle(qt(main_texts::kChosenEnglishTitle));
}

QWidget* MDImain::childWindow(const QString& name) const {
    for (QMdiSubWindow* frame : mdiArea_->subWindowList())
        if (frame->widget() && frame->widget()->objectName() == name) return frame->widget();
    return nullptr;
}

void MDImain::closeChildWindow(const QString& name) {
    if (QWidget* window = childWindow(name)) CloseChildWindow(window);
}

void MDImain::openChild(const QString& name, const std::function<QWidget*()>& create) {
    if (childWindow(name)) return;
    QWidget* window = create();
    QMdiSubWindow* frame = mdiArea_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void MDImain::showDialog(QWidget* dialog, std::optional<QSize> frameSize) {
    QMdiSubWindow* frame = mdiArea_->addSubWindow(dialog);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->adjustSize();
    // A size asked for never cuts into the dialog's controls.
    if (frameSize) frame->resize(frameSize->expandedTo(frame->minimumSizeHint()));
    // Small dialogs sit 500 twips above the centre of the client area.
    const QSize client = mdiArea_->viewport()->size();
    frame->move((client.width() - frame->width()) / 2,
                (client.height() - frame->height()) / 2 - TwipsToPixels(500));
    dialog->show();
}

void MDImain::openChannelEditor() {
    openChild("frm_chann", [this] { return new frm_chann(context_, *this); });
}

void MDImain::openOptionEditor() {
    openChild("frm_option", [this] { return new frm_option(context_, *this); });
}

void MDImain::openDtmfEditor() {
    openChild("frm_dtmf", [this] { return new frm_dtmf(context_, *this); });
}

// The channel editor closes before the FM editor opens: the two share the channel-file
// dialogs.
void MDImain::openFmEditor() {
    closeChildWindow("frm_chann");
    openChild("frm_FM", [this] { return new frm_FM(context_, *this); });
}

void MDImain::openTwoToneEditor() {
    openChild("frm_2tone", [this] { return new frm_2tone(context_, *this); });
}

void MDImain::openFiveToneEditor() {
    openChild("frm_5tone", [this] { return new frm_5tone(context_, *this); });
}

void MDImain::openPortSetup() {
    if (childWindow("Form_setup")) return;
    PortSetupLink link{[this] { return openPortForSetup(); }, [this] { RestartLink(); }};
    auto* dialog = new Form_setup(context_.state, *statusBar1_, devices_, std::move(link));
    showDialog(dialog, mdiArea_->viewport()->size() / 3);
}

PortOpenOutcome MDImain::openPortForSetup() {
    // A run still going on the previous port holds it open, so the chosen one could not be
    // opened, and would later write its result over the new run's; it ends here.
    link_->shutDown();
    SharedState& state = context_.state;
    const OpenFailure failure =
        OpenCommPortWithReason(*linkPort_, state, context_.prompt, PortMessageStyle::Standard);
    if (failure == OpenFailure::None) return {};
    return {failure, DescribeOpenFailure(failure, *linkPort_, state)};
}

void MDImain::openAbout() {
    if (QWidget* open = childWindow("frmAbout")) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(open->parentWidget()))
            mdiArea_->setActiveSubWindow(frame);
        return;
    }
    showDialog(new frmAbout(context_.state, context_.prompt, sysInfo_));
}

void MDImain::Exit() {
    exiting_ = true;
    closeChildWindow("frm_chann");
    closeChildWindow("frm_option");
    closeChildWindow("frmAbout");
    close();
}

void MDImain::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        closeChildWindow("frm_chann");
        closeChildWindow("frm_option");
        closeChildWindow("frmAbout");
    }
    mdiArea_->closeAllSubWindows();
    link_->shutDown();
    event->accept();
}

}  // namespace orvex
