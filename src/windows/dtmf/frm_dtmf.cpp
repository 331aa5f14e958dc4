#include "windows/dtmf/frm_dtmf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/dtmf/DtmfCodeCheck.h"
#include "core/dtmf/DtmfTexts.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace texts = dtmf_texts;

namespace {

constexpr int kCodeColumn = 1;

Bilingual CaptionOf(std::string_view name) {
    return CaptionIn(texts::kCaptions, name);
}

const EditorFrameProfile kProfile{
    .name = "frm_dtmf",
    .caption = CaptionOf("frm_dtmf"),
    .writeButtonName = "Command_write",
    .widthDivisor = 1.3,
    .heightDivisor = 1.25,
    .buttons = {CaptionOf("Command_read"), CaptionOf("Command_write"), CaptionOf("Command_open"),
                CaptionOf("Command_save"), CaptionOf("Command_close")},
    .engine = DtmfPlan::Settings(),
    .closeRefusal = link_texts::kBusy,
    .openDialog = std::nullopt,
    .saveDialog = std::nullopt,
    .closesDialogsOf = {FileDialogKind::OpenMenu, FileDialogKind::SaveMenu},
    .filesWaitForTransfers = false,
};

}  // namespace

frm_dtmf::frm_dtmf(AppContext& context, QWidget& mainWindow, QWidget* parent)
    : EditorWindow(context, mainWindow, kProfile, parent),
      MSF_Encode(new FlexGrid(this)),
      Text_Encode(new OverlayTextBox(MSF_Encode)),
      Command_def(addButton("Command_def", CaptionOf("Command_def"))),
      plan_(context.state) {
    buildControls();
    layOutControls();
    plan_.onRead = [this](const DtmfReadImage& read) {
        hideCellEditor();
        DtmfSettings current = settings();
        DecodeDtmfRead(read, current);
        showSettings(current);
    };
    installEngine(plan_);
    connect(Command_def, &QPushButton::clicked, this, &frm_dtmf::Command_def_Click);

    // Form_Load
    resetProgress();
    showSettings(DefaultDtmfSettings());
}

void frm_dtmf::buildControls() {
    MSF_Encode->setObjectName("MSF_Encode");
    MSF_Encode->setRows(kDtmfGroups + 1);
    MSF_Encode->setFormatString(caption(texts::kGridHeader));
    for (int row = 1; row <= kDtmfGroups; ++row)
        MSF_Encode->setTextMatrix(row, 0, QString::number(row));
    // The grid as large as its nine rows and two columns, the codes column room for more
    // than five characters.
    const QFontMetrics metrics(MSF_Encode->font());
    const int padding = metrics.horizontalAdvance("0000");
    MSF_Encode->setColWidth(
        0, metrics.horizontalAdvance(MSF_Encode->textMatrix(0, 0).trimmed()) + padding);
    MSF_Encode->setColWidth(
        1, std::max(metrics.horizontalAdvance(MSF_Encode->textMatrix(0, 1).trimmed()),
                    metrics.horizontalAdvance("0000000000")) +
               padding);
    const int rowHeight = metrics.height() + 8;
    MSF_Encode->view()->verticalHeader()->setDefaultSectionSize(rowHeight);
    MSF_Encode->view()->horizontalHeader()->setFixedHeight(rowHeight);
    const int frame = 2 * MSF_Encode->view()->frameWidth() + 2;
    MSF_Encode->setFixedSize(MSF_Encode->colWidth(0) + MSF_Encode->colWidth(1) + frame,
                             (kDtmfGroups + 1) * rowHeight + frame);
    Text_Encode->setObjectName("Text_Encode");
    Text_Encode->hide();
    connect(MSF_Encode, &FlexGrid::clicked, this, &frm_dtmf::MSF_Encode_Click);
    connect(MSF_Encode, &FlexGrid::leaveCell, this, &frm_dtmf::MSF_Encode_LeaveCell);
    connect(Text_Encode, &QLineEdit::textEdited, this, [this] { codeChanged(Text_Encode); });

    for (int i = 0; i < kDtmfCodeCount; ++i) {
        const auto code = DtmfCode(i);
        auto* box = new TextBox(this);
        box->setObjectName(qt(DtmfCodeControl(code)));
        codes_[static_cast<size_t>(i)] = box;
        if (!DtmfCodeIsChecked(code)) continue;
        connect(box, &QLineEdit::textEdited, this, [this, box] { codeChanged(box); });
        connect(box, &TextBox::lostFocus, this, [this, box] { codeLostFocus(box); });
    }

    const auto check = [this](const QString& name) {
        auto* box = new QCheckBox(caption(CaptionOf(utf8(name))), this);
        box->setObjectName(name);
        return box;
    };
    Check_Ptt_P = check("Check_Ptt_P");
    Check_Ptt_S = check("Check_Ptt_S");
    Check_Ctrl_En = check("Check_Ctrl_En");
    for (int k = 0; k < kDtmfRights; ++k) {
        Check_M[static_cast<size_t>(k)] = check(QString("Check_M_%1").arg(k));
        Check_S[static_cast<size_t>(k)] = check(QString("Check_S_%1").arg(k));
    }
    Check_RX = check("Check_RX");
    Check_TX = check("Check_TX");

    QStringList times;
    for (const std::string& item : DtmfTimeItemTexts())
        times << qt(item);
    Combo_Enc_ys1 = new ListBox(this, ListBox::Typing::Ignored);
    Combo_Enc_ys1->setObjectName("Combo_Enc_ys1");
    Combo_Enc_ys1->setItems(times);
    Combo_Enc_ys2 = new ListBox(this, ListBox::Typing::Ignored);
    Combo_Enc_ys2->setObjectName("Combo_Enc_ys2");
    Combo_Enc_ys2->setItems(times);
    // The group-call character is shown, never chosen; an edit field lets it show whatever
    // character a radio holds, an item or not.
    Combo_Enc_qh = new QComboBox(this);
    Combo_Enc_qh->setObjectName("Combo_Enc_qh");
    Combo_Enc_qh->setEditable(true);
    for (const std::string& item : DtmfGroupCallItems())
        Combo_Enc_qh->addItem(qt(item));
    Combo_Enc_qh->setEnabled(false);
}

void frm_dtmf::layOutControls() {
    // Each control by its name, with the label that stands before it.
    const auto labelFor = [this](std::string_view control) -> QLabel* {
        const std::string_view name = LabelOf(texts::kLabels, control);
        if (name.empty()) return nullptr;
        auto* label = new QLabel(caption(CaptionOf(name)), this);
        label->setObjectName(qt(name));
        return label;
    };
    const auto frame = [this](std::string_view name) {
        auto* box = new QGroupBox(caption(CaptionOf(name)), this);
        box->setObjectName(qt(name));
        return box;
    };
    const auto fill = [&](QGroupBox* box, std::span<const std::string_view> controls) {
        auto* form = new QFormLayout(box);
        for (const std::string_view name : controls) {
            QWidget* control = findChild<QWidget*>(qt(name));
            if (QLabel* label = labelFor(name)) {
                form->addRow(label, control);
            } else {
                form->addRow(control);
            }
        }
    };

    QGroupBox* ani = frame("Frame_ANI_Code");
    fill(ani, texts::kAniControls);
    // The code groups on the left, the other settings beside them.
    auto* side = new QWidget(this);
    std::vector<std::string_view> beside;
    for (const std::string_view name : texts::kEncodeControls)
        if (name != "MSF_Encode") beside.push_back(name);
    auto* sideForm = new QFormLayout(side);
    sideForm->setContentsMargins(0, 0, 0, 0);
    for (const std::string_view name : beside) {
        QWidget* control = name == "Frame_ANI_Code" ? ani : findChild<QWidget*>(qt(name));
        if (QLabel* label = labelFor(name)) {
            sideForm->addRow(label, control);
        } else {
            sideForm->addRow(control);
        }
    }
    QGroupBox* encode = frame("Frame_encode");
    auto* encodeLayout = new QHBoxLayout(encode);
    encodeLayout->addWidget(MSF_Encode, 0, Qt::AlignTop);
    encodeLayout->addWidget(side, 1, Qt::AlignTop);

    // Kept, never shown: the decode codes, the remote control and the inhibit flags.
    for (const auto& hidden : texts::kHiddenFrames) {
        QGroupBox* box = frame(hidden.name);
        fill(box, hidden.controls);
        box->hide();
    }

    auto* status = new QHBoxLayout;
    status->addWidget(ProgressBar1, 2);
    status->addWidget(Label_tr_count, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(encode, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
}

// ---------------------------------------------------------------------------------------
// Settings

DtmfSettings frm_dtmf::settings() const {
    DtmfSettings settings;
    for (int n = 1; n <= kDtmfGroups; ++n)
        settings.groups[static_cast<size_t>(n - 1)] = utf8(MSF_Encode->textMatrix(n, kCodeColumn));
    for (size_t i = 0; i < codes_.size(); ++i)
        settings.codes[i] = utf8(codes_[i]->text());
    settings.pttPress = Check_Ptt_P->isChecked();
    settings.pttRelease = Check_Ptt_S->isChecked();
    settings.controlByIdOnly = Check_Ctrl_En->isChecked();
    for (size_t k = 0; k < Check_M.size(); ++k) {
        settings.masterRights[k] = Check_M[k]->isChecked();
        settings.viceRights[k] = Check_S[k]->isChecked();
    }
    settings.receiveInhibit = Check_RX->isChecked();
    settings.transmitInhibit = Check_TX->isChecked();
    settings.onTime = Combo_Enc_ys1->currentIndex();
    settings.offTime = Combo_Enc_ys2->currentIndex();
    settings.groupCall = utf8(Combo_Enc_qh->currentText());
    return settings;
}

void frm_dtmf::showSettings(const DtmfSettings& settings) {
    for (int n = 1; n <= kDtmfGroups; ++n)
        MSF_Encode->setTextMatrix(n, kCodeColumn, qt(settings.groups[static_cast<size_t>(n - 1)]));
    for (size_t i = 0; i < codes_.size(); ++i)
        codes_[i]->setText(qt(settings.codes[i]));
    Check_Ptt_P->setChecked(settings.pttPress);
    Check_Ptt_S->setChecked(settings.pttRelease);
    Check_Ctrl_En->setChecked(settings.controlByIdOnly);
    for (size_t k = 0; k < Check_M.size(); ++k) {
        Check_M[k]->setChecked(settings.masterRights[k]);
        Check_S[k]->setChecked(settings.viceRights[k]);
    }
    Check_RX->setChecked(settings.receiveInhibit);
    Check_TX->setChecked(settings.transmitInhibit);
    Combo_Enc_ys1->setPosition(settings.onTime);
    Combo_Enc_ys2->setPosition(settings.offTime);
    const QString groupCall = qt(settings.groupCall);
    Combo_Enc_qh->setCurrentIndex(Combo_Enc_qh->findText(groupCall));
    Combo_Enc_qh->setEditText(groupCall);
}

// ---------------------------------------------------------------------------------------
// Code checks

bool frm_dtmf::passesCheck(QLineEdit* box) {
    const DtmfCheck check = CheckDtmfCode(utf8(box->text()));
    if (check == DtmfCheck::Passes) return true;
    warn(kDtmfCheckTitle, DtmfCheckMessage(check));
    box->clear();
    returnFocus(box);
    return false;
}

void frm_dtmf::codeChanged(QLineEdit* box) {
    passesCheck(box);
}

void frm_dtmf::codeLostFocus(QLineEdit* box) {
    if (isReturningFocus()) return;
    if (passesCheck(box) && box->text().isEmpty()) returnFocus(box);
}

// ---------------------------------------------------------------------------------------
// The code-group grid

void frm_dtmf::MSF_Encode_Click() {
    if (MSF_Encode->mouseCol() < kCodeColumn) {
        hideCellEditor();
        return;
    }
    MSF_Encode->placeOverCurrentCell(Text_Encode);
    Text_Encode->setText(MSF_Encode->text());
    Text_Encode->show();
    Text_Encode->setFocus();
}

// The cell editor's text reaches the cell only as the grid's current cell changes.
void frm_dtmf::MSF_Encode_LeaveCell() {
    if (!Text_Encode->isVisible() || MSF_Encode->col() < kCodeColumn) return;
    const QString typed = Text_Encode->text().trimmed();
    if (typed.size() < kDtmfCodeLength + 1) {
        MSF_Encode->setText(typed);
    } else {
        warn(kDtmfCheckTitle, DtmfCheckMessage(DtmfCheck::TooLong));
    }
    hideCellEditor();
}

void frm_dtmf::hideCellEditor() {
    MSF_Encode->hideOverlay(Text_Encode);
    Text_Encode->clear();
}

// ---------------------------------------------------------------------------------------
// Buttons

void frm_dtmf::Command_def_Click() {
    if (refuseWhileBusy(link_texts::kBusy)) return;
    hideCellEditor();
    showSettings(DefaultDtmfSettings());
    resetProgress();
}

void frm_dtmf::prepareWrite() {
    plan_.writeImage = EncodeDtmfImage(settings());
}

}  // namespace orvex
