#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The reading worked out independently of the program: plain lists instead of slots, exact
// integers instead of floats.

std::string ExactCaption(std::int64_t digits, int exponent);
std::string ExpectedTolerance(int code);

// What a person expects of the window after each action.
struct Model {
    std::vector<int> entered;  // in click order, as the band pictures show them
    bool flipped = false;
    std::string resistance, tolerance;
    std::string refusal;  // the message of the last action, if it was refused

    void Append(int code);
    void Reset();
    void Evaluate();
};
