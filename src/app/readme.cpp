#include <string>
#include <string_view>

#include "app/start_up.h"
#include "language/language.h"
#include "platform/gb18030.h"

namespace kistvar {

namespace {

// One entry per line of 说明.txt; the lines are joined with CR LF and the
// last one has no line break after it.
constexpr std::string_view readme_lines[] = {
    "版本：v4.0",
    "",
    "说明：此软件是为了方便《火炬之光2》喜欢收集装备的玩家方便置换箱子使用。",
    "",
    "支持全版本、全模式、自由设定路径。",
    "",
    "",
    "加入“我的箱子”功能。在有超大箱子MOD出现以前的绝对利器！！",
    "",
    "“我的箱子”下面的文件都是你所拥有的箱子，他们之间随意更换。可以当做仓库用。",
    "“保存箱子”下面的文件只是一个复制品。无论取出还是存入都不会更改里面的东西。",
    "",
    "我来举例说明吧。",
    "比如，现在有一个箱子叫“BOX”，里面有一件装备“A” 。加载“BOX”箱子，在游戏取出装备“A”，放入装备“B”。",
    "",
    "如果“BOX”是在“我的箱子”里面，再次加载这个箱子里就没有“A”这件装备了，里面是“B”。",
    "而如果“BOX”是在“保存箱子”里面，无论加载多少次，每次加载都会存在“A”，而没有“B”。",
    "",
    "",
    "有任何意见或建议，欢迎发邮件告诉作者：kistvar@example.org",
    "",
    "请在游戏退出或者在游戏初始界面时使用（游戏中使用无效）。",
    "",
    "注意软件自身的提示。",
    "",
    "本软件是作者自己动手做的小工具，不含病毒和木马，作者所用的杀毒软件检查时也没有报毒。",
    "",
    "如有有杀毒软件报毒，请勿使用。谢谢。",
    "",
    "",
    "升级记录：",
    "v4.0 2012年10月23日",
    "\t1.调整界面，加入了一些新的按钮。",
    "\t2.恢复双击换箱子的功能。",
    "\t3.加入“我的箱子”功能。",
    "\t4.加入全版本、全模式、自由路径功能。",
    "\t5.丰富右键菜单。",
    "\t6.优化运行质量。",
    "",
    "v3.0 2012年10月20日",
    "\t1.调整布局。",
    "\t2.加入新建箱子功能。",
    "\t3.加入保存箱子按钮。",
    "\t4.加入刷新文件夹按钮。",
    "\t5.删除双击更换箱子操作，改成点击按钮更换。",
    "",
    "v2.0 2012年10月13日",
    "\t1.布局大幅度调整。",
    "\t2.加入可直接将箱子拖到对话框的功能。",
    "\t3.加入可将当前箱子另存为副本的功能。",
    "\t4.加入可直接在对话框中更改文件名或删除文件的功能。",
    "\t5.双击文件即可替换箱子。",
    "",
    "v1.0 2012年10月11日",
    "\t//",
};

// readme.txt: the same help for players who read English; plain ASCII, so
// every editor shows it whatever its code page.
constexpr std::string_view english_readme_lines[] = {
    "Kistvar v4.0",
    "",
    "Kistvar keeps a library of Torchlight 2 shared stashes (\"boxes\") and puts the one",
    "you choose into the game's stash file, so one player can own many stashes.",
    "",
    "My boxes are yours: swapping one in moves it into the game, and whatever you change",
    "in the game stays in it. Swap another box in and it goes back to My boxes.",
    "",
    "Saved boxes are templates: swapping one in copies it, so it comes back unchanged",
    "every time.",
    "",
    "An example: a box called BOX holds an item A. Swap BOX in, take A out in the game",
    "and put an item B in.",
    "If BOX is one of My boxes, it now holds B and no longer A.",
    "If BOX is a saved box, it holds A and not B every time you swap it in.",
    "",
    "Swap only while the game is closed or at its title screen: a game with a character",
    "loaded writes its own stash over the box when it saves. Kistvar asks before it swaps",
    "while the game runs.",
    "",
    "Before a box is overwritten, Kistvar keeps a copy of it in the backups folder inside",
    "the box folder (the newest 100 copies; right-click a list: Open backups folder).",
    "Deleted boxes go to the Recycle Bin.",
    "",
    "Drop a *.bin shared stash file onto a list to add it. Double-click a box or press",
    "Swap to put it into the game. The magnifier button shows what a box holds and finds",
    "items across every box.",
    "",
    "Options: the save folder is where the game keeps its saves (Steam players: check",
    "it); the box folder is by default the BOX folder inside it. The language can be",
    "changed there too.",
    "",
    "Please mind the program's own messages.",
    "",
    "Questions and ideas are welcome: kistvar@example.org",
};

template <std::size_t count>
std::string joined_with_crlf(const std::string_view (&lines)[count]) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace

std::string_view readme_file_name() {
    return language::current() == language::Language::english ? "readme.txt" : "说明.txt";
}

std::string_view readme_bytes() {
    static const std::string chinese = gb18030::from_utf8(joined_with_crlf(readme_lines));
    static const std::string english = joined_with_crlf(english_readme_lines);
    return language::current() == language::Language::english ? english : chinese;
}

}  // namespace kistvar
