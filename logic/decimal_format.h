#pragma once

#include <string>

std::string SignificantText(double value, int significant);
std::string ShortestText(float value, int decimalShift);
std::string IntegerText(int value);
