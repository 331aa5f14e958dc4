#include "windows/fivetone/frm_5tone.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/fivetone/FiveToneCodeCheck.h"
#include "core/fivetone/FiveToneTexts.h"
#include "windows/editor/ListBox.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace texts = fivetone_texts;

namespace {

Bilingual CaptionOf(std::string_view name) {
    return CaptionIn(texts::kCaptions, name);
}

const EditorFrameProfile kProfile{
    .name = "frm_5tone",
    .caption = CaptionOf("frm_5tone"),
    .writeButtonName = "Command_Write",
    .widthDivisor = 1.3,
    .heightDivisor = 1.25,
    .buttons = {CaptionOf("Command_read"), CaptionOf("Command_Write"), CaptionOf("Command_open"),
                CaptionOf("Command_save"), CaptionOf("Command_close")},
    .engine = FiveTonePlan::Settings(),
    .closeRefusal = texts::kBusyClose,
    .openDialog = std::nullopt,
    .saveDialog = std::nullopt,
    .closesDialogsOf = {FileDialogKind::OpenMenu, FileDialogKind::SaveMenu},
    .filesWaitForTransfers = false,
};

constexpr int kGridRows = kFiveToneCodes + 1;

// Standards grid columns.
constexpr int kPeriodColumn = 1;

// Encode grid columns.
constexpr int kEncodeFrame1 = 1;
constexpr int kEncodeTranspond = 4;
constexpr int kEncodeStandard = 5;

// Decode grid columns: the standard, then frame and function three times, then the reply.
constexpr int kDecodeStandard = 1;
constexpr int kDecodeReply = 8;
constexpr int kDecodeLastColumn = kDecodeReply;
int DecodeFrameColumn(int frame) {
    return 2 + 2 * frame;
}
bool IsDecodeListColumn(int col) {
    return col == kDecodeStandard || col == 3 || col == 5 || col == 7;
}

constexpr int kDefaultStandard = 0;  // CCIR1
constexpr std::array<int, 4> kDefaultTimings = {40, 20, 20, 0};
constexpr int kDefaultResetTime = 59;  // "6000"
constexpr int kDefaultReplyDelay = 5;  // "1000"

QStringList Items(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list << qt(item);
    return list;
}

std::vector<std::string> StandardNames() {
    return {kFiveToneStandardNames.begin(), kFiveToneStandardNames.end()};
}

// The column widths of a grid from its headings, at least `minimum` characters wide.
void FitColumns(FlexGrid* grid, const QString& minimum) {
    const QFontMetrics metrics(grid->font());
    const int padding = metrics.horizontalAdvance("00");
    for (int col = 0; col < grid->cols(); ++col)
        grid->setColWidth(col, std::max(metrics.horizontalAdvance(grid->textMatrix(0, col)),
                                        metrics.horizontalAdvance(minimum)) +
                                   padding);
}

}  // namespace

frm_5tone::frm_5tone(AppContext& context, QWidget& mainWindow, QWidget* parent)
    : EditorWindow(context, mainWindow, kProfile, parent),
      Command_def(addButton("Command_def", CaptionOf("Command_def"))),
      plan_(context.state) {
    buildControls();
    layOutControls();
    encodeEdit_ = {MSF_Encode, Text_Encode, &texts::kEncodeLength};
    decodeEdit_ = {MSF_Decode, Text_Decode, &texts::kDecodeLength};
    plan_.onRead = [this](const FiveToneReadImage& read) {
        hideCellEditors();
        showSettings(DecodeFiveToneImage(read, state_.texts.callOptions));
        selectDecodeCode(0);
    };
    installEngine(plan_);
    connect(Command_def, &QPushButton::clicked, this, &frm_5tone::Command_def_Click);

    // Form_Load
    Frame_Dec_xx->setTitle(caption(texts::kDecodeActionsFirst));
    TabStrip1->setCurrentIndex(0);
    TabStrip1_Click(0);
    SetFiveToneDefaults();
}

// ---------------------------------------------------------------------------------------
// Controls

void frm_5tone::buildControls() {
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    for (const Bilingual& tab : texts::kTabs)
        TabStrip1->addTab(caption(tab));
    connect(TabStrip1, &QTabBar::currentChanged, this, &frm_5tone::TabStrip1_Click);

    const auto frame = [this](const char* name) {
        auto* box = new QGroupBox(caption(CaptionOf(name)), this);
        box->setObjectName(name);
        return box;
    };
    Frame_std = frame("Frame_std");
    Frame_encode = frame("Frame_encode");
    Frame_decode = frame("Frame_decode");
    buildStandardFrame();
    buildEncodeFrame();
    buildDecodeFrame();
    for (OverlayDropDown* list : {Combo_edit, Combo_Encode, Combo_Decode})
        keepListReadOnly(list);

    // The reply settings: kept, never shown.
    Check_Dec_back = new QCheckBox(caption(CaptionOf("Check_Dec_back")), this);
    Check_Dec_back->setObjectName("Check_Dec_back");
    Check_Dec_Bcl = new QCheckBox(caption(CaptionOf("Check_Dec_Bcl")), this);
    Check_Dec_Bcl->setObjectName("Check_Dec_Bcl");
    Combo_Dec_Back_Time = new ListBox(this, ListBox::Typing::Ignored);
    Combo_Dec_Back_Time->setObjectName("Combo_Dec_Back_Time");
    auto* label8 = new QLabel(caption(CaptionOf("Label8")), this);
    label8->setObjectName("Label8");
    for (QWidget* hidden : std::initializer_list<QWidget*>{Check_Dec_back, Check_Dec_Bcl,
                                                           Combo_Dec_Back_Time, label8})
        hidden->hide();
}

void frm_5tone::buildStandardFrame() {
    MSF_Chann = new FlexGrid(Frame_std);
    MSF_Chann->setObjectName("MSF_Chann");
    MSF_Chann->setRows(kGridRows);
    MSF_Chann->setFormatString(caption(texts::kStandardsHeader));
    FitColumns(MSF_Chann, "PDZVEI");
    Combo_edit = new OverlayDropDown(MSF_Chann);
    Combo_edit->setObjectName("Combo_edit");
    Combo_edit->hide();
    connect(MSF_Chann, &FlexGrid::clicked, this, &frm_5tone::MSF_Chann_Click);
    connect(MSF_Chann, &FlexGrid::leaveCell, this, &frm_5tone::MSF_Chann_LeaveCell);

    Combo_stxh = new ListBox(Frame_std, ListBox::Typing::Ignored);
    Combo_stxh->setObjectName("Combo_stxh");
    connect(Combo_stxh, &QComboBox::currentIndexChanged, this, &frm_5tone::showFrequencies);
    auto* name = new QLabel(caption(CaptionOf("Label_std_name")), Frame_std);
    name->setObjectName("Label_std_name");

    auto* panel = new QGridLayout;
    panel->addWidget(name, 0, 0);
    panel->addWidget(Combo_stxh, 0, 1);
    for (int d = 0; d < kFiveToneDigits; ++d) {
        auto* code = new QLabel(QString(QChar(CodeToDigit(std::uint8_t(d)))), Frame_std);
        code->setObjectName(QString("Label_code_%1").arg(d));
        auto* freq = new QLabel(Frame_std);
        freq->setObjectName(QString("Label_freq_%1").arg(d));
        Label_code[size_t(d)] = code;
        Label_freq[size_t(d)] = freq;
        panel->addWidget(code, 1 + d, 0, Qt::AlignRight);
        panel->addWidget(freq, 1 + d, 1);
    }
    panel->setRowStretch(kFiveToneDigits + 1, 1);

    auto* layout = new QHBoxLayout(Frame_std);
    layout->addWidget(MSF_Chann, 5);
    layout->addLayout(panel, 4);
}

void frm_5tone::buildEncodeFrame() {
    MSF_Encode = new FlexGrid(Frame_encode);
    MSF_Encode->setObjectName("MSF_Encode");
    MSF_Encode->setRows(kGridRows);
    MSF_Encode->setFormatString(caption(texts::kEncodeHeader));
    FitColumns(MSF_Encode, "000000");
    Text_Encode = new OverlayTextBox(MSF_Encode);
    Text_Encode->setObjectName("Text_Encode");
    Text_Encode->hide();
    Combo_Encode = new OverlayDropDown(MSF_Encode);
    Combo_Encode->setObjectName("Combo_Encode");
    Combo_Encode->hide();
    connect(MSF_Encode, &FlexGrid::clicked, this, &frm_5tone::MSF_Encode_Click);
    connect(MSF_Encode, &FlexGrid::leaveCell, this, &frm_5tone::MSF_Encode_LeaveCell);
    connect(MSF_Encode, &FlexGrid::doubleClicked, this, &frm_5tone::MSF_Encode_DblClick);
    connect(Text_Encode, &QLineEdit::textChanged, this, [this] { codeTextChanged(encodeEdit_); });

    auto* timings = new QFormLayout;
    static constexpr std::array<const char*, 4> kTimingLists = {"Combo_Enc_ys1", "Combo_Enc_ys2",
                                                                "Combo_enc_ys3", "Combo_Enc_ys4"};
    static constexpr std::array<const char*, 4> kTimingLabels = {"Label_enc_ys1", "Label_enc_ys2",
                                                                 "Label_enc_ys3", "Label_enc_ys4"};
    for (size_t i = 0; i < encodeTimings_.size(); ++i) {
        auto* list = new ListBox(Frame_encode, ListBox::Typing::Ignored);
        list->setObjectName(kTimingLists[i]);
        encodeTimings_[i] = list;
        auto* label = new QLabel(caption(CaptionOf(kTimingLabels[i])), Frame_encode);
        label->setObjectName(kTimingLabels[i]);
        label->setWordWrap(true);
        timings->addRow(label, list);
    }

    auto* layout = new QHBoxLayout(Frame_encode);
    layout->addWidget(MSF_Encode, 5);
    layout->addLayout(timings, 3);
}

void frm_5tone::buildDecodeFrame() {
    MSF_Decode = new FlexGrid(Frame_decode);
    MSF_Decode->setObjectName("MSF_Decode");
    MSF_Decode->setRows(kGridRows);
    MSF_Decode->setFormatString(caption(texts::kDecodeHeader));
    FitColumns(MSF_Decode, "000000");
    MSF_Decode->setMinimumHeight(TwipsToPixels(4000));
    Text_Decode = new OverlayTextBox(MSF_Decode);
    Text_Decode->setObjectName("Text_Decode");
    Text_Decode->hide();
    Combo_Decode = new OverlayDropDown(MSF_Decode);
    Combo_Decode->setObjectName("Combo_Decode");
    Combo_Decode->hide();
    connect(MSF_Decode, &FlexGrid::clicked, this, &frm_5tone::MSF_Decode_Click);
    connect(MSF_Decode, &FlexGrid::leaveCell, this, &frm_5tone::MSF_Decode_LeaveCell);
    connect(MSF_Decode, &FlexGrid::doubleClicked, this, &frm_5tone::MSF_Decode_DblClick);
    connect(Text_Decode, &QLineEdit::textChanged, this, [this] { codeTextChanged(decodeEdit_); });

    // The actions of the selected code: a row per frame, DISP, LED, CTRL and ALERT, then the
    // five group-call positions.
    Frame_Dec_xx = new QGroupBox(Frame_decode);
    Frame_Dec_xx->setObjectName("Frame_Dec_xx");
    auto* actions = new QGridLayout(Frame_Dec_xx);
    const auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, Frame_Dec_xx);
        l->setObjectName(name);
        return l;
    };
    static constexpr std::array<const char*, 4> kActionLabels = {"Label_Disp", "Label_led",
                                                                 "Label_ctrl", "Label_Tishi"};
    for (size_t a = 0; a < kActionLabels.size(); ++a)
        actions->addWidget(label(kActionLabels[a], caption(CaptionOf(kActionLabels[a]))), 0,
                           1 + int(a), Qt::AlignCenter);
    for (int p = 0; p < kCodeDigits; ++p)
        actions->addWidget(label(QString("Label_zh%1").arg(p), QString::number(p + 1)), 0, 5 + p,
                           Qt::AlignCenter);
    const auto check = [this](const QString& name) {
        auto* box = new QCheckBox(Frame_Dec_xx);
        box->setObjectName(name);
        connect(box, &QCheckBox::clicked, this, &frm_5tone::StoreDecodeActions);
        return box;
    };
    for (int f = 0; f < kCodeFrames; ++f) {
        const QString row = QString("Label_F%1").arg(f + 1);
        actions->addWidget(label(row, caption(CaptionOf(utf8(row)))), 1 + f, 0);
        const size_t i = size_t(f);
        Check_Disp[i] = check(QString("Check_Disp_%1").arg(f));
        Check_Led[i] = check(QString("Check_Led_%1").arg(f));
        Check_Kz[i] = check(QString("Check_Kz_%1").arg(f));
        Check_Ts[i] = check(QString("Check_Ts_%1").arg(f));
        int col = 1;
        for (QCheckBox* box : {Check_Disp[i], Check_Led[i], Check_Kz[i], Check_Ts[i]})
            actions->addWidget(box, 1 + f, col++, Qt::AlignCenter);
        for (int p = 0; p < kCodeDigits; ++p) {
            Check_zh[size_t(p)][i] = check(QString("Check_zh%1_%2").arg(p).arg(f));
            actions->addWidget(Check_zh[size_t(p)][i], 1 + f, col++, Qt::AlignCenter);
        }
    }

    Combo_Dec_Res_Time = new ListBox(Frame_decode, ListBox::Typing::Ignored);
    Combo_Dec_Res_Time->setObjectName("Combo_Dec_Res_Time");
    auto* reset = new QLabel(caption(CaptionOf("Label_Reset_time")), Frame_decode);
    reset->setObjectName("Label_Reset_time");
    auto* resetForm = new QFormLayout;
    resetForm->addRow(reset, Combo_Dec_Res_Time);

    auto* below = new QHBoxLayout;
    below->addWidget(Frame_Dec_xx);
    below->addLayout(resetForm);
    below->addStretch(1);
    auto* layout = new QVBoxLayout(Frame_decode);
    layout->addWidget(MSF_Decode, 1);
    layout->addLayout(below);
}

void frm_5tone::layOutControls() {
    auto* status = new QHBoxLayout;
    status->addWidget(ProgressBar1, 2);
    status->addWidget(Label_tr_count, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    for (QGroupBox* box : {Frame_std, Frame_encode, Frame_decode}) {
        box->setMinimumHeight(TwipsToPixels(6100));
        layout->addWidget(box, 1);
    }
    layout->addLayout(status);
    layout->addLayout(buttons);
}

// ---------------------------------------------------------------------------------------
// Tabs, the frequency panel and the decode actions

void frm_5tone::TabStrip1_Click(int index) {
    hideCellEditors();
    Frame_std->setVisible(index == 0);
    Frame_encode->setVisible(index == 1);
    Frame_decode->setVisible(index == 2);
    if (index == 2) selectDecodeCode(0);
}

void frm_5tone::selectDecodeCode(int code) {
    SelectedDecodeCode = code;
    ShowDecodeActions(code);
    Frame_Dec_xx->setTitle(qt(CountedLabel(texts::kDecodeActionsBefore, code + 1,
                                           texts::kDecodeActionsAfter, state_.Language_Flag)));
}

void frm_5tone::showFrequencies() {
    const auto frequencies = StandardFrequencyTexts(Combo_stxh->currentIndex());
    for (size_t d = 0; d < Label_freq.size(); ++d)
        Label_freq[d]->setText(qt(frequencies[d]));
}

void frm_5tone::ShowDecodeActions(int code) {
    if (code < 0 || code >= kFiveToneCodes) return;
    showingActions_ = true;
    const DecodeActionValues& values = DecodeActions[size_t(code)];
    for (size_t f = 0; f < kCodeFrames; ++f) {
        const std::uint8_t flags = values[2 * f];
        const std::uint8_t positions = values[2 * f + 1];
        Check_Disp[f]->setChecked(flags & kActionDisp);
        Check_Led[f]->setChecked(flags & kActionLed);
        Check_Kz[f]->setChecked(flags & kActionCtrl);
        Check_Ts[f]->setChecked(flags & kActionAlert);
        for (size_t p = 0; p < kCodeDigits; ++p)
            Check_zh[p][f]->setChecked(positions & (1u << p));
    }
    showingActions_ = false;
}

void frm_5tone::StoreDecodeActions() {
    if (showingActions_) return;
    DecodeActionValues& values = DecodeActions[size_t(SelectedDecodeCode)];
    for (size_t f = 0; f < kCodeFrames; ++f) {
        int flags = 0;
        if (Check_Disp[f]->isChecked()) flags |= kActionDisp;
        if (Check_Led[f]->isChecked()) flags |= kActionLed;
        if (Check_Kz[f]->isChecked()) flags |= kActionCtrl;
        if (Check_Ts[f]->isChecked()) flags |= kActionAlert;
        int positions = 0;
        for (size_t p = 0; p < kCodeDigits; ++p)
            if (Check_zh[p][f]->isChecked()) positions |= 1 << p;
        values[2 * f] = std::uint8_t(flags);
        values[2 * f + 1] = std::uint8_t(positions);
    }
}

// ---------------------------------------------------------------------------------------
// Cell editors

void frm_5tone::openList(FlexGrid* grid, OverlayDropDown* list,
                         const std::vector<std::string>& items, bool preselectFirst) {
    const QString text = grid->text();
    grid->placeOverCurrentCell(list, false);
    list->show();
    list->setFocus();
    list->clear();
    list->addItems(Items(items));
    if (preselectFirst) list->setListIndex(0);
    list->setText(text);
    savedListText_ = text;
}

// Only an item chosen from the list changes a cell; typed text is replaced at once by what
// the list showed when it was opened, took the focus or had an item chosen.
void frm_5tone::keepListReadOnly(OverlayDropDown* list) {
    connect(list, &OverlayDropDown::changed, this, [this, list] {
        if (!list->isVisible()) return;
        list->setFocus();
        list->setText(savedListText_);
    });
    connect(list, &OverlayDropDown::clickedItem, this,
            [this, list] { savedListText_ = list->text(); });
    connect(list, &OverlayDropDown::gotFocus, this,
            [this, list] { savedListText_ = list->text(); });
}

void frm_5tone::hideCellEditors() {
    MSF_Chann->hideOverlay(Combo_edit);
    MSF_Encode->hideOverlay(Combo_Encode);
    MSF_Decode->hideOverlay(Combo_Decode);
    closeCodeEditor(encodeEdit_);
    closeCodeEditor(decodeEdit_);
}

void frm_5tone::codeTextChanged(const CodeEdit& edit) {
    const CodeBoxCheck check = CheckCodeBox(utf8(edit.box->text()));
    if (check.tooLong) warn(texts::kCodeTitle, *edit.lengthMessage);
    for (int i = 0; i < check.badDigits; ++i)
        warn(texts::kCodeTitle, texts::kDigit);
}

void frm_5tone::openCodeEditor(CodeEdit& edit) {
    edit.row = edit.grid->row();
    edit.col = edit.grid->col();
    edit.refused = false;
    edit.grid->placeOverCurrentCell(edit.box);
    edit.box->show();
    edit.box->setFocus();
    edit.box->setText(edit.grid->text());
}

bool frm_5tone::commitCodeEditor(CodeEdit& edit) {
    if (!edit.box->isVisible()) return true;
    const QString text = edit.box->text();
    switch (LeaveCodeBox(utf8(text))) {
        case CodeLeave::Store:
            edit.grid->setTextMatrix(edit.row, edit.col, text);
            return true;
        case CodeLeave::KeepCell:
            return true;
        case CodeLeave::Refuse:
            break;
    }
    warn(texts::kCodeTitle, *edit.lengthMessage);
    edit.refused = true;
    returnFocus(edit.box);
    return false;
}

// The grid has already moved on when a leave is refused; the box's cell becomes current
// again, so that what is typed next still belongs to it.
bool frm_5tone::keepRefusedCell(CodeEdit& edit) {
    if (!edit.refused) return false;
    edit.refused = false;
    const QSignalBlocker blocker(edit.grid);
    edit.grid->setCurrentCell(edit.row, edit.col);
    edit.grid->placeOverCurrentCell(edit.box);
    edit.box->show();
    edit.box->setFocus();
    return true;
}

void frm_5tone::closeCodeEditor(CodeEdit& edit) {
    edit.refused = false;
    edit.grid->hideOverlay(edit.box);
    edit.box->clear();
}

// ---------------------------------------------------------------------------------------
// Standards grid

void frm_5tone::MSF_Chann_Click() {
    const int row = MSF_Chann->mouseRow();
    const int col = MSF_Chann->mouseCol();
    if (row > 0) Combo_stxh->setCurrentIndex(row - 1);
    if (col == 0) {
        MSF_Chann->hideOverlay(Combo_edit);
        return;
    }
    // The headings are not edited.
    if (row < 1 || col < 1) return;
    openList(MSF_Chann, Combo_edit, col == kPeriodColumn ? PeriodItems() : ToneDigitItems(), false);
}

void frm_5tone::MSF_Chann_LeaveCell() {
    if (Combo_edit->isVisible()) MSF_Chann->setText(Combo_edit->text());
    MSF_Chann->hideOverlay(Combo_edit);
}

// ---------------------------------------------------------------------------------------
// Encode grid

void frm_5tone::MSF_Encode_Click() {
    if (keepRefusedCell(encodeEdit_)) return;
    const int row = MSF_Encode->mouseRow();
    const int col = MSF_Encode->mouseCol();
    if (row < 1 || col < 1) return;
    if (col > kEncodeFrame1 && MSF_Encode->textMatrix(row, kEncodeFrame1).isEmpty()) return;
    if (col == kEncodeStandard) {
        openList(MSF_Encode, Combo_Encode, StandardNames(), true);
    } else {
        openCodeEditor(encodeEdit_);
    }
}

void frm_5tone::MSF_Encode_LeaveCell() {
    const int row = MSF_Encode->row();
    if (MSF_Encode->col() == kEncodeStandard) {
        if (Combo_Encode->isVisible()) MSF_Encode->setText(Combo_Encode->text());
    } else if (!commitCodeEditor(encodeEdit_)) {
        return;
    }
    if (MSF_Encode->textMatrix(row, kEncodeFrame1).trimmed().isEmpty())
        for (int col = kEncodeFrame1; col <= kEncodeStandard; ++col)
            MSF_Encode->setTextMatrix(row, col, {});
    MSF_Encode->hideOverlay(Combo_Encode);
    closeCodeEditor(encodeEdit_);
}

void frm_5tone::MSF_Encode_DblClick() {
    const int row = MSF_Encode->mouseRow();
    if (row < 1 || MSF_Encode->mouseCol() != 0) return;
    for (int col = kEncodeFrame1; col <= kEncodeStandard; ++col)
        MSF_Encode->setTextMatrix(row, col, {});
}

// ---------------------------------------------------------------------------------------
// Decode grid

void frm_5tone::MSF_Decode_Click() {
    if (keepRefusedCell(decodeEdit_)) return;
    const int row = MSF_Decode->mouseRow();
    const int col = MSF_Decode->mouseCol();
    if (row < 1) return;
    selectDecodeCode(row - 1);
    if (col < 1) return;
    if (col > kDecodeStandard && MSF_Decode->textMatrix(row, kDecodeStandard).isEmpty()) return;
    if (col == kDecodeStandard) {
        openList(MSF_Decode, Combo_Decode, StandardNames(), true);
    } else if (IsDecodeListColumn(col)) {
        const auto& names = state_.texts.callOptions;
        openList(MSF_Decode, Combo_Decode, {names.begin(), names.end()}, true);
    } else {
        openCodeEditor(decodeEdit_);
    }
}

void frm_5tone::MSF_Decode_LeaveCell() {
    const int row = MSF_Decode->row();
    const int col = MSF_Decode->col();
    if (IsDecodeListColumn(col)) {
        if (Combo_Decode->isVisible()) MSF_Decode->setText(Combo_Decode->text());
        // A function without its frame is dropped.
        if (col != kDecodeStandard && MSF_Decode->textMatrix(row, col - 1).trimmed().isEmpty())
            MSF_Decode->setText({});
    } else if (!commitCodeEditor(decodeEdit_)) {
        return;
    }
    if (MSF_Decode->textMatrix(row, kDecodeStandard).trimmed().isEmpty())
        for (int c = kDecodeStandard; c <= kDecodeLastColumn; ++c)
            MSF_Decode->setTextMatrix(row, c, {});
    MSF_Decode->hideOverlay(Combo_Decode);
    closeCodeEditor(decodeEdit_);
}

void frm_5tone::MSF_Decode_DblClick() {
    const int row = MSF_Decode->mouseRow();
    if (row < 1 || MSF_Decode->mouseCol() != 0) return;
    for (int col = kDecodeStandard; col <= kDecodeLastColumn; ++col)
        MSF_Decode->setTextMatrix(row, col, {});
    DecodeActions[size_t(row - 1)] = {};
    selectDecodeCode(row - 1);
}

// ---------------------------------------------------------------------------------------
// Settings

FiveToneSettings frm_5tone::settings() const {
    FiveToneSettings s;
    for (int i = 0; i < kFiveToneStandards; ++i)
        s.standards[size_t(i)] = {utf8(MSF_Chann->textMatrix(i + 1, 1)),
                                  utf8(MSF_Chann->textMatrix(i + 1, 2)),
                                  utf8(MSF_Chann->textMatrix(i + 1, 3))};
    for (int c = 0; c < kFiveToneCodes; ++c) {
        const int row = c + 1;
        FiveToneEncodeRow& encode = s.encode[size_t(c)];
        for (int f = 0; f < kCodeFrames; ++f)
            encode.frames[size_t(f)] = utf8(MSF_Encode->textMatrix(row, kEncodeFrame1 + f));
        encode.transpond = utf8(MSF_Encode->textMatrix(row, kEncodeTranspond));
        encode.standard = utf8(MSF_Encode->textMatrix(row, kEncodeStandard));

        FiveToneDecodeRow& decode = s.decode[size_t(c)];
        decode.standard = utf8(MSF_Decode->textMatrix(row, kDecodeStandard));
        for (int f = 0; f < kCodeFrames; ++f) {
            decode.frames[size_t(f)] = utf8(MSF_Decode->textMatrix(row, DecodeFrameColumn(f)));
            decode.functions[size_t(f)] =
                utf8(MSF_Decode->textMatrix(row, DecodeFrameColumn(f) + 1));
        }
        decode.reply = utf8(MSF_Decode->textMatrix(row, kDecodeReply));
    }
    for (size_t i = 0; i < encodeTimings_.size(); ++i)
        s.encodeTimings[i] = encodeTimings_[i]->currentIndex();
    s.DecodeActions = DecodeActions;
    s.resetTime = Combo_Dec_Res_Time->currentIndex();
    s.replyAfterAll = Check_Dec_back->isChecked();
    s.replyWhenIdle = Check_Dec_Bcl->isChecked();
    s.replyDelay = Combo_Dec_Back_Time->currentIndex();
    return s;
}

void frm_5tone::showSettings(const FiveToneSettings& s) {
    for (int i = 0; i < kFiveToneStandards; ++i) {
        const FiveToneStandardRow& row = s.standards[size_t(i)];
        MSF_Chann->setTextMatrix(i + 1, 1, qt(row.period));
        MSF_Chann->setTextMatrix(i + 1, 2, qt(row.groupTone));
        MSF_Chann->setTextMatrix(i + 1, 3, qt(row.repeatTone));
    }
    for (int c = 0; c < kFiveToneCodes; ++c) {
        const int row = c + 1;
        const FiveToneEncodeRow& encode = s.encode[size_t(c)];
        for (int f = 0; f < kCodeFrames; ++f)
            MSF_Encode->setTextMatrix(row, kEncodeFrame1 + f, qt(encode.frames[size_t(f)]));
        MSF_Encode->setTextMatrix(row, kEncodeTranspond, qt(encode.transpond));
        MSF_Encode->setTextMatrix(row, kEncodeStandard, qt(encode.standard));

        const FiveToneDecodeRow& decode = s.decode[size_t(c)];
        MSF_Decode->setTextMatrix(row, kDecodeStandard, qt(decode.standard));
        for (int f = 0; f < kCodeFrames; ++f) {
            MSF_Decode->setTextMatrix(row, DecodeFrameColumn(f), qt(decode.frames[size_t(f)]));
            MSF_Decode->setTextMatrix(row, DecodeFrameColumn(f) + 1,
                                      qt(decode.functions[size_t(f)]));
        }
        MSF_Decode->setTextMatrix(row, kDecodeReply, qt(decode.reply));
    }
    for (size_t i = 0; i < encodeTimings_.size(); ++i)
        encodeTimings_[i]->setPosition(s.encodeTimings[i]);
    DecodeActions = s.DecodeActions;
    ShowDecodeActions(SelectedDecodeCode);
    Combo_Dec_Res_Time->setPosition(s.resetTime);
    Check_Dec_back->setChecked(s.replyAfterAll);
    Check_Dec_Bcl->setChecked(s.replyWhenIdle);
    Combo_Dec_Back_Time->setPosition(s.replyDelay);
}

void frm_5tone::SetFiveToneDefaults() {
    Combo_stxh->setItems(Items(StandardNames()));
    Combo_stxh->setPosition(kDefaultStandard);
    showFrequencies();

    const auto standards = DefaultFiveToneStandards();
    for (int i = 0; i < kFiveToneStandards; ++i) {
        const int row = i + 1;
        MSF_Chann->setTextMatrix(row, 0, qt(kFiveToneStandardNames[size_t(i)]));
        MSF_Chann->setTextMatrix(row, 1, qt(standards[size_t(i)].period));
        MSF_Chann->setTextMatrix(row, 2, qt(standards[size_t(i)].groupTone));
        MSF_Chann->setTextMatrix(row, 3, qt(standards[size_t(i)].repeatTone));
    }

    const QStringList timings = Items(ToneTimingItems());
    for (size_t i = 0; i < encodeTimings_.size(); ++i) {
        encodeTimings_[i]->setItems(timings);
        encodeTimings_[i]->setPosition(kDefaultTimings[i]);
    }

    for (int row = 1; row <= kFiveToneCodes; ++row) {
        MSF_Encode->setTextMatrix(row, 0, QString::number(row));
        MSF_Decode->setTextMatrix(row, 0, QString::number(row));
    }

    const auto encodeRow = [this](int row, const FiveToneEncodeRow& values) {
        for (int f = 0; f < kCodeFrames; ++f)
            MSF_Encode->setTextMatrix(row, kEncodeFrame1 + f, qt(values.frames[size_t(f)]));
        MSF_Encode->setTextMatrix(row, kEncodeTranspond, qt(values.transpond));
        MSF_Encode->setTextMatrix(row, kEncodeStandard, qt(values.standard));
    };
    encodeRow(1, {{"12345", "34567", "56789"}, "01234", "CCIR1"});
    encodeRow(kFiveToneCodes, {{"23456", "45678", "67890"}, "12345", "MODAT"});

    Combo_Dec_Res_Time->setItems(Items(ResetTimeItems()));
    Combo_Dec_Res_Time->setPosition(kDefaultResetTime);
    Combo_Dec_Back_Time->setItems(Items(ReplyDelayItems()));
    Combo_Dec_Back_Time->setPosition(kDefaultReplyDelay);

    const auto& names = state_.texts.callOptions;
    const auto decodeRow = [this](int row, const FiveToneDecodeRow& values) {
        MSF_Decode->setTextMatrix(row, kDecodeStandard, qt(values.standard));
        for (int f = 0; f < kCodeFrames; ++f) {
            MSF_Decode->setTextMatrix(row, DecodeFrameColumn(f), qt(values.frames[size_t(f)]));
            MSF_Decode->setTextMatrix(row, DecodeFrameColumn(f) + 1,
                                      qt(values.functions[size_t(f)]));
        }
        MSF_Decode->setTextMatrix(row, kDecodeReply, qt(values.reply));
    };
    decodeRow(1, {"CCIR1", {"12345", "34567", "56789"}, {names[1], names[2], names[0]}, "01234"});
    decodeRow(kFiveToneCodes,
              {"MODAT", {"23456", "45678", "67890"}, {names[1], names[2], names[0]}, "12345"});

    DecodeActions[0][0] = kActionDisp | kActionLed;
    DecodeActions[kFiveToneCodes - 1][0] = kActionCtrl | kActionAlert;
    selectDecodeCode(0);

    ProgressBar1->hide();
}

// ---------------------------------------------------------------------------------------
// Buttons

void frm_5tone::Command_def_Click() {
    if (refuseWhileBusy(texts::kBusy)) return;
    hideCellEditors();
    resetProgress();
    SetFiveToneDefaults();
}

void frm_5tone::prepareWrite() {
    plan_.writeImage = EncodeFiveToneImage(settings());
}

}  // namespace orvex
