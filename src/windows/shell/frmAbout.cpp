#include "windows/shell/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/shell/MainWindowTexts.h"
#include "core/shell/Prompt.h"
#include "core/shell/SharedState.h"
#include "core/shell/StartupTables.h"
#include "windows/shell/AppIcon.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace {

constexpr int kIconSize = 64;
constexpr int kTextWidth = 420;

// The box is titled like the menu entry that opens it.
std::string_view AboutCaption(int languageFlag) {
    for (const auto& entry : main_texts::kMenuCaptions)
        if (entry.name == "about") return entry.caption.pick(languageFlag);
    return {};
}

QLabel* TextLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(kTextWidth);
    return label;
}

}  // namespace

frmAbout::frmAbout(SharedState& state, Prompt& prompt, SystemInfoLauncher launcher, QWidget* parent)
    : QWidget(parent), state_(state), prompt_(prompt), launcher_(std::move(launcher)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);

    LoadLanguageTexts(state_);
    buildControls();
    layOutControls();
    setTexts();

    connect(cmdOk_, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::buildControls() {
    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setPixmap(AppIconPixmap(kIconSize));
    picIcon_->setFixedSize(kIconSize, kIconSize);

    lblTitle_ = TextLabel("lblTitle", this);
    QFont titleFont = lblTitle_->font();
    titleFont.setBold(true);
    lblTitle_->setFont(titleFont);
    lblVersion_ = TextLabel("lblVersion", this);
    lblDescription_ = TextLabel("lblDescription", this);
    lblDisclaimer_ = TextLabel("lblDisclaimer", this);

    cmdOk_ = new QPushButton(this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdSysInfo_ = new QPushButton(this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
}

void frmAbout::layOutControls() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon_, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle_, 0, 1);
    grid->addWidget(lblVersion_, 1, 1);
    grid->addWidget(lblDescription_, 2, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, 3, 0, 1, 2);
    grid->addWidget(lblDisclaimer_, 4, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdSysInfo_);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);
}

void frmAbout::setTexts() {
    const LanguageTexts& texts = state_.texts;
    setWindowTitle(qt(AboutCaption(state_.Language_Flag)));
    lblTitle_->setText(qt(texts.title));
    lblVersion_->setText(qt(texts.version));
    lblDescription_->setText(qt(texts.description));
    lblDisclaimer_->setText(qt(texts.warning));
    cmdOk_->setText(qt(texts.okCaption));
    cmdSysInfo_->setText(qt(texts.sysInfoCaption));
}

void frmAbout::cmdOk_Click() {
    CloseChildWindow(this);
}

void frmAbout::cmdSysInfo_Click() {
    if (!StartSysInfo(launcher_, SystemInfoTools())) prompt_.plain(kSysInfoUnavailable);
}

}  // namespace orvex
