#include "windows/options/frm_option.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "core/options/MenuFile.h"
#include "core/options/OptionLimitChecks.h"
#include "core/options/OptionLists.h"
#include "core/options/OptionTexts.h"
#include "platform/files/SafeFileWriter.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/shell/QtText.h"

namespace orvex {

namespace texts = option_texts;

namespace {

Bilingual CaptionOf(std::string_view name) {
    return CaptionIn(texts::kCaptions, name);
}

const EditorFrameProfile kProfile{
    .name = "frm_option",
    .caption = CaptionOf("frm_option"),
    .writeButtonName = "Command_Write",
    .widthDivisor = 1.48,
    .heightDivisor = 1.15,
    .buttons = {CaptionOf("Command_read"), CaptionOf("Command_Write"), CaptionOf("Command_open"),
                CaptionOf("Command_save"), CaptionOf("Command_close")},
    .engine = OptionPlan::Settings(),
    .closeRefusal = texts::kBusyClose,
    .openDialog = FileDialogKind::OpenMenu,
    .saveDialog = FileDialogKind::SaveMenu,
    .filesWaitForTransfers = true,
};

}  // namespace

frm_option::frm_option(AppContext& context, QWidget& mainWindow, QWidget* parent)
    : EditorWindow(context, mainWindow, kProfile, parent),
      Command_def(addButton("Command_def", CaptionOf("Command_def"))),
      plan_(context.state) {
    buildControls();
    layOutControls();
    plan_.onRead = [this](const OptionPlan::ReadImage& read) {
        showSettings(DecodeOptionImage(OptionPlan::ImageOf(read), state_.OptionOffsets));
    };
    installEngine(plan_);
    connect(Command_def, &QPushButton::clicked, this, &frm_option::Command_def_Click);

    // Form_Load
    SetOptionDefaults();
    ProgressBar1->hide();
}

void frm_option::buildControls() {
    for (int i = 0; i < kOptionListCount; ++i) {
        auto* list = new ListBox(this);
        list->setObjectName(qt(OptionListOf(OptionList(i)).control));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        lists_[static_cast<size_t>(i)] = list;
    }
    for (int i = 0; i < kOptionFlagCount; ++i) {
        const std::string_view name = OptionFlagControl(OptionFlag(i));
        auto* box = new QCheckBox(caption(CaptionOf(name)), this);
        box->setObjectName(qt(name));
        flags_[static_cast<size_t>(i)] = box;
    }
    for (int i = 0; i < kOptionLimitCount; ++i) {
        const auto box = OptionLimit(i);
        auto* text = new TextBox(this);
        text->setObjectName(qt(OptionLimitControl(box)));
        connect(text, &TextBox::lostFocus, this, [this, box] { Text_pvfo_LostFocus(box); });
        limits_[static_cast<size_t>(i)] = text;
    }
}

void frm_option::layOutControls() {
    const auto labelFor = [this](std::string_view control) {
        const std::string_view name = LabelOf(texts::kLabels, control);
        auto* label = new QLabel(caption(CaptionOf(name)), this);
        label->setObjectName(qt(name));
        label->setWordWrap(true);
        return label;
    };
    const auto unitLabel = [this](int line) {
        auto* label = new QLabel(qt(texts::kUnit), this);
        label->setObjectName(QString("Label_MHZ_%1").arg(line));
        return label;
    };

    std::vector<QGroupBox*> frames;
    for (const auto& frame : texts::kFrames) {
        auto* box = new QGroupBox(caption(frame.title), this);
        box->setObjectName(qt(frame.name));
        frames.push_back(box);
        if (frame.name == "Frame_Limits") {
            // Two lines: receive from d0 to d1 MHZ, transmit from t0 to t1 MHZ.
            auto* grid = new QGridLayout(box);
            const int boxWidth = fontMetrics().horizontalAdvance("000000") + 12;
            for (int line = 0; line < 2; ++line) {
                int col = 0;
                for (int i = 2 * line; i < 2 * line + 2; ++i) {
                    TextBox* text = limits_[static_cast<size_t>(i)];
                    text->setFixedWidth(boxWidth);
                    grid->addWidget(labelFor(OptionLimitControl(OptionLimit(i))), line, col++);
                    grid->addWidget(text, line, col++);
                }
                grid->addWidget(unitLabel(line), line, col++);
                grid->setColumnStretch(col, 1);
            }
            continue;
        }
        // Label and list side by side; a long label wraps on a narrow window.
        auto* rows = new QGridLayout(box);
        rows->setColumnStretch(0, 3);
        rows->setColumnStretch(1, 2);
        int row = 0;
        for (const std::string_view name : frame.controls) {
            QWidget* control = findChild<QWidget*>(qt(name));
            if (qobject_cast<QCheckBox*>(control)) {
                rows->addWidget(control, row++, 0, 1, 2);
            } else {
                rows->addWidget(labelFor(name), row, 0);
                rows->addWidget(control, row++, 1);
            }
        }
    }

    // Two columns of frames: general, scanning, power-on and the limits on the left, dual
    // watch, keys, lock and alarm on the right; in a scroll area, so that a small main window
    // squeezes nothing: the frames keep their size and the window scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("FrameScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* columns = new QGridLayout(content);
    const int rows[] = {0, 1, 2, 0, 1, 2, 3, 3};
    const int cols[] = {0, 0, 0, 1, 1, 1, 1, 0};
    for (size_t i = 0; i < frames.size(); ++i)
        columns->addWidget(frames[i], rows[i], cols[i], Qt::AlignTop);
    auto* status = new QHBoxLayout;
    status->addWidget(ProgressBar1, 2);
    status->addWidget(Label_tr_count, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button :
         {Command_read, Command_Write, Command_def, Command_save, Command_open, Command_close})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
}

// ---------------------------------------------------------------------------------------
// Settings

void frm_option::SetOptionDefaults() {
    const int language = state_.Language_Flag;
    for (int i = 0; i < kOptionListCount; ++i) {
        QStringList items;
        for (const std::string& item : OptionListItems(OptionList(i), language))
            items << qt(item);
        lists_[static_cast<size_t>(i)]->setItems(items);
    }
    showSettings(DefaultOptionSettings(state_.Band_Low, state_.Band_High));
}

OptionSettings frm_option::settings() const {
    OptionSettings settings;
    for (size_t i = 0; i < lists_.size(); ++i)
        settings.lists[i] = lists_[i]->currentIndex();
    for (size_t i = 0; i < flags_.size(); ++i)
        settings.flags[i] = flags_[i]->isChecked();
    for (size_t i = 0; i < limits_.size(); ++i)
        settings.limits[i] = utf8(limits_[i]->text());
    return settings;
}

void frm_option::showSettings(const OptionSettings& settings) {
    for (size_t i = 0; i < lists_.size(); ++i)
        lists_[i]->setPosition(settings.lists[i]);
    for (size_t i = 0; i < flags_.size(); ++i)
        flags_[i]->setChecked(settings.flags[i]);
    for (size_t i = 0; i < limits_.size(); ++i)
        limits_[i]->setText(qt(settings.limits[i]));
}

OptionImage frm_option::encodedImage() const {
    return EncodeOptionImage(settings(), state_.OptionOffsets);
}

void frm_option::Text_pvfo_LostFocus(OptionLimit box) {
    if (isReturningFocus()) return;
    std::array<std::string, kOptionLimitCount> limits = settings().limits;
    const LimitMessage message =
        CheckOptionLimit(box, limits, state_.Band_Low, state_.Band_High - 1);
    for (size_t i = 0; i < limits_.size(); ++i)
        if (limits_[i]->text() != qt(limits[i])) limits_[i]->setText(qt(limits[i]));
    if (message == LimitMessage::None) return;
    warn(texts::kPromptTitle, LimitMessageText(message));
    returnFocus(limits_[static_cast<size_t>(box)]);
}

// ---------------------------------------------------------------------------------------
// Buttons

void frm_option::Command_def_Click() {
    if (refuseWhileBusy(texts::kBusy)) return;
    resetProgress();
    state_.Chann_Count = 128;
    SetOptionDefaults();
}

void frm_option::prepareWrite() {
    plan_.writeImage = encodedImage();
}

// ---------------------------------------------------------------------------------------
// ".menu" files

void frm_option::saveFile() {
    const int language = state_.Language_Flag;
    const std::string text = FormatMenuFile(encodedImage());
    QString error;
    if (!WriteFileSafely(qt(state_.fileRequests.filePath()), QByteArray::fromStdString(text),
                         &error, language)) {
        warn(texts::kPromptTitle, texts::kSaveFailed, utf8(error));
        return;
    }
    warn(texts::kPromptTitle, texts::kSaved);
}

void frm_option::loadFile() {
    const int language = state_.Language_Flag;
    QByteArray bytes;
    QString error;
    if (!ReadWholeFile(qt(state_.fileRequests.filePath()), &bytes, &error, language)) {
        warn(texts::kPromptTitle, texts::kLoadFailed, utf8(error));
        return;
    }
    const MenuFileParse parsed =
        ParseMenuFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (const auto* fault = std::get_if<MenuFileError>(&parsed)) {
        context_.prompt.warning(texts::kPromptTitle.pick(language),
                                MenuFileErrorText(*fault, language),
                                state_.fileRequests.filePath());
        return;
    }
    showSettings(
        DecodeOptionImage(MenuFileImage(std::get<MenuFileValues>(parsed)), state_.OptionOffsets));
    warn(texts::kPromptTitle, texts::kLoaded);
    resetProgress();
}

}  // namespace orvex
