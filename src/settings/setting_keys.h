// Where each setting lives in MYBOX.ini, and what it reads as when missing.
#pragma once

#include <string_view>

namespace kistvar::setting_keys {

struct Key {
    std::string_view section;
    std::string_view name;
};

inline constexpr Key save_folder{"路径", "存档"};
inline constexpr Key box_folder{"路径", "箱子"};
inline constexpr Key version{"高级", "版本"};
inline constexpr Key mode{"高级", "模式"};
inline constexpr Key view{"显示", "图标大小"};
inline constexpr Key sort{"显示", "排列顺序"};
inline constexpr Key in_use_marker{"状态", "正在使用"};
inline constexpr Key quiet{"显示", "显示信息框"};
// "zh" or "en"; written only when the player picks a language.
inline constexpr Key language{"显示", "语言"};

// Appended to the documents folder; the box folder is the save folder's "box".
inline constexpr std::string_view default_save_folder = "My Games\\Runic Games\\Torchlight 2\\save";
inline constexpr std::string_view default_box_folder = "My Games\\Runic Games\\Torchlight 2\\save\\box";
inline constexpr std::string_view default_in_use_marker = "MYBOX 1";

}  // namespace kistvar::setting_keys
