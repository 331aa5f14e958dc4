#include "windows/twotone/frm_2tone.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/twotone/TwoToneTexts.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace texts = twotone_texts;

namespace {

constexpr int kGridRows = kTwoToneCodes + 1;
constexpr int kFirstFrequencyColumn = 1;
constexpr int kSecondFrequencyColumn = 2;
constexpr int kLastSlotColumn = 3 * kTwoToneSlots;
constexpr int kEncodeTab = 0;
constexpr int kDecodeTab = 1;

// The frames stand 200 twips below the tabs and are 6100 twips high; the decode grid is 4000
// twips high.
constexpr int kFrameGapTwips = 200;
constexpr int kFrameHeightTwips = 6100;
constexpr int kDecodeGridHeightTwips = 4000;

Bilingual CaptionOf(std::string_view name) {
    return CaptionIn(texts::kCaptions, name);
}

const EditorFrameProfile kProfile{
    .name = "frm_2tone",
    .caption = CaptionOf("frm_2tone"),
    .writeButtonName = "Command_Write",
    .widthDivisor = 1.2,
    .heightDivisor = 1.25,
    .buttons = {CaptionOf("Command_read"), CaptionOf("Command_Write"), CaptionOf("Command_open"),
                CaptionOf("Command_save"), CaptionOf("Command_close")},
    .engine = TwoTonePlan::Settings(),
    .closeRefusal = texts::kBusyClose,
    .openDialog = std::nullopt,
    .saveDialog = std::nullopt,
    .closesDialogsOf = {FileDialogKind::OpenMenu, FileDialogKind::SaveMenu},
    .filesWaitForTransfers = false,
};

QStringList Items(const std::vector<std::string>& texts) {
    QStringList items;
    for (const std::string& text : texts)
        items << qt(text);
    return items;
}

// The column of a slot's cell: pair, response or alert of slot s (0-3).
int SlotColumn(std::size_t slot, int part) {
    return 3 * static_cast<int>(slot) + 1 + part;
}

}  // namespace

frm_2tone::frm_2tone(AppContext& context, QWidget& mainWindow, QWidget* parent)
    : EditorWindow(context, mainWindow, kProfile, parent),
      tabArea_(new QWidget(this)),
      TabStrip1(new QTabBar(tabArea_)),
      Frame_encode(new QGroupBox(caption(CaptionOf("Frame_encode")), tabArea_)),
      Frame_Decode(new QGroupBox(caption(CaptionOf("Frame_Decode")), tabArea_)),
      Frame_Dec_xx(new QGroupBox(Frame_Decode)),
      MSF_Encode(new FlexGrid(Frame_encode)),
      Text_Encode(new OverlayTextBox(MSF_Encode)),
      MSF_Decode(new FlexGrid(Frame_Decode)),
      Combo_Decode(new OverlayDropDown(MSF_Decode)),
      Combo_Enc_ys1(new ListBox(Frame_encode, ListBox::Typing::Ignored)),
      Combo_Enc_ys2(new ListBox(Frame_encode, ListBox::Typing::Ignored)),
      Combo_enc_ys3(new ListBox(Frame_encode, ListBox::Typing::Ignored)),
      Combo_Dec_Res_Time(new ListBox(Frame_Decode, ListBox::Typing::Ignored)),
      Command_def(addButton("Command_def", CaptionOf("Command_def"))),
      plan_(context.state) {
    buildControls();
    layOutControls();
    plan_.onRead = [this](const TwoToneImage& image) {
        hideCellEditors();
        showSettings(DecodeTwoToneImage(image, replyNames()));
        selectDecodeCode(0);
    };
    installEngine(plan_);
    connect(Command_def, &QPushButton::clicked, this, &frm_2tone::Command_def_Click);

    // Form_Load
    TabStrip1->setCurrentIndex(kEncodeTab);
    Frame_encode->show();
    Frame_Decode->hide();
    resetProgress();
    SetTwoToneDefaults();
    Frame_Dec_xx->setTitle(caption(texts::kDecodeFrameAtLoad));
}

const ReplyNames& frm_2tone::replyNames() const {
    return state_.texts.replyOptions;
}

void frm_2tone::buildControls() {
    TabStrip1->setObjectName("TabStrip1");
    for (const Bilingual& tab : texts::kTabs)
        TabStrip1->addTab(caption(tab));
    connect(TabStrip1, &QTabBar::currentChanged, this, &frm_2tone::TabStrip1_Click);
    // A click on the tab already chosen chooses it again.
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == TabStrip1->currentIndex()) TabStrip1_Click(index);
    });
    Frame_encode->setObjectName("Frame_encode");
    Frame_Decode->setObjectName("Frame_Decode");
    Frame_Dec_xx->setObjectName("Frame_Dec_xx");

    MSF_Encode->setObjectName("MSF_Encode");
    MSF_Encode->setRows(kGridRows);
    MSF_Encode->setFormatString(caption(texts::kEncodeGridHeader));
    Text_Encode->setObjectName("Text_Encode");
    Text_Encode->hide();
    connect(MSF_Encode, &FlexGrid::clicked, this, &frm_2tone::MSF_Encode_Click);
    connect(MSF_Encode, &FlexGrid::leaveCell, this, &frm_2tone::MSF_Encode_LeaveCell);
    connect(MSF_Encode, &FlexGrid::doubleClicked, this, &frm_2tone::MSF_Encode_DblClick);

    MSF_Decode->setObjectName("MSF_Decode");
    MSF_Decode->setRows(kGridRows);
    MSF_Decode->setFormatString(caption(texts::kDecodeGridHeader));
    Combo_Decode->setObjectName("Combo_Decode");
    Combo_Decode->hide();
    connect(MSF_Decode, &FlexGrid::clicked, this, &frm_2tone::MSF_Decode_Click);
    connect(MSF_Decode, &FlexGrid::leaveCell, this, &frm_2tone::MSF_Decode_LeaveCell);
    connect(MSF_Decode, &FlexGrid::doubleClicked, this, &frm_2tone::MSF_Decode_DblClick);
    connect(Combo_Decode, &OverlayDropDown::changed, this, &frm_2tone::Combo_Decode_Change);
    connect(Combo_Decode, &OverlayDropDown::gotFocus, this, &frm_2tone::rememberComboText);
    connect(Combo_Decode, &OverlayDropDown::clickedItem, this, &frm_2tone::rememberComboText);

    for (std::size_t i = 0; i < tones_.size(); ++i) {
        auto* box = new TextBox(Frame_Dec_xx);
        box->setObjectName(qt(texts::kToneBoxes[i]));
        connect(box, &TextBox::lostFocus, this, [this, box] { toneBoxLostFocus(box); });
        tones_[i] = box;
    }

    const QStringList durations = Items(ToneTimingItems());
    for (ListBox* list : {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3})
        list->setItems(durations);
    Combo_Enc_ys1->setObjectName("Combo_Enc_ys1");
    Combo_Enc_ys2->setObjectName("Combo_Enc_ys2");
    Combo_enc_ys3->setObjectName("Combo_enc_ys3");
    Combo_Dec_Res_Time->setObjectName("Combo_Dec_Res_Time");
    Combo_Dec_Res_Time->setItems(Items(ResetTimeItems()));
}

void frm_2tone::layOutControls() {
    const auto labelFor = [this](std::string_view control, QWidget* parent) {
        const std::string_view name = LabelOf(texts::kLabels, control);
        auto* label = new QLabel(caption(CaptionOf(name)), parent);
        label->setObjectName(qt(name));
        return label;
    };

    // Encode: the codes on the left, the three durations beside them.
    auto* durations = new QFormLayout;
    for (ListBox* list : {Combo_Enc_ys1, Combo_Enc_ys2, Combo_enc_ys3})
        durations->addRow(labelFor(utf8(list->objectName()), Frame_encode), list);
    auto* beside = new QVBoxLayout;
    beside->addLayout(durations);
    beside->addStretch(1);
    auto* encode = new QHBoxLayout(Frame_encode);
    encode->addWidget(MSF_Encode);
    encode->addLayout(beside, 1);

    // Decode: the codes on top; below them the tones of the chosen code and the reset time.
    auto* tones = new QHBoxLayout(Frame_Dec_xx);
    for (TextBox* box : tones_) {
        tones->addWidget(labelFor(utf8(box->objectName()), Frame_Dec_xx));
        tones->addWidget(box);
    }
    auto* below = new QHBoxLayout;
    below->addWidget(Frame_Dec_xx, 1);
    below->addWidget(labelFor("Combo_Dec_Res_Time", Frame_Decode));
    below->addWidget(Combo_Dec_Res_Time);
    auto* decode = new QVBoxLayout(Frame_Decode);
    decode->addWidget(MSF_Decode, 0, Qt::AlignLeft);
    decode->addLayout(below);
    decode->addStretch(1);

    // The tab strip and its frames are placed by layOutTabArea(), as the window's size asks.
    tabArea_->setMinimumHeight(TabStrip1->sizeHint().height() + TwipsToPixels(kFrameGapTwips) +
                               TwipsToPixels(kFrameHeightTwips));
    tabArea_->installEventFilter(this);

    auto* status = new QHBoxLayout;
    status->addWidget(ProgressBar1, 2);
    status->addWidget(Label_tr_count, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabArea_, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
}

bool frm_2tone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabArea_ && event->type() == QEvent::Resize) layOutTabArea();
    return EditorWindow::eventFilter(watched, event);
}

void frm_2tone::resizeEvent(QResizeEvent* event) {
    EditorWindow::resizeEvent(event);
    layOutTabArea();
}

// The tab strip is the window's inner width / 1.02 wide; each frame as wide as the strip, at
// its left edge, 200 twips below the tabs; the encode grid is the frame's width / 2.6 wide,
// the decode grid the frame's width / 1.02.
void frm_2tone::layOutTabArea() {
    const int stripWidth = std::min(static_cast<int>(width() / 1.02), tabArea_->width());
    const int left = (tabArea_->width() - stripWidth) / 2;
    const int tabsHeight = TabStrip1->sizeHint().height();
    TabStrip1->setGeometry(left, 0, stripWidth, tabsHeight);
    const QRect frame(left, tabsHeight + TwipsToPixels(kFrameGapTwips), stripWidth,
                      TwipsToPixels(kFrameHeightTwips));
    Frame_encode->setGeometry(frame);
    Frame_Decode->setGeometry(frame);

    const int inner = 2 * MSF_Encode->view()->frameWidth() + 2;
    const int encodeWidth = static_cast<int>(frame.width() / 2.6);
    MSF_Encode->setFixedWidth(encodeWidth);
    const int codeWidth = (encodeWidth - inner) / 5;
    MSF_Encode->setColWidth(0, codeWidth);
    for (int col : {kFirstFrequencyColumn, kSecondFrequencyColumn})
        MSF_Encode->setColWidth(col, (encodeWidth - inner - codeWidth) / 2);

    const int decodeWidth = static_cast<int>(frame.width() / 1.02);
    MSF_Decode->setFixedSize(decodeWidth, TwipsToPixels(kDecodeGridHeightTwips));
    // Slots share the width after the code column; a response is twice as wide as a pair or
    // an alert.
    const int slotsWidth = decodeWidth - inner - codeWidth;
    const int unit = slotsWidth / (4 * kTwoToneSlots);
    MSF_Decode->setColWidth(0, codeWidth);
    for (int col = 1; col <= kLastSlotColumn; ++col)
        MSF_Decode->setColWidth(col,
                                DecodeColumnKind(col) == DecodeColumn::Response ? 2 * unit : unit);
}

// ---------------------------------------------------------------------------------------
// Settings

TwoToneSettings frm_2tone::settings() const {
    TwoToneSettings settings;
    for (int row = 1; row <= kTwoToneCodes; ++row) {
        EncodeCells& cells = settings.encode[static_cast<std::size_t>(row - 1)];
        cells.first = utf8(MSF_Encode->textMatrix(row, kFirstFrequencyColumn));
        cells.second = utf8(MSF_Encode->textMatrix(row, kSecondFrequencyColumn));
        DecodeCells& slotCells = settings.decode[static_cast<std::size_t>(row - 1)];
        for (std::size_t s = 0; s < slotCells.size(); ++s) {
            slotCells[s].pair = utf8(MSF_Decode->textMatrix(row, SlotColumn(s, 0)));
            slotCells[s].response = utf8(MSF_Decode->textMatrix(row, SlotColumn(s, 1)));
            slotCells[s].alert = utf8(MSF_Decode->textMatrix(row, SlotColumn(s, 2)));
        }
    }
    settings.firstTone = Combo_Enc_ys1->currentIndex();
    settings.secondTone = Combo_Enc_ys2->currentIndex();
    settings.gap = Combo_enc_ys3->currentIndex();
    settings.resetTime = Combo_Dec_Res_Time->currentIndex();
    settings.toneSets = toneSets_;
    return settings;
}

void frm_2tone::showSettings(const TwoToneSettings& settings) {
    for (int row = 1; row <= kTwoToneCodes; ++row) {
        const EncodeCells& cells = settings.encode[static_cast<std::size_t>(row - 1)];
        MSF_Encode->setTextMatrix(row, kFirstFrequencyColumn, qt(cells.first));
        MSF_Encode->setTextMatrix(row, kSecondFrequencyColumn, qt(cells.second));
        const DecodeCells& slotCells = settings.decode[static_cast<std::size_t>(row - 1)];
        for (std::size_t s = 0; s < slotCells.size(); ++s) {
            MSF_Decode->setTextMatrix(row, SlotColumn(s, 0), qt(slotCells[s].pair));
            MSF_Decode->setTextMatrix(row, SlotColumn(s, 1), qt(slotCells[s].response));
            MSF_Decode->setTextMatrix(row, SlotColumn(s, 2), qt(slotCells[s].alert));
        }
    }
    Combo_Enc_ys1->setPosition(settings.firstTone);
    Combo_Enc_ys2->setPosition(settings.secondTone);
    Combo_enc_ys3->setPosition(settings.gap);
    Combo_Dec_Res_Time->setPosition(settings.resetTime);
    toneSets_ = settings.toneSets;
}

void frm_2tone::SetTwoToneDefaults() {
    TwoToneSettings current = settings();
    orvex::SetTwoToneDefaults(current, replyNames(), state_.TwoTone_Scale);
    showSettings(current);
    for (int row = 1; row <= kTwoToneCodes; ++row) {
        MSF_Encode->setTextMatrix(row, 0, QString::number(row));
        MSF_Decode->setTextMatrix(row, 0, QString::number(row));
    }
    showToneSet(selectedDecodeCode_);
    ProgressBar1->hide();
}

// ---------------------------------------------------------------------------------------
// Tabs and the decode code shown

void frm_2tone::TabStrip1_Click(int index) {
    leaveToneBox();
    MSF_Encode->hideOverlay(Text_Encode);
    if (index == kEncodeTab) {
        Frame_encode->show();
        Frame_Decode->hide();
    } else if (index == kDecodeTab) {
        Frame_Decode->show();
        Frame_encode->hide();
        selectDecodeCode(0);
    }
}

void frm_2tone::selectDecodeCode(int k) {
    selectedDecodeCode_ = k;
    showToneSet(k);
    Frame_Dec_xx->setTitle(qt(texts::DecodeFrameCaption(k + 1, state_.Language_Flag)));
}

void frm_2tone::storeToneSet() {
    ToneBoxes boxes;
    for (std::size_t i = 0; i < tones_.size(); ++i)
        boxes[i] = utf8(tones_[i]->text());
    StoreToneSet(toneSets_, selectedDecodeCode_, boxes, state_.TwoTone_Scale);
}

void frm_2tone::showToneSet(int k) {
    const ToneBoxes boxes = ShowToneSet(toneSets_, k);
    for (std::size_t i = 0; i < tones_.size(); ++i)
        tones_[i]->setText(qt(boxes[i]));
}

void frm_2tone::leaveToneBox() {
    QWidget* focus = QApplication::focusWidget();
    if (std::find(tones_.begin(), tones_.end(), focus) == tones_.end()) return;
    MSF_Decode->setFocus(Qt::OtherFocusReason);
}

void frm_2tone::toneBoxLostFocus(TextBox* box) {
    if (isReturningFocus()) return;
    const ToneEntry entry = AcceptToneBoxTone(utf8(box->text()));
    if (entry.result == ToneEntryResult::Accepted) {
        box->setText(qt(entry.text));
    } else if (entry.result == ToneEntryResult::OutOfRange) {
        warn(texts::kRangeTitle, texts::kRange);
        box->clear();
        returnFocus(box);
    }
    storeToneSet();
}

// ---------------------------------------------------------------------------------------
// The encode grid

void frm_2tone::MSF_Encode_Click() {
    const int col = MSF_Encode->mouseCol();
    if (MSF_Encode->mouseRow() < 1 ||
        (col != kFirstFrequencyColumn && col != kSecondFrequencyColumn))
        return;
    MSF_Encode->placeOverCurrentCell(Text_Encode);
    Text_Encode->show();
    Text_Encode->setFocus();
    Text_Encode->setText(MSF_Encode->text());
}

// The cell editor's text reaches the cell as the grid's current cell changes.
void frm_2tone::MSF_Encode_LeaveCell() {
    const int col = MSF_Encode->col();
    if (col != kFirstFrequencyColumn && col != kSecondFrequencyColumn) return;
    const ToneEntry entry = AcceptEncodeCellTone(utf8(Text_Encode->text()));
    if (entry.result == ToneEntryResult::Accepted) {
        MSF_Encode->setText(qt(entry.text));
    } else if (entry.result == ToneEntryResult::OutOfRange) {
        warn(texts::kRangeTitle, texts::kRange);
    }
    MSF_Encode->hideOverlay(Text_Encode);
    Text_Encode->clear();
}

void frm_2tone::MSF_Encode_DblClick() {
    const int row = MSF_Encode->mouseRow();
    if (MSF_Encode->mouseCol() != 0 || row < 1) return;  // the headings stay
    MSF_Encode->setTextMatrix(row, kFirstFrequencyColumn, QString());
    MSF_Encode->setTextMatrix(row, kSecondFrequencyColumn, QString());
}

// ---------------------------------------------------------------------------------------
// The decode grid

void frm_2tone::MSF_Decode_Click() {
    const int row = MSF_Decode->mouseRow();
    const int col = MSF_Decode->mouseCol();
    if (row < 1) return;
    leaveToneBox();
    selectDecodeCode(row - 1);
    if (col < 1) return;
    Combo_Decode->setText(QString());
    MSF_Decode->placeOverCurrentCell(Combo_Decode, false);
    Combo_Decode->show();
    Combo_Decode->setFocus();
    Combo_Decode->clear();
    const DecodeCellList list = DecodeCellItems(col, replyNames());
    for (const std::string& item : list.items)
        Combo_Decode->addItem(qt(item));
    Combo_Decode->setListIndex(list.preselected);
    // Typing puts back the item the list starts on.
    rememberComboText();
}

void frm_2tone::MSF_Decode_LeaveCell() {
    const int row = MSF_Decode->row();
    const int col = MSF_Decode->col();
    if (col < 1 || col > kLastSlotColumn) return;
    if (Combo_Decode->isVisible()) MSF_Decode->setText(Combo_Decode->text());
    const DecodeColumn kind = DecodeColumnKind(col);
    const bool needsPair = kind == DecodeColumn::Response || kind == DecodeColumn::Alert;
    if (needsPair && MSF_Decode->textMatrix(row, DecodePairColumn(col)).trimmed().isEmpty())
        MSF_Decode->setText(QString());
    MSF_Decode->hideOverlay(Combo_Decode);
}

void frm_2tone::MSF_Decode_DblClick() {
    const int row = MSF_Decode->mouseRow();
    if (MSF_Decode->mouseCol() != 0 || row < 1) return;  // the headings stay
    leaveToneBox();
    for (int col = 1; col <= kLastSlotColumn; ++col)
        MSF_Decode->setTextMatrix(row, col, QString());
    // The list over a cell of the row would put its item back as the cell is left.
    if (MSF_Decode->row() == row) MSF_Decode->hideOverlay(Combo_Decode);
    toneSets_[static_cast<std::size_t>(row - 1)].fill(0);
    showToneSet(row - 1);
}

// Typed text never stays: the list shows what it showed before.
void frm_2tone::Combo_Decode_Change() {
    if (!Combo_Decode->isVisible()) return;
    Combo_Decode->setFocus();
    Combo_Decode->setText(comboText_);
}

void frm_2tone::rememberComboText() {
    comboText_ = Combo_Decode->text();
}

void frm_2tone::hideCellEditors() {
    MSF_Encode->hideOverlay(Text_Encode);
    Text_Encode->clear();
    MSF_Decode->hideOverlay(Combo_Decode);
}

// ---------------------------------------------------------------------------------------
// Buttons

void frm_2tone::Command_def_Click() {
    if (refuseWhileBusy(texts::kBusy)) return;
    hideCellEditors();
    resetProgress();
    SetTwoToneDefaults();
}

void frm_2tone::prepareWrite() {
    plan_.writeImage = EncodeTwoToneImage(settings());
}

}  // namespace orvex
