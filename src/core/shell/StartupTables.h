#pragma once

#include "core/shell/SharedState.h"

namespace orvex {

// Copies the Chinese or the English set of language texts, as Language_Flag selects.
void LoadLanguageTexts(SharedState& state);

// Fills Tone_Table and the opening command Link_Cmd.
void InitToneTable(SharedState& state);

// Fills Band_Name and Band_Limit and takes Band_Low and Band_High from row Band_Index.
void InitBandTable(SharedState& state);

// The byte positions of the optional features within their 64-byte block.
void InitOptionOffsets(SharedState& state);

inline constexpr double kTwoToneScale = 0.000434028;

}  // namespace orvex
