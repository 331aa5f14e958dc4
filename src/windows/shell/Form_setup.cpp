#include "windows/shell/Form_setup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/shell/SharedState.h"
#include "core/shell/StatusPanels.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/PortSetupTexts.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace {

constexpr int kPorts = 8;
constexpr int kOptionRows = 4;  // COM1 to COM4 in the left column, COM5 to COM8 in the right

// A reason the message box does not give and the user can act on: another COM number, the
// dialout group, or closing what holds the port.
bool WorthTelling(OpenFailure failure) {
    return failure == OpenFailure::NoSuchPort || failure == OpenFailure::PermissionDenied ||
           failure == OpenFailure::Busy;
}

}  // namespace

Form_setup::Form_setup(SharedState& state, StatusPanels& panels, const ComAssignment& devices,
                       PortSetupLink link, QWidget* parent)
    : QWidget(parent), state_(state), panels_(panels), link_(std::move(link)) {
    setObjectName(QStringLiteral("Form_setup"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildControls(devices);
    layOutControls();
    setCaptions();

    connect(ok_, &QPushButton::clicked, this, &Form_setup::Command_ok_Click);
    connect(cancel_, &QPushButton::clicked, this, &Form_setup::Command1_Click);

    if (QAbstractButton* current = options_->button(state_.Comm_Port)) current->setChecked(true);
}

void Form_setup::buildControls(const ComAssignment& devices) {
    const int flag = state_.Language_Flag;
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    options_ = new QButtonGroup(this);
    for (int n = 1; n <= kPorts; ++n) {
        const auto at = static_cast<size_t>(n);
        auto* option = new QRadioButton(QStringLiteral("COM%1").arg(n), frame1_);
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        options_->addButton(option, n);
        option_[at] = option;

        const QString device =
            devices[at].empty() ? qt(port_setup_texts::kNoDevice.pick(flag)) : qt(devices[at]);
        auto* label = new QLabel(device, frame1_);
        label->setObjectName(QStringLiteral("Label_device_%1").arg(n));
        label->setToolTip(device);
        label->setEnabled(!devices[at].empty());
        option->setToolTip(device);
        deviceLabel_[at] = label;
    }
    reason_ = new QLabel(this);
    reason_->setObjectName(QStringLiteral("Label_reason"));
    reason_->setWordWrap(true);
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("Command_ok"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("Command1"));
}

void Form_setup::layOutControls() {
    auto* grid = new QGridLayout(frame1_);
    for (int n = 1; n <= kPorts; ++n) {
        const int row = (n - 1) % kOptionRows;
        const int column = (n - 1) / kOptionRows * 2;
        grid->addWidget(option_[static_cast<size_t>(n)], row, column);
        grid->addWidget(deviceLabel_[static_cast<size_t>(n)], row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(frame1_);
    column->addWidget(reason_);
    column->addStretch();
    column->addLayout(buttons);
}

void Form_setup::setCaptions() {
    const int flag = state_.Language_Flag;
    setWindowTitle(qt(port_setup_texts::kCaption.pick(flag)));
    frame1_->setTitle(qt(port_setup_texts::kFrame.pick(flag)));
    ok_->setText(qt(port_setup_texts::kConfirm.pick(flag)));
    cancel_->setText(qt(port_setup_texts::kCancel.pick(flag)));
}

void Form_setup::Command_ok_Click() {
    if (const int chosen = options_->checkedId(); chosen >= 1)
        state_.Comm_Port = static_cast<std::int16_t>(chosen);
    for (int panel : {2, 4, 6, 8, 10})
        panels_.setPanelText(panel, "");
    panels_.setPanelText(3, "COM" + std::to_string(state_.Comm_Port));

    const PortOpenOutcome outcome =
        link_.openMainPort ? link_.openMainPort() : PortOpenOutcome{OpenFailure::Other, {}};
    if (outcome.failure != OpenFailure::None) {
        showReason(outcome);
        return;
    }
    if (link_.restartLink) link_.restartLink();
    CloseChildWindow(this);
}

void Form_setup::Command1_Click() {
    CloseChildWindow(this);
}

void Form_setup::showReason(const PortOpenOutcome& outcome) {
    reason_->setText(WorthTelling(outcome.failure) ? qt(outcome.reason) : QString());
}

}  // namespace orvex
