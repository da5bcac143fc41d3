#pragma once
// Shared by the resource scripts and the code.
#define IDI_RUBLET 1
#define IDR_DEFAULT_PICTURE 101
#define IDR_DEFAULT_FULL_PICTURE 102
#define IDR_DEFAULT_OPEN_PICTURE 103
#define IDR_DEFAULT_FULL_OPEN_PICTURE 104
