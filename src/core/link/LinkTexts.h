#pragma once

#include "core/shell/Bilingual.h"

namespace orvex::link_texts {

// Status bar panel 2.
inline constexpr Bilingual kConnecting{"正在与对讲机进行连接...",
                                       "Connecting with transceiver... "};
inline constexpr Bilingual kConnected{"与对讲机数据通讯正常", "Connect well with radio."};
inline constexpr Bilingual kFault{"联机故障 ！", "Communication fault."};

// The signalling editors' own report of a transfer whose retries are used up.
inline constexpr Bilingual kFailConnect{"与对讲机联络失败 ！", "Fail connect with transceiver."};
inline constexpr Bilingual kFaultLabel{"与对讲机通讯故障 ！", "Communication fault."};

// The editors' titles: of the messages that end a transfer, and of the refusals while one
// runs.
inline constexpr Bilingual kPromptTitle{"操作提示", "Operate Prompt"};
inline constexpr Bilingual kBusyTitle{"操作提示", "Operate prompt"};

// An editor's progress label: the block number goes between the two parts. The channel
// editor has its own.
inline constexpr Bilingual kReadingBefore{"正在读取 ", "Reading "};
inline constexpr Bilingual kReadingAfter{" 数据块", " Data Block"};
inline constexpr Bilingual kWritingBefore{"正在写入  ", "Writing  "};
inline constexpr Bilingual kWritingAfter{"  数据块", "  Data Block"};
// A completed read, in every editor but the channel editor.
inline constexpr Bilingual kReadDone{"从对讲机中读取数据完毕 ！",
                                     "Complete reading the data from transceiver."};
// The signalling editors' (DTMF, two-tone, five-tone) completion texts.
inline constexpr Bilingual kSignalReadDoneLabel{"信令参数读出正常 ！",
                                                "Read Signal parameters in gear. "};
inline constexpr Bilingual kSignalWriteDone{
    "向对讲机写入信令参数完毕 ！", "Complete writing Signal parameters to the transceiver."};
inline constexpr Bilingual kSignalWriteDoneLabel{"信令参数写入完毕 ！",
                                                 "Complete writing Signal parameters "};

// An editor's transfer label while it connects.
inline constexpr Bilingual kConnectingLabel{"正在与对讲机联络 ！", "Connecting with transceiver. "};

// The port could not be opened: the main window and most editors say it one way, the
// channel and FM editors another.
inline constexpr Bilingual kPortOpenTitle{"操作提示", "Operate Prompt"};
inline constexpr Bilingual kPortOpenText{"通讯端口打开错误，请正确设置通讯端口 ！",
                                         "Communication Port Open Error ！"};
inline constexpr Bilingual kChannelPortOpenTitle{"操作提示", "Operate prompt"};
inline constexpr Bilingual kChannelPortOpenText{
    "通讯端口打开错误，请正确设置通讯端口 ！",
    "Communication port is error, please setting right communication port . ！"};

// Why a port could not be opened, shown apart from the fixed message. %1 is the COM number,
// %2 the device.
inline constexpr Bilingual kNoSuchPortDetail{"COM%1 没有对应的串口设备。",
                                             "No serial device stands for COM%1."};
inline constexpr Bilingual kPermissionDetail{
    "没有打开 %2 的权限（COM%1）。在 Linux 下请把用户加入 dialout 组，然后重新登录。",
    "No permission to open %2 (COM%1). On Linux, add the user to the dialout group and log in "
    "again."};
inline constexpr Bilingual kBusyDetail{"%2（COM%1）正被其他程序或本程序的其他窗口占用。",
                                       "%2 (COM%1) is in use by another program or by another "
                                       "window of this program."};
inline constexpr Bilingual kOtherOpenDetail{"无法打开 %2（COM%1）。",
                                            "%2 (COM%1) cannot be opened."};

// The port failed while a transfer ran (for example the cable was pulled).
inline constexpr Bilingual kPortFailedText{
    "通讯端口出错，与对讲机的连接已中断 ！",
    "The communication port failed; the connection with the transceiver was interrupted."};

// Refusals while a transfer runs.
inline constexpr Bilingual kBusy{"正在与对讲机进行读写操作 ！",
                                 "Read-write operating with transceiver ."};
inline constexpr Bilingual kBusyClose{"正在进行读写操作,请勿关窗口 ！,",
                                      "Read-write operating，don't close the window. ,"};
inline constexpr Bilingual kBusyCloseOtherwise{"正在进行读写操作,请勿关窗口 ！,",
                                               "Read-write operating，don't close the window.,"};
inline constexpr Bilingual kBusyClear{"正在进行读写操作,请勿进行清除操作 ！,",
                                      "Read-write operating，don't clear operate .,"};

}  // namespace orvex::link_texts
