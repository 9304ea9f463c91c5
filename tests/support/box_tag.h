// Tells boxes apart in tests: each box a test makes is a stash holding one
// item named after the box's content, so a box that went astray shows.
#pragma once

#include <string>
#include <string_view>

#include "support/stash_writer.h"

namespace kistvar::test {

// The name of the one item of a stash made by stash_holding, or else the
// file's bytes as they are.
std::string box_on_disk(std::string_view path);
std::string box_tag(const std::string& bytes);  // the same for bytes in hand

}  // namespace kistvar::test
