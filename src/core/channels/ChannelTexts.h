#pragma once

#include <array>

#include "core/shell/Bilingual.h"

namespace orvex::channel_texts {

inline constexpr Bilingual kCaption{"信道参数编辑", "Channel Information"};
inline constexpr Bilingual kRead{"读 取", "Read"};
inline constexpr Bilingual kWrite{"写 入", "Write"};
inline constexpr Bilingual kClear{"清 除", "Clear"};
inline constexpr Bilingual kSave{"保 存", "Save"};
inline constexpr Bilingual kOpen{"打 开", "Open"};
inline constexpr Bilingual kClose{"关 闭", "Close"};

inline constexpr Bilingual kHeader{
    "^信道号|^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT 解码|^QT/DQT "
    "编码|^发射功率|^带宽|^PTT-ID|^繁忙锁定|^"
    "扫描添加|^ 扰  频 |^信令码组",
    "^Channel|^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^TX Power|^W/N|^PTT-ID|^"
    "BusyLock|^Scan_Add|^Scrambler|^SigCode "};

inline constexpr Bilingual kTitle{"操作提示", "Operate prompt"};

inline constexpr Bilingual kRxOutOfRange{"接收频率超出范围 ！",
                                         "Over the range of receive frequency ."};
inline constexpr Bilingual kTxOutOfRange{"发射频率超出范围 ！",
                                         "Over the range of transmit frequency ."};
inline constexpr Bilingual kRxFirst{"请先输入接收频率 ！",
                                    "Please input the receive frequency in advance."};

// Transfer progress: the number goes between the two parts.
inline constexpr Bilingual kReadingBefore{"正在读取 ", "Reading "};
inline constexpr Bilingual kReadingAfter{" 数据块", " Data Block"};
inline constexpr Bilingual kWritingBefore{"正在写入  ", "Writeing  "};
inline constexpr Bilingual kWritingAfter{"  信道", "  Channel"};

inline constexpr Bilingual kReadDone{"从对讲机中读取数据完毕 ！",
                                     "Complete reading data from the transceiver."};
inline constexpr Bilingual kReadDoneLabel{"信道数据读出正常 ！", "Read Channel Data is Ok ！"};
inline constexpr Bilingual kWriteDone{"向对讲机写入数据完毕 ！",
                                      "Complete writing the data to transceiver."};
inline constexpr Bilingual kWriteDoneLabel{"信道数据写入完毕 ！", "Channel Data Writed ！"};

// Channel files.
inline constexpr Bilingual kSaving{"正在保存信道参数。。。",
                                   "Storing channel parameter parameter..."};
inline constexpr Bilingual kSavedLabel{"保存信道参数正常 ！", "Store channel parameter in gear."};
inline constexpr Bilingual kSaved{"信道参数保存完毕 ！", "Complete storing channel parameter."};
inline constexpr Bilingual kLoaded{"信道参数从文件调入成功 ！",
                                   "Succeed fold the channel parameter from file."};
inline constexpr Bilingual kSaveFailed{
    "信道参数文件无法保存，原有文件未被改动 ！",
    "The channel file could not be stored; the old file is unchanged."};
inline constexpr Bilingual kLoadFailed{
    "信道参数文件无法调入，当前参数未被改动 ！",
    "The channel file could not be loaded; nothing was changed."};

}  // namespace orvex::channel_texts
