#pragma once

#include <string>

std::string SignificantText(double value, int significant);
// A float of 10^9 or more, in units of 10^9.
std::string GigaText(float ohms);
std::string IntegerText(int value);
