#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/fm/FmArea.h"

namespace orvex {

// A preset file has the layout of a channel file, a count line and then lines of numbers,
// so that the two kinds sit side by side as ".chann" files. Its first line holds 12288, the
// radio address of the first preset (0x3000) in decimal, where a channel file holds its
// channel count of 1 to 260; the channel editor and the presets editor tell the kinds apart
// by it. Then follow 17 lines of 16 values: presets 1 to 16 as the radio stores them, and
// the band record, in which a band box that was empty is kept as 255 255 255 and bytes 12-15
// hold what the last read brought.
inline constexpr long long kFmPresetFileMarker = 0x3000;
inline constexpr int kFmFileRecords = kFmWriteBlocks;

enum class FmPresetFileFault {
    NoCount,           // nothing in the file but blanks and separators
    NotANumber,        // a value that is not a decimal number
    HasDecimals,       // a number with a decimal point
    ChannelFile,       // the first line is a channel count: the file holds channels
    UnknownKind,       // the first line is neither the preset marker nor a channel count
    TooFewValues,      // the file ends before the band record is complete
    TooManyValues,     // something follows the band record
    ValueOutOfRange,   // a value below 0 or above 255
    NotADigit,         // a frequency or band-limit byte above 9
    FrequencyOutside,  // a preset frequency outside 87.5 to 108 MHz
    NotACharacter,     // a name byte that is neither printable ASCII nor FF
};

struct FmPresetFileError {
    FmPresetFileFault fault = FmPresetFileFault::NoCount;
    // Where the fault stands: record 1 to 16 a preset, 17 the band record, 0 the first line;
    // value 1 to 16 within the record.
    int record = 0;
    int value = 0;
    std::string text;      // the faulty text, shortened and printable
    long long number = 0;  // ChannelFile: the channel count; TooFewValues: the values missing
};

using FmPresetFileParse = std::variant<FmSettings, FmPresetFileError>;

// The file text, lines ending with CR LF.
std::string FormatFmPresetFile(const FmSettings& settings);

// Checks the whole file before anything is used: either the file holds 16 presets and a band
// record that are all valid, or the first fault is reported. Loading a saved file gives back
// exactly the presets, names and band boxes that were saved.
FmPresetFileParse ParseFmPresetFile(std::string_view text);

// The fault in words; `languageFlag` 0 gives English, anything else Chinese.
std::string FmPresetFileErrorText(const FmPresetFileError& error, int languageFlag);

}  // namespace orvex
