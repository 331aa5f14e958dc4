#include "core/wholeradio/AreaPlan.h"

#include <algorithm>
#include <functional>

#include "core/channels/ChannelPlan.h"
#include "core/dtmf/DtmfPlan.h"
#include "core/fivetone/FiveTonePlan.h"
#include "core/fm/FmPlan.h"
#include "core/options/OptionPlan.h"
#include "core/twotone/TwoTonePlan.h"

namespace orvex {

namespace {

constexpr std::size_t kRecordBytes = 16;

// The channel plan reaches the grid through ChannelGridAccess; here the "grid" is the
// area's bytes, record n - 1 for row n.
class ChannelAreaPlan final : public AreaPlan, private ChannelGridAccess {
  public:
    explicit ChannelAreaPlan(SharedState& state)
        : AreaPlan(RadioArea::channels),
          state_(state),
          write_(AreaRange(RadioArea::channels).size(), 0xFF),
          plan_(state, *this) {}

    [[nodiscard]] RadioArea area() const override { return RadioArea::channels; }
    [[nodiscard]] BlockPlan& plan() override { return plan_; }
    [[nodiscard]] EngineSettings settings() const override { return ChannelPlan::Settings(); }

    bool setWriteBytes(std::span<const std::uint8_t> bytes) override {
        if (bytes.size() != write_.size()) return false;
        write_.assign(bytes.begin(), bytes.end());
        return true;
    }

    void beforeRead() override {
        AreaPlan::beforeRead();
        state_.channels.clearReplies();
    }

  private:
    void encodeRow(int n) override {
        auto& row = state_.channels.writeImage[static_cast<std::size_t>(n)];
        const auto record = write_.begin() + static_cast<std::ptrdiff_t>((n - 1) * kRecordBytes);
        std::copy(record, record + kRecordBytes, row.begin());
    }
    void decodeRow(int n, const std::array<std::uint8_t, 16>& record) override {
        if (n < 1 || static_cast<std::size_t>(n) * kRecordBytes > read_.size()) return;
        std::copy(record.begin(), record.end(),
                  read_.begin() + static_cast<std::ptrdiff_t>((n - 1) * kRecordBytes));
    }

    SharedState& state_;
    std::vector<std::uint8_t> write_;
    ChannelPlan plan_;
};

// An editor plan that keeps its area as byte images: the write image is built from the
// area's bytes, and the area is taken from the start of what a read brings.
template <typename Plan>
class ImageAreaPlan final : public AreaPlan {
  public:
    using WriteFrom = std::function<typename Plan::WriteImage(std::span<const std::uint8_t>)>;

    ImageAreaPlan(RadioArea area, SharedState& state, WriteFrom writeFrom)
        : AreaPlan(area), area_(area), plan_(state), writeFrom_(std::move(writeFrom)) {
        plan_.onRead = [this](const typename Plan::ReadImage& image) {
            std::copy_n(image.begin(), std::min(image.size(), read_.size()), read_.begin());
        };
    }

    [[nodiscard]] RadioArea area() const override { return area_; }
    [[nodiscard]] BlockPlan& plan() override { return plan_; }
    [[nodiscard]] EngineSettings settings() const override { return Plan::Settings(); }

    bool setWriteBytes(std::span<const std::uint8_t> bytes) override {
        if (bytes.size() != AreaRange(area_).size()) return false;
        plan_.writeImage = writeFrom_(bytes);
        return true;
    }

    [[nodiscard]] Plan& editorPlan() { return plan_; }
    std::vector<std::uint8_t>& readArea() { return read_; }

  private:
    RadioArea area_;
    Plan plan_;
    WriteFrom writeFrom_;
};

// The write image is the area itself.
template <typename Plan>
typename Plan::WriteImage SameBytes(std::span<const std::uint8_t> bytes) {
    typename Plan::WriteImage image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return image;
}

FiveToneImage FiveToneWriteFrom(std::span<const std::uint8_t> bytes) {
    FiveToneReadImage area{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), area.size()), area.begin());
    return FiveToneWriteImage(area);
}

}  // namespace

std::unique_ptr<AreaPlan> MakeAreaPlan(RadioArea area, SharedState& state) {
    switch (area) {
        case RadioArea::channels:
            return std::make_unique<ChannelAreaPlan>(state);
        case RadioArea::options:
            return std::make_unique<ImageAreaPlan<OptionPlan>>(area, state, SameBytes<OptionPlan>);
        case RadioArea::dtmf:
            return std::make_unique<ImageAreaPlan<DtmfPlan>>(area, state, SameBytes<DtmfPlan>);
        case RadioArea::twotone:
            return std::make_unique<ImageAreaPlan<TwoTonePlan>>(area, state,
                                                                SameBytes<TwoTonePlan>);
        case RadioArea::fivetone:
            return std::make_unique<ImageAreaPlan<FiveTonePlan>>(area, state, FiveToneWriteFrom);
        case RadioArea::fm: {
            auto plan = std::make_unique<ImageAreaPlan<FmPlan>>(area, state, SameBytes<FmPlan>);
            // Replies are placed by the addresses they echo, as the FM editor places them.
            plan->editorPlan().onReplies = [raw = plan.get()](const std::vector<ReadReply>& r) {
                FmPlan::PlaceReplies(r, raw->readArea());
            };
            return plan;
        }
    }
    return nullptr;
}

}  // namespace orvex
