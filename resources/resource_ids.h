#pragma once

// The application icon has the lowest ID, so Explorer shows it for the exe.
#define IDI_PORTRAIT 1
#define IDI_ARROWS 101
#define IDC_POINTING_HAND 102
