// The box library started on real folders: helpers to name the files of the
// boxes, pick items by title and read what the program showed.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fault_seam.h"
#include "support/app_fixture.h"
#include "support/headless/script.h"

namespace kistvar::test {

class Library : public AppFixture {
protected:
    void TearDown() override {
        fault_seam::disarm();
        EXPECT_EQ(driver->unused_answers(), 0) << "an answered dialog never came";
        AppFixture::TearDown();
    }

    // Starts with MYBOX.ini naming the fixture's folders and this marker; the
    // my-boxes list is then the current list.
    void start_library(std::string_view marker = "MYBOX 1") {
        write_standard_settings(marker);
        ASSERT_EQ(start(), std::nullopt);
        driver->take_shown_dialogs();
    }

    std::string stash() const { return save_folder + "\\sharedstash_v2.bin"; }
    std::string my_box(std::string_view title) const { return my_boxes_folder + "\\" + std::string(title) + ".bin"; }
    std::string saved_box(std::string_view title) const { return box_folder + "\\" + std::string(title) + ".bin"; }
    void put_stash(std::string_view content) { write_on_disk(stash(), stash_holding(content)); }

    ui::ListView& mine() { return *w().超级列表框我的箱子; }
    ui::ListView& saved() { return *w().超级列表框保存箱子; }

    static int index_of(const ui::ListView& list, std::string_view title) {
        for (int i = 0; i < list.item_count(); ++i)
            if (list.get_item_title(i) == title) return i;
        ADD_FAILURE() << "no item titled " << title;
        return -1;
    }
    void select(ui::ListView& list, std::string_view title) {
        driver->focus(list);
        driver->click_item(list, index_of(list, title));
    }
    void quiet(bool on = true) { w().选择框信息->set_checked(on); }
    std::string status() const { return window->状态条1->status_text(1); }
    std::string stored_marker() const;

    std::vector<ShownDialog> shown() { return driver->take_shown_dialogs(); }
    // The one message the last action showed.
    ShownDialog only_message() {
        auto dialogs = shown();
        EXPECT_EQ(dialogs.size(), 1u);
        return dialogs.empty() ? ShownDialog{} : dialogs.front();
    }

    // Moves, renames and copies whose source path contains any fragment fail
    // ("\\T.bin" is the box file T.bin itself, not a backup of it).
    static void fail_moves_and_copies_from(std::initializer_list<std::string> fragments) {
        std::vector<std::string> parts(fragments);
        fault_seam::arm([parts](fault_seam::FileCall call, std::string_view path, std::uint64_t) {
            using enum fault_seam::FileCall;
            if (call != move_file && call != copy_file && call != replace_file) return false;
            for (const auto& part : parts)
                if (path.find(part) != std::string_view::npos) return true;
            return false;
        });
    }
};

inline std::string Library::stored_marker() const {
    std::string text = settings_text();
    auto key = text.find("正在使用=");
    if (key == std::string::npos) return {};
    auto start = key + std::string_view("正在使用=").size();
    return text.substr(start, text.find("\r\n", start) - start);
}

}  // namespace kistvar::test
