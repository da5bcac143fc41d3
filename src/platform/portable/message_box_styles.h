#pragma once
// The platform's message-box styles and answers, as numbers that portable
// code can use; platform/system/vocabulary_check.cpp holds them against
// the platform's own headers.

namespace rublet {

namespace box {
inline constexpr unsigned Ok = 0x00;
inline constexpr unsigned OkCancel = 0x01;
inline constexpr unsigned IconError = 0x10;
inline constexpr unsigned IconQuestion = 0x20;
inline constexpr unsigned IconExclamation = 0x30;
inline constexpr unsigned IconInformation = 0x40;
inline constexpr int IdOk = 1;
}  // namespace box

}  // namespace rublet
