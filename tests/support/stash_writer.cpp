#include "support/stash_writer.h"

#include "platform/utf16le_text.h"
#include "stash/stash_writer.h"

namespace kistvar::test {

namespace {

void put(std::string& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void put_string(std::string& out, std::string_view utf8) {
    std::string units = utf16le::from_utf8(utf8);
    put(out, units.size() / 2, 2);
    out += units;
}

int first_cell(std::uint16_t container) {
    return container == 25 ? 4322 : container == 26 ? 5322 : 3322;
}

}  // namespace

StashItem stash_item(std::string_view name, std::uint16_t container, int place, std::uint32_t level,
                     std::uint32_t stack) {
    StashItem item;
    item.name = name;
    item.container = container;
    item.place = place;
    item.level = level;
    item.stack = stack;
    return item;
}

std::string stash_record(const StashItem& item, std::uint32_t version) {
    const bool current = version == stash_version_current;
    std::string r;
    if (current) put(r, 0, 1);  // lead byte
    put(r, 0x1234567890ABCDEFull, 8);
    put_string(r, item.name);
    put_string(r, item.prefix);
    put_string(r, item.suffix);
    r.append(24, '\x11');
    if (current) {
        put(r, item.mods, 4);
        for (std::uint32_t m = 0; m < item.mods; ++m) put(r, 0xA000 + m, 8);
    }
    r.append(29, '\x22');
    put(r, 0, 4);  // enchant count
    put(r, first_cell(item.container) + item.place - 1, 2);
    put(r, item.container, 2);
    r.append(95, '\x33');
    put(r, item.level, 4);
    put(r, item.stack, 4);
    r.append(40, '\x44');  // sockets, damage, stats: not read
    return r;
}

std::string stash_body(const std::vector<std::string>& records) {
    std::string body;
    put(body, records.size(), 4);
    for (const std::string& record : records) {
        put(body, record.size(), 4);
        body += record;
    }
    return body;
}

std::string stash_container(std::string_view plain_body, std::uint32_t version, bool scrambled) {
    return stash::stash_container(plain_body, version, scrambled);
}

std::string stash_file(const std::vector<StashItem>& items, std::uint32_t version) {
    std::vector<std::string> records;
    for (const StashItem& item : items) records.push_back(stash_record(item, version));
    return stash_container(stash_body(records), version);
}

std::string stash_holding(std::string_view item_name) {
    return stash_file({stash_item(item_name)});
}

}  // namespace kistvar::test
