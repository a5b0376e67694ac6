#pragma once

#include <cstddef>
#include <string>

// Why the store's last call failed, kept for each thread for StoreFile::LastFailure.
namespace registry {

// Why a store cannot be read where no system error says it: it is a pipe or a device (an
// endless one, say), or larger than any real store.
constexpr int NotAFile = -1, TooLarge = -2;
constexpr size_t LargestStore = 64 << 20;

// The words for a system error, or for NotAFile and TooLarge.
std::string Reason(int error);

// Keeps why a call fails, for LastFailure; always false.
bool Fail(const std::string& why);
bool Fail(int error);

} // namespace registry
