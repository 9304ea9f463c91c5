// A fresh main window and a driver for it, for every control test. Only the
// controls' interface and the driver are used, so the same tests run against
// the in-memory controls and against the real ones.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "support/driver.h"
#include "ui/main_window.h"

namespace kistvar::test {

using Titles = std::vector<std::string>;

class ControlTest : public ::testing::Test {
protected:
    ControlTest() : window_(ui::create_main_window()), driver_(make_driver(*window_)) {}
    ~ControlTest() override { EXPECT_EQ(driver_->unused_answers(), 0); }

    ui::MainWindow& w() { return *window_; }
    Driver& driver() { return *driver_; }
    ui::ListView& mine() { return *window_->超级列表框我的箱子; }
    ui::ListView& saved() { return *window_->超级列表框保存箱子; }

    static void fill(ui::ListView& list, const Titles& titles) {
        for (const auto& title : titles) list.insert_item(-1, title, 0);
    }
    static Titles titles(const ui::ListView& list) {
        Titles all;
        for (int i = 0; i < list.item_count(); ++i) all.push_back(list.get_item_title(i));
        return all;
    }

    // Events in the order they ran, each written as "name" by the handler.
    std::vector<std::string> events;
    ui::Event note(std::string name) {
        return [this, name] { events.push_back(name); };
    }
    int count(const std::string& name) const {
        return static_cast<int>(std::count(events.begin(), events.end(), name));
    }
    std::vector<std::string> without(const std::string& name) const {
        std::vector<std::string> rest;
        std::copy_if(events.begin(), events.end(), std::back_inserter(rest), [&](const auto& e) { return e != name; });
        return rest;
    }

private:
    std::unique_ptr<ui::MainWindow> window_;
    std::unique_ptr<Driver> driver_;
};

}  // namespace kistvar::test
