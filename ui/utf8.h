#pragma once

#include <string>
#include <string_view>

std::wstring Widen(std::string_view utf8);
