#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The reading worked out independently of the program: plain lists instead of slots, exact
// integers instead of floats.

float NearestFloat(std::int64_t digits, int exponent);
std::string ExactCaption(std::int64_t digits, int exponent);
std::string ExpectedTolerance(int code);

// What a person expects of the window after each action.
struct Model {
    std::vector<int> entered;  // in click order, as the band pictures show them
    bool flipped = false;
    std::string resistance, tolerance;
    float value = 0;
    std::string refusal;  // the message of the last action, if it was refused

    void Append(int code);
    void Reset();
    void Evaluate();
};
