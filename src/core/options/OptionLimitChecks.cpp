#include "core/options/OptionLimitChecks.h"

#include <cstddef>

#include "core/codec/NumberText.h"

namespace orvex {

namespace {

using LimitTexts = std::array<std::string, kOptionLimitCount>;

std::string& Box(LimitTexts& limits, OptionLimit limit) {
    return limits[static_cast<std::size_t>(limit)];
}

double Value(const LimitTexts& limits, OptionLimit limit) {
    return LeadingNumber(limits[static_cast<std::size_t>(limit)]);
}

// A receive limit out of place puts both receive boxes back to the whole band.
void ResetReceiveLimits(LimitTexts& limits, double L, double H) {
    Box(limits, OptionLimit::RxLower) = PlainDecimal(L);
    Box(limits, OptionLimit::RxUpper) = PlainDecimal(H);
}

// Transmit limits that no longer fit inside the receive limits follow them, as typed.
void PullTransmitUpToReceiveLower(LimitTexts& limits) {
    if (Value(limits, OptionLimit::RxLower) > Value(limits, OptionLimit::TxLower))
        Box(limits, OptionLimit::TxLower) = Box(limits, OptionLimit::RxLower);
    if (Value(limits, OptionLimit::TxUpper) < Value(limits, OptionLimit::TxLower))
        Box(limits, OptionLimit::TxUpper) = Box(limits, OptionLimit::TxLower);
}

void PullTransmitDownToReceiveUpper(LimitTexts& limits) {
    if (Value(limits, OptionLimit::TxUpper) > Value(limits, OptionLimit::RxUpper))
        Box(limits, OptionLimit::TxUpper) = Box(limits, OptionLimit::RxUpper);
    if (Value(limits, OptionLimit::TxUpper) < Value(limits, OptionLimit::TxLower))
        Box(limits, OptionLimit::TxUpper) = Box(limits, OptionLimit::TxLower);
}

LimitMessage CheckRxLowerLimit(LimitTexts& limits, double L, double H) {
    LimitMessage message = LimitMessage::None;
    if (Value(limits, OptionLimit::RxLower) < L)
        message = LimitMessage::R1;
    else if (Value(limits, OptionLimit::RxUpper) < Value(limits, OptionLimit::RxLower))
        message = LimitMessage::R2;
    if (message != LimitMessage::None)
        ResetReceiveLimits(limits, L, H);
    else
        PullTransmitUpToReceiveLower(limits);
    return message;
}

LimitMessage CheckRxUpperLimit(LimitTexts& limits, double L, double H) {
    LimitMessage message = LimitMessage::None;
    if (Value(limits, OptionLimit::RxUpper) > H)
        message = LimitMessage::R3;
    else if (Value(limits, OptionLimit::RxLower) > Value(limits, OptionLimit::RxUpper))
        message = LimitMessage::R4;
    if (message != LimitMessage::None)
        ResetReceiveLimits(limits, L, H);
    else
        PullTransmitDownToReceiveUpper(limits);
    return message;
}

LimitMessage CheckTxLowerLimit(const LimitTexts& limits) {
    if (Value(limits, OptionLimit::TxUpper) < Value(limits, OptionLimit::TxLower))
        return LimitMessage::T1;
    if (Value(limits, OptionLimit::RxLower) > Value(limits, OptionLimit::TxLower))
        return LimitMessage::T2;
    return LimitMessage::None;
}

LimitMessage CheckTxUpperLimit(const LimitTexts& limits) {
    if (Value(limits, OptionLimit::TxLower) > Value(limits, OptionLimit::TxUpper))
        return LimitMessage::T3;
    if (Value(limits, OptionLimit::RxUpper) < Value(limits, OptionLimit::TxUpper))
        return LimitMessage::T4;
    return LimitMessage::None;
}

}  // namespace

LimitMessage CheckOptionLimit(OptionLimit box, LimitTexts& limits, double L, double H) {
    switch (box) {
        case OptionLimit::RxLower:
            return CheckRxLowerLimit(limits, L, H);
        case OptionLimit::RxUpper:
            return CheckRxUpperLimit(limits, L, H);
        case OptionLimit::TxLower:
            return CheckTxLowerLimit(limits);
        case OptionLimit::TxUpper:
            return CheckTxUpperLimit(limits);
    }
    return LimitMessage::None;
}

Bilingual LimitMessageText(LimitMessage message) {
    switch (message) {
        case LimitMessage::None:
            break;
        case LimitMessage::R1:
            return {"下限接收频率不可小于本机最低工作频率",
                    "Receive frequency of lower limit can't less than the lowest of work "
                    "frequency. "};
        case LimitMessage::R2:
            return {"下限接收频率不可大于上限接收频率",
                    "Receive frequency of lower limit can't more than receive frequency of upper "
                    "limit."};
        case LimitMessage::R3:
            return {"上限接收频率不可大于本机最高工作频率",
                    "Receive frequency of upper limit can't more than the highest of work "
                    "frequency. "};
        case LimitMessage::R4:
            return {"上限接收频率不可小于下限接收频率",
                    "Receive frequency of upper limit can't less than receive frequency of lower "
                    "limit."};
        case LimitMessage::T1:
            return {"下限发射频率不可大于上限发射频率",
                    "Transmit frequency of lower limit can't more than transmit frequency of "
                    "upper limit."};
        case LimitMessage::T2:
            return {"下限发射频率不可小于下限接收频率",
                    "Transmit frequency of lower limit can't less than receive frequency of lower "
                    "limit's."};
        case LimitMessage::T3:
            return {"上限发射频率不可小于下限发射频率",
                    "Transmit frequency of upper limit can't less than transmit frequency of "
                    "lower limit. "};
        case LimitMessage::T4:
            return {"上限发射频率不可大于上限接收频率",
                    "Transmit frequency of upper limit can't more than receive frequency of upper "
                    "limit."};
    }
    return {"", ""};
}

}  // namespace orvex
