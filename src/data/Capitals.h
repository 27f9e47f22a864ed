#pragma once

#include <QString>

// Money amounts in Chinese capital numerals, digit by digit as on money documents:
// 1234.56 -> "壹仟贰佰叁拾肆元伍角陆分整". A negative amount is written "负" followed by
// the capitals of its absolute value; amounts of a billion yuan and more continue the
// places upwards (拾亿, 佰亿, 仟亿, 万...). Throws std::invalid_argument for NaN,
// infinity and amounts beyond what a double holds to the fen.
QString AmountInCapitals(double amount);

// The yuan part of AmountInCapitals: the text before the first "元", or "零" when the
// amount is below one yuan. 1234.56 -> "壹仟贰佰叁拾肆".
QString AmountInCapitalsYuan(double amount);
