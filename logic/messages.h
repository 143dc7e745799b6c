#pragma once

// The reading logic's own user-visible texts, UTF-8.
inline constexpr char kSixthBandMessage[] = "你已经选了5个色环了！";
inline constexpr char kTooFewBandsMessage[] = "目前认识水平色环不能少于3！";
inline constexpr char kNotADigitMessage[] = "金色和银色不能作为数字色环！";
inline constexpr char kMessageTitle[] = "提示";
