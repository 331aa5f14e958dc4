#include "windows/fm/frm_FM.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/channels/ChannelRecord.h"
#include "core/fm/FmCellCommit.h"
#include "core/fm/FmPresetFile.h"
#include "core/fm/FmTexts.h"
#include "platform/files/SafeFileWriter.h"
#include "windows/editor/TextBox.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace texts = fm_texts;

namespace {

constexpr int kFrequencyColumn = 1;
constexpr int kNameColumn = 2;

Bilingual CaptionOf(std::string_view name) {
    return CaptionIn(texts::kCaptions, name);
}

const EditorFrameProfile kProfile{
    .name = "frm_FM",
    .caption = CaptionOf("frm_FM"),
    .writeButtonName = "Command_Write",
    .widthDivisor = 1.7,
    .heightDivisor = 1.8,
    .buttons = {CaptionOf("Command_read"), CaptionOf("Command_Write"), CaptionOf("Command_open"),
                CaptionOf("Command_save"), CaptionOf("Command_close")},
    .engine = FmPlan::Settings(),
    .closeRefusal = link_texts::kBusyClose,
    .openDialog = FileDialogKind::OpenChann,
    .saveDialog = FileDialogKind::SaveChann,
    .closesDialogsOf = {FileDialogKind::OpenChann, FileDialogKind::SaveChann},
    .filesWaitForTransfers = false,
};

constexpr std::array<const char*, kFmBandBoxCount> kBandBoxNames = {"Text_pvfo1_A", "Text_pvfo2_A",
                                                                    "Text_pvfo1_B", "Text_pvfo2_B"};

FmBand BandOf(FmBandBox box) {
    return box == FmBandBox::ALower || box == FmBandBox::AUpper ? FmBand::A : FmBand::B;
}

bool IsLower(FmBandBox box) {
    return box == FmBandBox::ALower || box == FmBandBox::BLower;
}

// The other box of the same band.
FmBandBox PartnerOf(FmBandBox box) {
    switch (box) {
        case FmBandBox::ALower:
            return FmBandBox::AUpper;
        case FmBandBox::AUpper:
            return FmBandBox::ALower;
        case FmBandBox::BLower:
            return FmBandBox::BUpper;
        case FmBandBox::BUpper:
            break;
    }
    return FmBandBox::BLower;
}

}  // namespace

frm_FM::frm_FM(AppContext& context, QWidget& mainWindow, QWidget* parent)
    : EditorWindow(context, mainWindow, kProfile, parent),
      MSF_Chann(new FlexGrid(this)),
      Text_Edit(new OverlayTextBox(MSF_Chann)),
      Combo_edit(new OverlayDropDown(MSF_Chann)),
      Text_pvfo1_FM(new QLineEdit(this)),
      Text_pvfo2_FM(new QLineEdit(this)),
      Command_clear(addButton("Command_clear", CaptionOf("Command_clear"))),
      Label_chann(new QLabel(this)),
      plan_(context.state) {
    buildControls();
    layOutControls();
    plan_.onReplies = [this](const std::vector<ReadReply>& replies) { DecodeFmReplies(replies); };
    installEngine(plan_);
    connect(Command_clear, &QPushButton::clicked, this, &frm_FM::Command_clear_Click);

    // Form_Load
    hideCellEditor();
    resetProgress();
    Form_Activate();
    FmSettings initial;
    initial.presets = DefaultFmPresets();
    for (int i = 0; i < kFmBandBoxCount; ++i) {
        const auto box = static_cast<FmBandBox>(i);
        const FmBandLimits limits = FmBandLimitsOf(state_, BandOf(box));
        initial.bandBoxes[static_cast<size_t>(i)] =
            FmBandBoxText(IsLower(box) ? limits.lowest : limits.highest);
    }
    showSettings(initial);
}

void frm_FM::buildControls() {
    MSF_Chann->setObjectName("MSF_Chann");
    MSF_Chann->setFormatString(caption(CaptionOf("MSF_Chann")));
    const QFontMetrics metrics(MSF_Chann->font());
    MSF_Chann->view()->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    Text_Edit->setObjectName("Text_Edit");
    Combo_edit->setObjectName("Combo_edit");
    Combo_edit->hide();  // the presets have no drop-down column
    Label_chann->setObjectName("Label_chann");
    connect(MSF_Chann, &FlexGrid::clicked, this, &frm_FM::MSF_Chann_Click);
    connect(MSF_Chann, &FlexGrid::leaveCell, this, &frm_FM::MSF_Chann_LeaveCell);
    connect(MSF_Chann, &FlexGrid::scrolled, this, &frm_FM::MSF_Chann_Scroll);
    connect(MSF_Chann, &FlexGrid::lostFocus, this, &frm_FM::MSF_Chann_LostFocus);

    Text_pvfo1_FM->setObjectName("Text_pvfo1_FM");
    Text_pvfo2_FM->setObjectName("Text_pvfo2_FM");
    Text_pvfo1_FM->setText(qt(texts::kFmLowestText));
    Text_pvfo2_FM->setText(qt(texts::kFmHighestText));
    for (QLineEdit* range : {Text_pvfo1_FM, Text_pvfo2_FM})
        range->setReadOnly(true);  // the broadcast band is fixed
    for (int i = 0; i < kFmBandBoxCount; ++i) {
        const auto which = static_cast<FmBandBox>(i);
        auto* box = new TextBox(this);
        box->setObjectName(kBandBoxNames[static_cast<size_t>(i)]);
        bandBoxes_[static_cast<size_t>(i)] = box;
        connect(box, &QLineEdit::textEdited, this, [this, which] { bandBoxChanged(which); });
        connect(box, &TextBox::lostFocus, this, [this, which] { bandBoxLostFocus(which); });
    }
}

void frm_FM::layOutControls() {
    const auto label = [this](const char* name) {
        auto* text = new QLabel(caption(CaptionOf(name)), this);
        text->setObjectName(name);
        return text;
    };
    auto* ranges = new QGridLayout;
    const auto rangeRow = [&](int row, const char* title, QWidget* from, const char* to,
                              QWidget* until) {
        ranges->addWidget(label(title), 2 * row, 0, 1, 3);
        ranges->addWidget(from, 2 * row + 1, 0);
        ranges->addWidget(label(to), 2 * row + 1, 1, Qt::AlignCenter);
        ranges->addWidget(until, 2 * row + 1, 2);
    };
    rangeRow(0, "Lb_range", Text_pvfo1_FM, "Lb_TO_FM", Text_pvfo2_FM);
    rangeRow(1, "Label_A", bandBox(FmBandBox::ALower), "LB_TO_A", bandBox(FmBandBox::AUpper));
    rangeRow(2, "Label_B", bandBox(FmBandBox::BLower), "LB_TO_B", bandBox(FmBandBox::BUpper));
    ranges->setRowStretch(6, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(MSF_Chann, 0, Qt::AlignTop);
    top->addLayout(ranges, 1);
    auto* status = new QHBoxLayout;
    status->addWidget(ProgressBar1, 2);
    status->addWidget(Label_tr_count, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command_read, Command_Write, Command_clear, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Label_chann);
    layout->addLayout(status);
    layout->addLayout(buttons);
}

void frm_FM::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Each column at least as wide as its heading; the grid as wide as the window allows,
    // and never so narrow that a heading is cut.
    const QFontMetrics metrics(MSF_Chann->font());
    const int padding = metrics.horizontalAdvance("00");
    std::array<int, 3> headings{};
    for (int col = 0; col < 3; ++col)
        headings[static_cast<size_t>(col)] =
            metrics.horizontalAdvance(MSF_Chann->textMatrix(0, col).trimmed()) + padding;
    const int chrome = 2 * MSF_Chann->view()->frameWidth() +
                       MSF_Chann->view()->verticalScrollBar()->sizeHint().width() + 2;
    const int needed = headings[0] + headings[1] + headings[2] + chrome;
    const int width = std::max(static_cast<int>(contentsRect().width() / 1.95), needed);
    MSF_Chann->setFixedSize(width, static_cast<int>(height() / 1.47));
    const int spare = width - needed;
    MSF_Chann->setColWidth(0, headings[0]);
    MSF_Chann->setColWidth(kFrequencyColumn, headings[1] + spare / 2);
    MSF_Chann->setColWidth(kNameColumn, headings[2] + spare - spare / 2);
}

void frm_FM::Form_Activate() {
    MSF_Chann->setRows(kFmPresetCount + 1);
    for (int row = 1; row <= kFmPresetCount; ++row)
        MSF_Chann->setTextMatrix(row, 0, QString::number(row));
}

TextBox* frm_FM::bandBox(FmBandBox box) const {
    return bandBoxes_[static_cast<size_t>(box)];
}

// ---------------------------------------------------------------------------------------
// Settings

FmSettings frm_FM::settings() const {
    FmSettings settings;
    for (int n = 1; n <= kFmPresetCount; ++n)
        settings.presets[static_cast<size_t>(n - 1)] = {
            utf8(MSF_Chann->textMatrix(n, kFrequencyColumn)),
            utf8(MSF_Chann->textMatrix(n, kNameColumn))};
    for (size_t i = 0; i < bandBoxes_.size(); ++i)
        settings.bandBoxes[i] = utf8(bandBoxes_[i]->text());
    settings.bandSpare = bandSpare_;
    return settings;
}

void frm_FM::showSettings(const FmSettings& settings) {
    for (int n = 1; n <= kFmPresetCount; ++n) {
        const FmPresetRow& row = settings.presets[static_cast<size_t>(n - 1)];
        MSF_Chann->setTextMatrix(n, kFrequencyColumn, qt(row.frequency));
        MSF_Chann->setTextMatrix(n, kNameColumn, qt(row.name));
    }
    for (size_t i = 0; i < bandBoxes_.size(); ++i)
        bandBoxes_[i]->setText(qt(settings.bandBoxes[i]));
    bandSpare_ = settings.bandSpare;
}

void frm_FM::EncodeFmRow(int n) {
    if (n < 1 || n > kFmPresetCount) return;
    const FmSettings current = settings();
    const FmRecord record = orvex::EncodeFmRow(current.presets[static_cast<size_t>(n - 1)]);
    std::copy(record.begin(), record.end(),
              plan_.writeImage.begin() + static_cast<std::ptrdiff_t>((n - 1) * kFmRecordBytes));
    // The band record goes with every row.
    const FmWriteImage whole = EncodeFmImage(current);
    const auto band = static_cast<std::ptrdiff_t>(kFmPresetCount * kFmRecordBytes);
    std::copy(whole.begin() + band, whole.end(), plan_.writeImage.begin() + band);
    Label_chann->setText(qt(ChannelRecordLabel(record)));
}

// ---------------------------------------------------------------------------------------
// The preset grid

void frm_FM::MSF_Chann_Click() {
    const int row = MSF_Chann->mouseRow();
    const int col = MSF_Chann->mouseCol();
    if (row < 1 || (col != kFrequencyColumn && col != kNameColumn)) {
        hideCellEditor();
        return;
    }
    editRow_ = row;
    editCol_ = col;
    MSF_Chann->placeOverCurrentCell(Text_Edit);
    Text_Edit->setText(MSF_Chann->textMatrix(row, col));
    Text_Edit->show();
    Text_Edit->setFocus();
    editorOpen_ = true;
}

// The cell editor's text reaches the cell only as the grid's current cell changes.
void frm_FM::MSF_Chann_LeaveCell() {
    if (!editorOpen_) return;
    if (editCol_ == kFrequencyColumn) {
        commitFrequency(editRow_);
    } else {
        commitName(editRow_);
    }
    EncodeFmRow(editRow_);
    hideCellEditor();
}

void frm_FM::commitFrequency(int row) {
    const FmFrequencyOutcome outcome = CommitFmFrequency(utf8(Text_Edit->text()));
    switch (outcome.commit) {
        case FmFrequencyCommit::Accepted:
            break;
        case FmFrequencyCommit::OutOfRange:
            warn(texts::kBusyTitle, texts::kFrequencyOutOfRange);
            break;
        case FmFrequencyCommit::Cleared:
            MSF_Chann->setTextMatrix(row, kNameColumn, QString());
            break;
    }
    MSF_Chann->setTextMatrix(row, kFrequencyColumn, qt(outcome.text));
}

void frm_FM::commitName(int row) {
    const bool hasFrequency = !MSF_Chann->textMatrix(row, kFrequencyColumn).trimmed().isEmpty();
    const FmNameOutcome outcome = CommitFmName(utf8(Text_Edit->text()), hasFrequency);
    if (outcome.tooLong) warn(texts::kPromptTitle, texts::kNameTooLong);
    MSF_Chann->setTextMatrix(row, kNameColumn, qt(outcome.text));
}

void frm_FM::hideCellEditor() {
    MSF_Chann->hideOverlay(Text_Edit);
    Text_Edit->clear();
    editorOpen_ = false;
}

void frm_FM::MSF_Chann_Scroll() {
    MSF_Chann->hideOverlay(Text_Edit);
}

void frm_FM::MSF_Chann_LostFocus() {
    EncodeFmRow(MSF_Chann->row());
}

// ---------------------------------------------------------------------------------------
// Band boxes

void frm_FM::bandBoxChanged(FmBandBox box) {
    if (!FmBandBoxTooLong(utf8(bandBox(box)->text()))) return;
    const int language = state_.Language_Flag;
    const FmBand band = BandOf(box);
    context_.prompt.warning(texts::kBusyTitle.pick(language),
                            FmAvailabilityMessage(band, FmBandLimitsOf(state_, band), language));
}

void frm_FM::bandBoxLostFocus(FmBandBox box) {
    if (isReturningFocus()) return;
    const FmBand band = BandOf(box);
    const FmBandLimits limits = FmBandLimitsOf(state_, band);
    const std::string text = utf8(bandBox(box)->text());
    const std::string other = utf8(bandBox(PartnerOf(box))->text());
    const FmBandBoxOutcome outcome =
        IsLower(box) ? CheckFmLowerBox(text, other, limits) : CheckFmUpperBox(text, other, limits);
    if (outcome.fault != FmBandBoxFault::None)
        warn(texts::kBusyTitle, FmBandBoxFaultText(band, outcome.fault));
    bandBox(box)->setText(qt(outcome.text));
}

// ---------------------------------------------------------------------------------------
// Transfers

void frm_FM::DecodeFmReplies(const std::vector<ReadReply>& replies) {
    hideCellEditor();
    FmSettings current = settings();
    FmPlan::DecodeReplies(replies, current);
    showSettings(current);
}

void frm_FM::prepareWrite() {
    for (int n = 1; n <= kFmPresetCount; ++n)
        EncodeFmRow(n);
}

// ---------------------------------------------------------------------------------------
// Buttons and files

void frm_FM::Command_clear_Click() {
    if (refuseWhileBusy(link_texts::kBusyClear)) return;
    resetProgress();
    hideCellEditor();
    FmSettings cleared;
    cleared.bandSpare = bandSpare_;
    showSettings(cleared);
}

void frm_FM::saveFile() {
    const int language = state_.Language_Flag;
    const QString before = Label_tr_count->text();
    Label_tr_count->setText(qt(texts::kSaving.pick(language)));
    const std::string text = FormatFmPresetFile(settings());
    QString error;
    if (!WriteFileSafely(qt(state_.fileRequests.filePath()), QByteArray::fromStdString(text),
                         &error, language)) {
        Label_tr_count->setText(before);
        context_.prompt.warning(texts::kPromptTitle.pick(language),
                                texts::kSaveFailed.pick(language), utf8(error));
        return;
    }
    Label_tr_count->setText(qt(texts::kSavedLabel.pick(language)));
    warn(texts::kPromptTitle, texts::kSaved);
    resetProgress();
}

void frm_FM::loadFile() {
    const int language = state_.Language_Flag;
    QByteArray bytes;
    QString error;
    const std::string& path = state_.fileRequests.filePath();
    if (!ReadWholeFile(qt(path), &bytes, &error, language)) {
        context_.prompt.warning(texts::kPromptTitle.pick(language),
                                texts::kLoadFailed.pick(language), utf8(error));
        return;
    }
    const FmPresetFileParse parsed =
        ParseFmPresetFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (const auto* fault = std::get_if<FmPresetFileError>(&parsed)) {
        context_.prompt.warning(texts::kPromptTitle.pick(language),
                                FmPresetFileErrorText(*fault, language), path);
        return;
    }
    hideCellEditor();
    showSettings(std::get<FmSettings>(parsed));
    warn(texts::kPromptTitle, texts::kLoaded);
    resetProgress();
}

}  // namespace orvex
