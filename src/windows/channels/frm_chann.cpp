#include "windows/channels/frm_chann.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/channels/ChannelColumns.h"
#include "core/channels/ChannelFile.h"
#include "core/channels/ChannelTexts.h"
#include "core/channels/FrequencyEntry.h"
#include "core/codec/Frequency.h"
#include "core/link/LinkTexts.h"
#include "platform/files/SafeFileWriter.h"
#include "windows/grid/FlexGrid.h"
#include "windows/grid/OverlayDropDown.h"
#include "windows/grid/OverlayTextBox.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace texts = channel_texts;

namespace {

constexpr int kEnter = 13;
constexpr int kFirstToneColumn = 3;
constexpr int kLastColumn = 11;

const EditorFrameProfile kProfile{
    .name = "frm_chann",
    .caption = texts::kCaption,
    .writeButtonName = "Command_Write",
    .widthDivisor = 1.37,
    .heightDivisor = 1.5,
    .buttons = {texts::kRead, texts::kWrite, texts::kOpen, texts::kSave, texts::kClose},
    .engine = ChannelPlan::Settings(),
    .closeRefusal = link_texts::kBusyClose,
    .openDialog = FileDialogKind::OpenChann,
    .saveDialog = FileDialogKind::SaveChann,
};

}  // namespace

frm_chann::frm_chann(AppContext& context, QWidget& mainWindow, QWidget* parent)
    : EditorWindow(context, mainWindow, kProfile, parent),
      MSF_Chann(new FlexGrid(this)),
      Text_Edit(new OverlayTextBox(MSF_Chann)),
      Combo_edit(new OverlayDropDown(MSF_Chann)),
      Command_clear(addButton("Command_clear", texts::kClear)),
      Label_chann(new QLabel(this)),
      plan_(context.state, *this) {
    MSF_Chann->setObjectName("MSF_Chann");
    Text_Edit->setObjectName("Text_Edit");
    Combo_edit->setObjectName("Combo_edit");
    Label_chann->setObjectName("Label_chann");

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command_read, Command_Write, Command_open, Command_save, Command_clear, Command_close})
        buttons->addWidget(button);
    auto* status = new QHBoxLayout;
    status->addWidget(ProgressBar1, 2);
    status->addWidget(Label_tr_count, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MSF_Chann, 1, Qt::AlignHCenter);
    layout->addWidget(Label_chann);
    layout->addLayout(status);
    layout->addLayout(buttons);

    connect(Command_clear, &QPushButton::clicked, this, &frm_chann::Command_clear_Click);
    connect(MSF_Chann, &FlexGrid::clicked, this, &frm_chann::MSF_Chann_Click);
    connect(MSF_Chann, &FlexGrid::leaveCell, this, &frm_chann::MSF_Chann_LeaveCell);
    connect(MSF_Chann, &FlexGrid::scrolled, this, &frm_chann::MSF_Chann_Scroll);
    connect(MSF_Chann, &FlexGrid::lostFocus, this, &frm_chann::MSF_Chann_LostFocus);
    connect(Text_Edit, &OverlayTextBox::keyPressed, this, &frm_chann::Text_Edit_KeyPress);
    connect(Combo_edit, &OverlayDropDown::keyPressed, this, &frm_chann::Combo_edit_KeyPress);
    connect(Combo_edit, &OverlayDropDown::changed, this, &frm_chann::Combo_edit_Change);
    connect(Combo_edit, &OverlayDropDown::gotFocus, this, &frm_chann::Combo_edit_GotFocus);

    installEngine(plan_);

    // Form_Load
    setGridCaptions();
    Text_Edit->hide();
    Combo_edit->hide();
    resetProgress();
    state_.channels.clearReplies();
    Form_Activate();
    for (int row = 1; row < MSF_Chann->rows(); ++row)
        emptyRow(row);
}

void frm_chann::setGridCaptions() {
    MSF_Chann->setFormatString(caption(texts::kHeader));
    // Each column as wide as its heading or its widest content, whichever is more, so that
    // all twelve fit a window on a 1366-pixel screen.
    const QFontMetrics metrics(MSF_Chann->font());
    const int padding = metrics.horizontalAdvance("00");
    const int frequencyWidth = metrics.horizontalAdvance("000.00000");
    const int toneWidth = metrics.horizontalAdvance("D000N");
    for (int col = 0; col < kChannelColumns; ++col) {
        int width = metrics.horizontalAdvance(MSF_Chann->textMatrix(0, col).trimmed());
        if (col == 1 || col == 2) width = std::max(width, frequencyWidth);
        if (col == 3 || col == 4) width = std::max(width, toneWidth);
        MSF_Chann->setColWidth(col, width + padding);
    }
    MSF_Chann->view()->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
}

void frm_chann::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MSF_Chann->setFixedWidth(static_cast<int>(contentsRect().width() / 1.03));
}

void frm_chann::Form_Activate() {
    const int count = std::max<int>(1, state_.Chann_Count);
    MSF_Chann->setRows(count + 1);
    for (int row = 1; row <= count; ++row)
        MSF_Chann->setTextMatrix(row, 0, QString::number(row));
}

// ---------------------------------------------------------------------------------------
// Cell editing

QString frm_chann::cell(int row, int col) const {
    return MSF_Chann->textMatrix(row, col);
}

void frm_chann::setCell(int row, int col, const QString& text) {
    MSF_Chann->setTextMatrix(row, col, text);
}

int frm_chann::lastRow() const {
    return MSF_Chann->rows() - 1;
}

void frm_chann::warn(const Bilingual& text) {
    EditorWindow::warn(texts::kTitle, text);
}

void frm_chann::giveDefaults(int row) {
    for (size_t i = 0; i < kNewChannelDefaults.size(); ++i)
        setCell(row, kFirstToneColumn + static_cast<int>(i), qt(kNewChannelDefaults[i]));
}

void frm_chann::emptyRow(int row) {
    for (int col = 1; col <= kLastColumn; ++col)
        setCell(row, col, QString());
}

void frm_chann::MSF_Chann_Click() {
    const int row = MSF_Chann->mouseRow();
    const int col = MSF_Chann->mouseCol();
    if (row < 1 || col < 1) return;  // headings and the channel numbers have no editor
    openEditor(row, col);
}

void frm_chann::openEditor(int row, int col) {
    editRow_ = row;
    editCol_ = col;
    const QString text = cell(row, col);
    if (col == 1 || col == 2) {
        MSF_Chann->hideOverlay(Combo_edit);
        MSF_Chann->placeOverCurrentCell(Text_Edit);
        Text_Edit->setText(text);
        Text_Edit->show();
        Text_Edit->setFocus();
        editorOpen_ = true;
        return;
    }
    const bool hasEditor =
        cell(row, 1).trimmed().size() > 0 && (col != 4 || cell(row, 2).trimmed().size() > 0);
    if (!hasEditor) {
        MSF_Chann->hideOverlay(Text_Edit);
        MSF_Chann->hideOverlay(Combo_edit);
        editorOpen_ = false;
        return;
    }
    MSF_Chann->hideOverlay(Text_Edit);
    Combo_edit->clear();
    for (const auto& item : ChannelColumnItems(col))
        Combo_edit->addItem(qt(item));
    MSF_Chann->placeOverCurrentCell(Combo_edit, false);
    Combo_edit->setText(text);
    Combo_edit->show();
    comboText_ = text;
    Combo_edit->setFocus();
    editorOpen_ = true;
}

void frm_chann::MSF_Chann_LeaveCell() {
    // Only an editor that is open commits; a cell left without one keeps its text.
    if (!editorOpen_) return;
    commit(editRow_, editCol_, false);
}

void frm_chann::commit(int row, int col, bool byEnter) {
    MSF_Chann->hideOverlay(Text_Edit);
    if (col == 1) {
        commitReceiveFrequency(row, byEnter);
    } else if (col == 2) {
        commitTransmitFrequency(row);
    } else if (col >= kFirstToneColumn && col <= kLastColumn) {
        setCell(row, col, Combo_edit->text());
    }
    if (!byEnter) closeEditors();
}

void frm_chann::commitReceiveFrequency(int row, bool byEnter) {
    const QString typed = Text_Edit->text().trimmed();
    if (typed.isEmpty()) {
        emptyRow(row);  // the channel is deleted
        return;
    }
    const bool newChannel = cell(row, 1).trimmed().isEmpty();
    const auto accepted = AcceptFrequency(utf8(typed), state_.Band_Low, state_.Band_High);
    if (accepted) {
        if (newChannel) giveDefaults(row);
        setCell(row, 1, qt(*accepted));
        if (byEnter && newChannel) setCell(row, 4, QString());
    } else {
        warn(texts::kRxOutOfRange);
        const QString lowest = qt(CanonicalMHz(state_.Band_Low));
        setCell(row, 1, lowest);
        Text_Edit->setText(lowest);
        giveDefaults(row);
        if (byEnter) setCell(row, 4, QString());
    }
    if ((accepted || byEnter) && cell(row, 2).trimmed().isEmpty()) setCell(row, 2, cell(row, 1));
}

void frm_chann::commitTransmitFrequency(int row) {
    const QString typed = Text_Edit->text().trimmed();
    if (cell(row, 1).trimmed().isEmpty() && !typed.isEmpty()) {
        warn(texts::kRxFirst);
        Text_Edit->clear();
        return;
    }
    if (typed.isEmpty()) {
        setCell(row, 2, QString());
        setCell(row, 4, QString());
        return;
    }
    if (const auto accepted = AcceptFrequency(utf8(typed), state_.Band_Low, state_.Band_High)) {
        setCell(row, 2, qt(*accepted));
        return;
    }
    warn(texts::kTxOutOfRange);
    setCell(row, 2, qt(CanonicalMHz(state_.Band_Low)));
    setCell(row, 4, "OFF");
}

void frm_chann::closeEditors() {
    MSF_Chann->hideOverlay(Text_Edit);
    MSF_Chann->hideOverlay(Combo_edit);
    Text_Edit->clear();
    Combo_edit->setText(QString());
    editorOpen_ = false;
}

void frm_chann::moveTo(int row, int col) {
    MSF_Chann->setCurrentCell(row, col);  // commits the open editor through the leave-cell
    openEditor(row, col);
}

void frm_chann::Text_Edit_KeyPress(int charCode) {
    if (charCode != kEnter || !editorOpen_) return;
    const int row = editRow_;
    const int col = editCol_;
    commit(row, col, true);
    Text_Edit->setText(cell(row, col));
    if (col == 1) {
        moveTo(row, 2);
    } else if (cell(row, 1).trimmed().isEmpty() && cell(row, 2).trimmed().isEmpty()) {
        moveTo(std::min(row + 1, lastRow()), 1);
    } else {
        moveTo(row, 3);
    }
}

void frm_chann::Combo_edit_KeyPress(int charCode) {
    if (charCode != kEnter || !editorOpen_) return;
    const int row = editRow_;
    if (editCol_ >= kFirstToneColumn && editCol_ < kLastColumn) {
        moveTo(row, editCol_ + 1);
    } else if (editCol_ == kLastColumn) {
        moveTo(std::min(row + 1, lastRow()), 1);
    }
}

void frm_chann::Combo_edit_Change() {
    // Typed text never stays: only an item chosen from the list changes the value.
    if (!Combo_edit->isVisible()) return;
    Combo_edit->setFocus();
    Combo_edit->setText(comboText_);
}

void frm_chann::Combo_edit_GotFocus() {
    comboText_ = Combo_edit->text();
}

void frm_chann::MSF_Chann_Scroll() {
    MSF_Chann->hideOverlay(Text_Edit);
}

void frm_chann::MSF_Chann_LostFocus() {
    encodeRow(MSF_Chann->row());
}

// ---------------------------------------------------------------------------------------
// Records

ChannelRecord frm_chann::encodeGridRow(int n) const {
    return EncodeChannelRow(gridRow(n), state_.Band_Low);
}

// A row beyond the grid (fewer channels than a write covers) is an empty channel.
void frm_chann::encodeRow(int n) {
    if (n < 1 || n >= kWriteImageRows) return;
    const ChannelRecord record = encodeGridRow(n);
    std::copy(record.begin(), record.end(),
              state_.channels.writeImage[static_cast<size_t>(n)].begin());
    Label_chann->setText(qt(ChannelRecordLabel(record)));
}

ChannelRow frm_chann::gridRow(int n) const {
    ChannelRow row;
    for (int col = 0; col < kChannelColumns; ++col)
        row[static_cast<size_t>(col)] = utf8(cell(n, col));
    return row;
}

void frm_chann::decodeIntoRow(int n, const ChannelRecord& record, DecodeStyle style) {
    if (n < 1 || n > lastRow()) return;
    // An editor's old text must not later overwrite what the radio or the file brought.
    closeEditors();
    ChannelRow row = gridRow(n);
    DecodeChannelRecord(record, row, style);
    for (int col = 1; col < kChannelColumns; ++col)
        setCell(n, col, qt(row[static_cast<size_t>(col)]));
}

void frm_chann::decodeRow(int n, const std::array<std::uint8_t, 16>& record) {
    decodeIntoRow(n, record, DecodeStyle::AfterRead);
}

// ---------------------------------------------------------------------------------------
// Buttons

void frm_chann::Command_clear_Click() {
    if (refuseWhileBusy(link_texts::kBusyClear)) return;
    closeEditors();
    resetProgress();
    state_.channels.clearReplies();
    for (int row = 1; row <= std::min(kClearedRows, lastRow()); ++row)
        emptyRow(row);
}

// ---------------------------------------------------------------------------------------
// Channel files

void frm_chann::saveFile() {
    const int language = state_.Language_Flag;
    const QString before = Label_tr_count->text();
    Label_tr_count->setText(qt(texts::kSaving.pick(language)));

    // Encoded into a copy first: a file that cannot be written changes nothing.
    WriteImage image = state_.channels.writeImage;
    ChannelRecord last{};
    for (int n = 1; n <= kClearedRows; ++n) {
        last = encodeGridRow(n);
        std::copy(last.begin(), last.end(), image[static_cast<size_t>(n)].begin());
    }
    const std::string text = FormatChannelFile(state_.Chann_Count, image);
    QString error;
    if (!WriteFileSafely(qt(state_.fileRequests.filePath()), QByteArray::fromStdString(text),
                         &error, language)) {
        Label_tr_count->setText(before);
        context_.prompt.warning(texts::kTitle.pick(language), texts::kSaveFailed.pick(language),
                                utf8(error));
        return;
    }
    state_.channels.writeImage = image;
    Label_chann->setText(qt(ChannelRecordLabel(last)));
    Label_tr_count->setText(qt(texts::kSavedLabel.pick(state_.Language_Flag)));
    warn(texts::kSaved);
    resetProgress();
}

void frm_chann::loadFile() {
    const int language = state_.Language_Flag;
    QByteArray bytes;
    QString error;
    if (!ReadWholeFile(qt(state_.fileRequests.filePath()), &bytes, &error, language)) {
        context_.prompt.warning(texts::kTitle.pick(language), texts::kLoadFailed.pick(language),
                                utf8(error));
        return;
    }
    const ChannelFileParse parsed =
        ParseChannelFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (const auto* fault = std::get_if<ChannelFileError>(&parsed)) {
        context_.prompt.warning(texts::kTitle.pick(language),
                                ChannelFileErrorText(*fault, language),
                                state_.fileRequests.filePath());
        return;
    }
    const auto& contents = std::get<ChannelFileContents>(parsed);
    closeEditors();
    state_.Chann_Count = static_cast<std::int16_t>(contents.channelCount);
    ApplyChannelFile(contents, state_.channels.writeImage);
    Form_Activate();
    for (int n = 1; n <= std::min(kClearedRows, lastRow()); ++n) {
        ChannelRecord record;
        const auto& image = state_.channels.writeImage[static_cast<size_t>(n)];
        std::copy(image.begin(), image.begin() + kChannelRecordBytes, record.begin());
        decodeIntoRow(n, record, DecodeStyle::FromFile);
    }
    warn(texts::kLoaded);
    resetProgress();
}

}  // namespace orvex
