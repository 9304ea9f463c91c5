// Writes a shared-stash file: the reader's inverse. A box is written only
// from the records read from it (or moved in from another box), so every
// record goes back byte for byte; the count, lengths, checksum, scramble and
// length footer are computed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "stash/stash_records.h"

namespace kistvar::stash {

std::string write_stash(const StashRecords& records);

// The file around a plain body: version, scramble flag, the body's checksum,
// the body (scrambled or not) and the file's length.
std::string stash_container(std::string_view plain_body, std::uint32_t version, bool scrambled);

}  // namespace kistvar::stash
