#include "e2e/e2e_fixture.h"

#include <windows.h>

#include <cstdint>
#include <filesystem>

#include "platform/dialogs.h"
#include "platform/settings_file.h"
#include "platform/win32/main_window.h"
#include "support/win32/dialog_answers.h"
#include "app/bindings.h"

namespace kistvar::test {

void PrintTo(const Item& item, std::ostream* out) {
    *out << "{\"" << item.title << "\", picture " << item.picture << "}";
}

void remove_from_disk(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(std::u8string(
                                reinterpret_cast<const char8_t*>(path.data()), path.size())),
                            ignored);
}

void EndToEnd::SetUp() {
    program_folder = kistvar::program_folder();
    settings_path = program_folder + "\\MYBOX.ini";
    readme_path = program_folder + "\\说明.txt";
    remove_from_disk(settings_path);
    remove_from_disk(readme_path);
    save_folder = temp / "save";
    box_folder = temp / "box";
    my_boxes_folder = box_folder + "\\MYBOX";
    make_folder_on_disk(save_folder);
    make_folder_on_disk(my_boxes_folder);
    driver.reset();
    shown_messages();  // nothing left over from an earlier case
}

void EndToEnd::TearDown() {
    if (driver) {
        EXPECT_EQ(driver->unused_answers(), 0) << "an answered dialog never came";
    }
    driver.reset();
    window.reset();
    app.reset();
    remove_from_disk(settings_path);
    remove_from_disk(readme_path);
    remove_from_disk(program_folder + "\\readme.txt");
}

void EndToEnd::write_settings(std::string_view in_use_marker) {
    ASSERT_TRUE(write_setting(settings_path, "路径", "存档", save_folder));
    ASSERT_TRUE(write_setting(settings_path, "路径", "箱子", box_folder));
    ASSERT_TRUE(write_setting(settings_path, "状态", "正在使用", in_use_marker));
}

std::string EndToEnd::stored(std::string_view section, std::string_view key) const {
    return read_setting(settings_path, section, key, "");
}

bool EndToEnd::settings_exist() const { return exists_on_disk(settings_path); }

void EndToEnd::answer_message_box(int result) { win32::queue_message_box_answer(result); }

void EndToEnd::start() {
    window = ui::create_main_window();
    app = std::make_unique<App>(App{State{}, *window});
    bind_events(*app);
    window->window->on_created();
    // The program shows its window only after the created step; the driver
    // puts it on screen (and in front) the same way.
    driver = make_driver(*window);
    window->window->on_shown();
}

void EndToEnd::close() { driver->close_window(); }

void EndToEnd::run_loop() {
    auto& real = dynamic_cast<kistvar::win32::Win32MainWindow&>(*window);
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) real.handle_input(message);
}

std::string EndToEnd::my_box(std::string_view title) const {
    return my_boxes_folder + "\\" + std::string(title) + ".bin";
}
std::string EndToEnd::saved_box(std::string_view title) const {
    return box_folder + "\\" + std::string(title) + ".bin";
}
void EndToEnd::put_stash(std::string_view content) const { write_on_disk(stash(), stash_holding(content)); }
void EndToEnd::put_my_box(std::string_view title, std::string_view content) const {
    write_on_disk(my_box(title), stash_holding(content));
}
void EndToEnd::put_saved_box(std::string_view title, std::string_view content) const {
    write_on_disk(saved_box(title), stash_holding(content));
}

Items EndToEnd::items(const ui::ListView& list) {
    Items all;
    for (int i = 0; i < list.item_count(); ++i) all.push_back({list.get_item_title(i), list.get_item_picture(i)});
    return all;
}

std::vector<std::string> EndToEnd::titles(const ui::ListView& list) {
    std::vector<std::string> all;
    for (int i = 0; i < list.item_count(); ++i) all.push_back(list.get_item_title(i));
    return all;
}

int EndToEnd::index_of(const ui::ListView& list, std::string_view title) {
    for (int i = 0; i < list.item_count(); ++i)
        if (list.get_item_title(i) == title) return i;
    ADD_FAILURE() << "no item titled " << title;
    return -1;
}

void EndToEnd::select(ui::ListView& list, std::string_view title) {
    driver->click_item(list, index_of(list, title));
    ASSERT_EQ(list.selected_item(), index_of(list, title)) << "the click did not select " << title;
}

std::vector<ShownDialog> EndToEnd::shown_messages() {
    std::vector<ShownDialog> all = driver ? driver->take_shown_dialogs() : win32::take_shown();
    std::vector<ShownDialog> messages;
    for (auto& dialog : all)
        if (dialog.kind == ShownDialog::Kind::message_box) messages.push_back(std::move(dialog));
    return messages;
}

std::string documents_folder() { return special_folder(1); }
std::string default_save_folder() { return documents_folder() + "My Games\\Runic Games\\Torchlight 2\\save"; }
std::string default_box_folder() { return default_save_folder() + "\\box"; }

// --- Screenshots -------------------------------------------------------------

namespace {

std::uint32_t crc32_of(const std::string& bytes, std::size_t from) {
    static std::uint32_t table[256] = {};
    if (!table[1]) {
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i)
        crc = table[(crc ^ static_cast<unsigned char>(bytes[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void put_big_endian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void put_chunk(std::string& png, const char* type, const std::string& data) {
    put_big_endian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typed_from = png.size();
    png.append(type, 4);
    png += data;
    put_big_endian(png, crc32_of(png, typed_from));
}

// RGB rows, each led by filter byte 0, in stored (uncompressed) deflate blocks.
std::string png_of(int width, int height, const std::string& rgb_rows) {
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    put_big_endian(header, static_cast<std::uint32_t>(width));
    put_big_endian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    put_chunk(png, "IHDR", header);

    std::string zlib = "\x78\x01";
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : rgb_rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < rgb_rows.size() || at == 0; at += 65535) {
        const std::size_t size = std::min<std::size_t>(65535, rgb_rows.size() - at);
        const bool last = at + size >= rgb_rows.size();
        zlib += static_cast<char>(last ? 1 : 0);
        zlib += static_cast<char>(size & 0xFF);
        zlib += static_cast<char>(size >> 8);
        zlib += static_cast<char>(~size & 0xFF);
        zlib += static_cast<char>((~size >> 8) & 0xFF);
        zlib.append(rgb_rows, at, size);
        if (last) break;
    }
    put_big_endian(zlib, (b << 16) | a);
    put_chunk(png, "IDAT", zlib);
    put_chunk(png, "IEND", "");
    return png;
}

}  // namespace

bool save_screenshot(std::string_view name, HWND only) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::string bgra(static_cast<std::size_t>(width) * height * 4, '\0');
    const int rows = GetDIBits(memory, picture, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height) return false;

    RECT area{0, 0, width, height};
    if (only) {
        RECT window{};
        GetWindowRect(only, &window);
        IntersectRect(&area, &area, &window);
    }
    std::string rgb;
    rgb.reserve(static_cast<std::size_t>((area.right - area.left) * 3 + 1) * (area.bottom - area.top));
    for (int y = area.top; y < area.bottom; ++y) {
        rgb += '\0';
        for (int x = area.left; x < area.right; ++x) {
            const char* pixel = &bgra[(static_cast<std::size_t>(y) * width + x) * 4];
            rgb += pixel[2];
            rgb += pixel[1];
            rgb += pixel[0];
        }
    }
    const std::string folder = kistvar::program_folder() + "\\..\\..\\screenshots";
    make_folder_on_disk(folder);
    write_on_disk(folder + "\\" + std::string(name) + ".png",
                  png_of(area.right - area.left, area.bottom - area.top, rgb));
    return exists_on_disk(folder + "\\" + std::string(name) + ".png");
}

}  // namespace kistvar::test
