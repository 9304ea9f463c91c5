#include "support/app_fixture.h"

#include "app/bindings.h"
#include "platform/gb18030.h"
#include "support/headless/script.h"

namespace kistvar::test {

void PrintTo(const ListItem& item, std::ostream* out) {
    *out << "{\"" << item.title << "\", picture " << item.picture << "}";
}

void AppFixture::SetUp() {
    headless::reset();
    program_folder = temp / "program";
    documents_folder = temp / "documents";
    save_folder = documents_folder + "\\My Games\\Runic Games\\Torchlight 2\\save";
    box_folder = save_folder + "\\box";
    my_boxes_folder = box_folder + "\\MYBOX";
    make_folder_on_disk(program_folder);
    make_folder_on_disk(my_boxes_folder);
    headless::set_program_folder(program_folder);
    headless::set_documents_folder(documents_folder);
    recycle_folder = temp / "recycle";
    make_folder_on_disk(recycle_folder);
    headless::set_recycle_folder(recycle_folder);

    window = ui::create_main_window();
    app = std::make_unique<App>(App{State{}, *window});
    bind_events(*app);
    driver = make_driver(*window);
}

void AppFixture::TearDown() {
    driver.reset();
    app.reset();
    window.reset();
    headless::reset();
}

std::optional<int> AppFixture::start() {
    try {
        window->window->on_created();
        window->window->on_shown();
    } catch (const headless::ProgramEnded& ended) {
        return ended.exit_code;
    }
    return std::nullopt;
}

void AppFixture::write_standard_settings(std::string_view in_use_marker) {
    write_settings("[路径]\r\n存档=" + save_folder + "\r\n箱子=" + box_folder +
                   "\r\n[状态]\r\n正在使用=" + std::string(in_use_marker) + "\r\n");
}

void AppFixture::write_settings(std::string_view utf8_text) {
    write_on_disk(settings_path(), gb18030::from_utf8(utf8_text));
}

std::string AppFixture::settings_bytes() const { return read_on_disk(settings_path()); }

std::string AppFixture::settings_text() const { return gb18030::to_utf8(settings_bytes()); }

bool AppFixture::settings_exist() const { return exists_on_disk(settings_path()); }

void AppFixture::put_saved_box(std::string_view title, std::string_view content) {
    write_on_disk(box_folder + "\\" + std::string(title) + ".bin", stash_holding(content));
}

void AppFixture::put_my_box(std::string_view title, std::string_view content) {
    write_on_disk(my_boxes_folder + "\\" + std::string(title) + ".bin", stash_holding(content));
}

std::vector<ListItem> AppFixture::items(const ui::ListView& list) {
    std::vector<ListItem> result;
    for (int i = 0; i < list.item_count(); ++i)
        result.push_back({list.get_item_title(i), list.get_item_picture(i)});
    return result;
}

std::vector<std::string> AppFixture::titles(const ui::ListView& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.item_count(); ++i) result.push_back(list.get_item_title(i));
    return result;
}

}  // namespace kistvar::test
