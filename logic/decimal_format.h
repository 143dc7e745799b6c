#pragma once

#include <cstdint>
#include <string>

std::string SignificantText(double value, int significant);
std::string ShortestText(float value, int decimalShift);
std::string IntegerText(int value);
std::string IntegerText64(std::uint64_t value);
