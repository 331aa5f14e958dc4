#include "core/dtmf/DtmfBlock.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "core/codec/ListItems.h"
#include "core/codec/NumberText.h"
#include "core/dtmf/TextCharacters.h"

namespace orvex {

namespace {

constexpr std::uint8_t kUnset = 0xFF;

// Code group n takes bytes 0 to 4 of row n - 1.
constexpr int kGroupRowSize = 16;

constexpr std::size_t kInhibitFlags = 0x8F;  // bit 0 receive, bit 1 transmit inhibit
constexpr std::size_t kControlFlag = 0x9F;   // bit 0 control only by master and vice ID
constexpr std::size_t kPttFlags = 0xAF;      // bit 0 send ANI on press, bit 1 on release
constexpr std::size_t kMasterRights = 0xB0;  // bit k: right k of the master ID
constexpr std::size_t kViceRights = 0xB1;
constexpr std::size_t kOnTime = 0xB2;
constexpr std::size_t kOffTime = 0xB3;
constexpr std::size_t kGroupCall = 0xB4;

struct CodeField {
    std::string_view control;
    int offset;
};

// In DtmfCode order.
constexpr std::array<CodeField, kDtmfCodeCount> kCodeFields = {{
    {"Text_Ani", 0xAA},
    {"Text_BJ", 0x8A},
    {"Text_XC", 0x80},
    {"Text_JT", 0x85},
    {"Text_YY", 0x90},
    {"Text_YB", 0x95},
    {"Text_KJ", 0x9A},
    {"Text_MID", 0xA0},
    {"Text_SID", 0xA5},
}};

// Each character of the DTMF alphabet at the position of its code; '\0' where a code has no
// character.
constexpr std::string_view kCharacterOfCode{"0123456789\0*#ABCD", 17};

const CodeField& FieldOf(DtmfCode code) {
    return kCodeFields[static_cast<std::size_t>(code)];
}

std::size_t GroupOffset(std::size_t group) {
    return group * kGroupRowSize;
}

void PutCode(DtmfImage& image, std::size_t offset, std::string_view text) {
    const std::vector<char32_t> characters = TextCharacters(Trim(text));
    for (std::size_t i = 0; i < kDtmfCodeLength; ++i)
        image[offset + i] = i < characters.size() ? DtmfCharacterCode(characters[i]) : kUnset;
}

std::string CodeAt(const DtmfReadImage& read, std::size_t offset) {
    std::string text;
    if (read[offset] == kUnset) return text;
    for (std::size_t i = 0; i < kDtmfCodeLength; ++i)
        if (const std::optional<char> c = DtmfCharacter(read[offset + i])) text += *c;
    return text;
}

// Boxes on add 1, 2, 4, 8, 16 in their order.
std::uint8_t Bits(std::span<const bool> boxes) {
    unsigned value = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]) value |= 1U << i;
    return static_cast<std::uint8_t>(value);
}

std::uint8_t TimeItemByte(int item) {
    return static_cast<std::uint8_t>(std::clamp(item, 0, kDtmfTimeItems - 1));
}

int TimeItemOf(std::uint8_t stored) {
    return std::min<int>(stored, kDtmfTimeItems - 1);
}

std::uint8_t GroupCallByte(std::string_view text) {
    const std::vector<char32_t> characters = TextCharacters(Trim(text));
    return characters.empty() ? kUnset : DtmfCharacterCode(characters.front());
}

std::string GroupCallText(std::uint8_t stored) {
    const std::optional<char> c = DtmfCharacter(stored);
    return c ? std::string(1, *c) : std::string();
}

}  // namespace

std::string_view DtmfCodeControl(DtmfCode code) {
    return FieldOf(code).control;
}

int DtmfCodeOffset(DtmfCode code) {
    return FieldOf(code).offset;
}

DtmfSettings DefaultDtmfSettings() {
    return {
        .groups = {"12345", "", "", "", "", "", "", "54321"},
        .codes = {"A803", "A470", "A681", "A792", "A358", "A926", "A147", "47316", "52649"},
        .pttPress = false,
        .pttRelease = true,
        .controlByIdOnly = true,
        .masterRights = {true, true, true, true, true},
        .viceRights = {true, true, false, false, false},
        .receiveInhibit = false,
        .transmitInhibit = false,
        .onTime = 3,  // 80 ms
        .offTime = 3,
        .groupCall = "*",
    };
}

DtmfImage EncodeDtmfImage(const DtmfSettings& settings) {
    DtmfImage image;
    image.fill(kUnset);
    for (std::size_t group = 0; group < kDtmfGroups; ++group)
        PutCode(image, GroupOffset(group), settings.groups[group]);
    for (std::size_t code = 0; code < kDtmfCodeCount; ++code)
        PutCode(image, static_cast<std::size_t>(kCodeFields[code].offset), settings.codes[code]);

    const std::array<bool, 2> inhibit = {settings.receiveInhibit, settings.transmitInhibit};
    const std::array<bool, 1> control = {settings.controlByIdOnly};
    const std::array<bool, 2> ptt = {settings.pttPress, settings.pttRelease};
    image[kInhibitFlags] = Bits(inhibit);
    image[kControlFlag] = Bits(control);
    image[kPttFlags] = Bits(ptt);
    image[kMasterRights] = Bits(settings.masterRights);
    image[kViceRights] = Bits(settings.viceRights);

    image[kOnTime] = TimeItemByte(settings.onTime);
    image[kOffTime] = TimeItemByte(settings.offTime);
    image[kGroupCall] = GroupCallByte(settings.groupCall);
    return image;
}

void DecodeDtmfRead(const DtmfReadImage& read, DtmfSettings& settings) {
    for (std::size_t group = 0; group < kDtmfGroups; ++group)
        settings.groups[group] = CodeAt(read, GroupOffset(group));
    for (const DtmfCode code : {DtmfCode::Alarm, DtmfCode::Ani})
        settings.codes[static_cast<std::size_t>(code)] =
            CodeAt(read, static_cast<std::size_t>(DtmfCodeOffset(code)));

    settings.pttPress = (read[kPttFlags] & 0x01) != 0;
    settings.pttRelease = (read[kPttFlags] & 0x02) != 0;
    settings.onTime = TimeItemOf(read[kOnTime]);
    settings.offTime = TimeItemOf(read[kOffTime]);
    settings.groupCall = GroupCallText(read[kGroupCall]);
}

std::uint8_t DtmfCharacterCode(char32_t c) {
    // '\0' is the table's placeholder for code 0x0A, not a character of the alphabet.
    if (c == 0 || c > 0x7F) return kUnset;
    const std::size_t at = kCharacterOfCode.find(static_cast<char>(c));
    return at == std::string_view::npos ? kUnset : static_cast<std::uint8_t>(at);
}

std::optional<char> DtmfCharacter(std::uint8_t code) {
    if (code >= kCharacterOfCode.size() || kCharacterOfCode[code] == '\0') return std::nullopt;
    return kCharacterOfCode[code];
}

std::vector<std::string> DtmfTimeItemTexts() {
    return NumberItems(50, 10, kDtmfTimeItems);
}

std::vector<std::string> DtmfGroupCallItems() {
    return {"*", "#", "A", "B", "C", "D"};
}

}  // namespace orvex
