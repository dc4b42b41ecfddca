// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Writes a file whole or not at all: the bytes go to a new file beside it, which then
// takes its name. On failure, false and the reason ("Permission denied"); nothing of
// the new bytes is left behind and an older file of that name is as it was.
bool writeWhole(const std::string& path, const std::string& bytes, std::string& reason);
