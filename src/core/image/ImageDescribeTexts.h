#pragma once

#include "core/shell/Bilingual.h"

// The words the image show and diff add to the editors' own captions.
namespace orvex::image_describe_texts {

inline constexpr Bilingual kBand{"频段", "Band"};
inline constexpr Bilingual kBandLower{"频段下限", "Band lower"};
inline constexpr Bilingual kBandUpper{"频段上限", "Band upper"};
inline constexpr Bilingual kFamily{"机型", "Family"};
inline constexpr Bilingual kProgram{"程序", "Program"};
inline constexpr Bilingual kTime{"读取时间", "Read at"};
inline constexpr Bilingual kHeader{"文件头", "header"};
inline constexpr Bilingual kEmpty{"（空）", "(empty)"};
inline constexpr Bilingual kRawByte{"字节", "byte"};
inline constexpr Bilingual kOnlyInFirst{"只在第一个文件中", "only in the first image"};
inline constexpr Bilingual kOnlyInSecond{"只在第二个文件中", "only in the second image"};
inline constexpr Bilingual kSame{"两个文件相同。", "The images are the same."};

}  // namespace orvex::image_describe_texts
