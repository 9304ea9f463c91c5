#include "stash/stash_writer.h"

#include "stash/stash_scramble.h"

namespace kistvar::stash {

namespace {

void put_u32(std::string& out, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string write_stash(const StashRecords& records) {
    std::string body;
    put_u32(body, records.records().size());
    for (const Record& record : records.records()) {
        put_u32(body, record.bytes().size());
        body += record.bytes();
    }
    return stash_container(body, records.version(), records.scrambled());
}

std::string stash_container(std::string_view plain_body, std::uint32_t version, bool scrambled) {
    std::string file;
    file.reserve(plain_body.size() + 13);
    put_u32(file, version);
    file += static_cast<char>(scrambled ? 1 : 0);
    put_u32(file, body_checksum(plain_body));
    file += scrambled ? scramble(plain_body) : std::string(plain_body);
    put_u32(file, file.size() + 4);
    return file;
}

}  // namespace kistvar::stash
