// Building the window from the layout: the frame, every control in Tab order
// (a new child window goes below its siblings, and Tab follows that order),
// then the group boxes around them, and the two pop-up menus. The options
// page's windows are made when the page is first shown or asked for, the tool
// tips once the window has been shown.
#include <ole2.h>

#include "platform/win32/contents_window.h"
#include "platform/win32/controls_buttons.h"
#include "platform/win32/controls_fields.h"
#include "platform/win32/controls_scale.h"
#include "platform/win32/controls_status_bar.h"
#include "platform/win32/drop_target.h"
#include "platform/win32/list_view.h"
#include "platform/win32/main_window.h"
#include "platform/win32/pictures.h"
#include "platform/win32/wide_text.h"
#include "language/language.h"

namespace kistvar::win32 {

namespace layout = ui::layout;

namespace {

// Not seen at start: its windows are made when it is first shown or asked for.
constexpr int options_page = 1;
constexpr DWORD frame_style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD frame_extended_style = WS_EX_CONTROLPARENT;

// Where a control sits in the window: its layout position plus its parents'.
POINT window_position(const layout::ControlLayout& placement) {
    POINT at{placement.x, placement.y};
    for (std::string_view parent = placement.parent; !parent.empty();) {
        const auto& holder = layout::control(parent);
        at.x += holder.x;
        at.y += holder.y;
        parent = holder.parent;
    }
    return at;
}

ButtonPicture picture_of(std::string_view button) {
    if (button == "超级按钮说明") return ButtonPicture::readme;
    if (button == "超级按钮高级") return ButtonPicture::options;
    if (button == "超级按钮新建") return ButtonPicture::new_box;
    if (button == "超级按钮更换") return ButtonPicture::swap;
    if (button == "超级按钮另存") return ButtonPicture::save_as;
    if (button == "超级按钮删除") return ButtonPicture::delete_box;
    if (button == "超级按钮内容") return ButtonPicture::contents;
    return ButtonPicture::refresh;
}

}  // namespace

Win32MainWindow::Win32MainWindow() {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    ole_started_ = SUCCEEDED(OleInitialize(nullptr));  // drop targets need OLE on this thread
    create_frame();
    create_controls();
    create_menus();
    箱子内容 = std::make_unique<Win32ContentsWindow>(window_);
}

void Win32MainWindow::create_frame() {
    background_ = CreateSolidBrush(colour_ref(layout::window_background));
    HINSTANCE program = GetModuleHandleW(nullptr);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &Win32MainWindow::window_procedure;
    window_class.hInstance = program;
    // The class icons are the system's sizes; set_icons() gives the window ones for its DPI.
    window_class.hIcon = LoadIconW(program, MAKEINTRESOURCEW(1));
    if (!window_class.hIcon) window_class.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    window_class.hIconSm = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), 0));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = background_;
    window_class.lpszClassName = main_window_class_name;
    RegisterClassExW(&window_class);  // fails harmlessly when a second window registers it again

    set_current_dpi(dpi_of(nullptr));
    const SIZE size = frame_size();
    // The procedure routes nothing until window_ is set, after creation.
    HWND created = CreateWindowExW(frame_extended_style, main_window_class_name, widen(language::text(layout::window_title)).c_str(),
                                   frame_style, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                                   program, this);
    SetClassLongPtrW(created, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(background_));
    window_ = created;
    // The monitor the window landed on decides; the controls are made after this.
    if (const int dpi = dpi_of(window_); dpi != current_dpi()) {
        set_current_dpi(dpi);
        const SIZE at_dpi = frame_size();
        SetWindowPos(window_, nullptr, 0, 0, at_dpi.cx, at_dpi.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The class icons are drawn for the system's DPI; a window at another gets its own.
    if (scaled(32) != GetSystemMetrics(SM_CXICON) || scaled(16) != GetSystemMetrics(SM_CXSMICON)) set_icons();
    centre();
    window = std::make_unique<Win32Window>(window_);
    list_pictures_ = create_list_pictures(current_dpi());
}

HWND Win32MainWindow::tool_tips() {
    if (tool_tips_) return tool_tips_;
    tool_tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tool_tips_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_font()), FALSE);
    for (const auto& [handle, control] : children_)
        if (auto* button = dynamic_cast<Win32ImageButton*>(control)) button->use_tool_tips(tool_tips_);
    return tool_tips_;
}

SIZE Win32MainWindow::frame_size() const {
    const SIZE client{scaled(layout::client_width), scaled(layout::client_height)};
    // A window that exists has its frame already drawn for its DPI: keep that frame.
    RECT outside{}, inside{};
    if (window_ && GetWindowRect(window_, &outside) && GetClientRect(window_, &inside))
        return {client.cx + (outside.right - outside.left) - inside.right,
                client.cy + (outside.bottom - outside.top) - inside.bottom};
    RECT frame{0, 0, client.cx, client.cy};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust_for_dpi = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (!adjust_for_dpi ||
        !adjust_for_dpi(&frame, frame_style, FALSE, frame_extended_style, static_cast<UINT>(current_dpi())))
        AdjustWindowRectEx(&frame, frame_style, FALSE, frame_extended_style);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HWND Win32MainWindow::create_control(const layout::ControlLayout& placement, const wchar_t* window_class, DWORD style,
                                     DWORD extended_style, int extra_height) {
    const POINT at = window_position(placement);
    // A page's controls are made seen only on the page in front.
    const DWORD shown = placement.page < 0 || placement.page == 选择夹1->current_page() ? WS_VISIBLE : 0;
    HWND control = create_child(window_, window_class, language::text(placement.caption), style | shown,
                                extended_style, at.x, at.y, placement.width, placement.height + extra_height,
                                next_control_id_++);
    if (placement.kind != layout::Kind::image_button && placement.caption != language::Text::none)
        captioned_[placement.name] = control;
    return control;
}

void Win32MainWindow::adopt(ChildWindow& control, const layout::ControlLayout& placement) {
    children_[control.hwnd()] = &control;
    control.text_colour = colour_ref(placement.text_colour);
    if (placement.page >= 0) pages_->add(placement.page, control.hwnd());
}

void Win32MainWindow::create_controls() {
    auto pages = std::make_unique<Win32Pages>();
    pages_ = pages.get();
    选择夹1 = std::move(pages);
    pages_->make_when_needed(options_page, [this] { make_options_page(); });
    const auto make_options_page_now = [pages = pages_] { pages->make(options_page); };

    auto image_button = [&](std::string_view name) {
        const auto& placement = layout::control(name);
        auto button = std::make_unique<Win32ImageButton>(
            create_control(placement, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP), picture_of(name),
            language::text(placement.caption));
        adopt(*button, placement);
        button->on_window_background = true;
        return button;
    };
    auto list_view = [&](std::string_view name) {
        const auto& placement = layout::control(name);
        const POINT at = window_position(placement);
        auto list = std::make_unique<Win32ListView>(window_, placement, at.x, at.y, next_control_id_++, list_pictures_);
        adopt(*list, placement);
        return list;
    };

    // Tab goes from the lists, where the focus starts, along the buttons from
    // left to right, then to the options page's fields from top to bottom.
    超级列表框我的箱子 = list_view("超级列表框我的箱子");
    超级列表框保存箱子 = list_view("超级列表框保存箱子");
    超级按钮新建 = image_button("超级按钮新建");
    超级按钮更换 = image_button("超级按钮更换");
    超级按钮另存 = image_button("超级按钮另存");
    超级按钮删除 = image_button("超级按钮删除");
    超级按钮刷新 = image_button("超级按钮刷新");
    超级按钮内容 = image_button("超级按钮内容");
    超级按钮说明 = image_button("超级按钮说明");
    超级按钮高级 = image_button("超级按钮高级");
    拖放对象我的箱子 = std::make_unique<Win32DropTarget>();
    拖放对象保存箱子 = std::make_unique<Win32DropTarget>();

    // The options page's controls keep what the logic writes until the page is made.
    auto on_background = [](auto control) {
        control->on_window_background = true;  // drawn on the window's colour, not the system's grey
        return control;
    };
    auto combo_box = [&](std::string_view name) {
        return std::make_unique<Win32ComboBox>(make_options_page_now, layout::control(name).items);
    };
    编辑框存档路径 = std::make_unique<Win32EditBox>(make_options_page_now);
    按钮选择存档路径 = on_background(std::make_unique<Win32PushButton>(make_options_page_now));
    编辑框箱子路径 = std::make_unique<Win32EditBox>(make_options_page_now);
    按钮选择箱子路径 = on_background(std::make_unique<Win32PushButton>(make_options_page_now));
    组合框1 = combo_box("组合框1");
    组合框2 = combo_box("组合框2");
    组合框3 = combo_box("组合框3");
    组合框4 = combo_box("组合框4");
    组合框5 = combo_box("组合框5");
    选择框信息 = on_background(std::make_unique<Win32CheckBox>(make_options_page_now));
    按钮保存 = on_background(std::make_unique<Win32PushButton>(make_options_page_now));
    按钮取消 = on_background(std::make_unique<Win32PushButton>(make_options_page_now));

    auto status_bar = std::make_unique<Win32StatusBar>(window_, layout::control("状态条1"), next_control_id_++);
    children_[status_bar->hwnd()] = status_bar.get();
    状态条1 = std::move(status_bar);

    create_decorations(false);
}

// The options page's windows, in the order Tab goes through them, then its
// labels and group box.
void Win32MainWindow::make_options_page() {
    auto make = [&](auto& control, std::string_view name, const wchar_t* window_class, DWORD style,
                    DWORD extended_style = 0, int extra_height = 0) {
        const auto& placement = layout::control(name);
        control.attach(create_control(placement, window_class, style, extended_style, extra_height));
        adopt(control, placement);
    };
    // The closed box takes the height its font needs (about the layout's 20
    // pixels); the window's height also covers the opened list below it.
    constexpr int drop_down_height = 120;
    constexpr DWORD drop_down = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
    constexpr DWORD push_button = BS_PUSHBUTTON | WS_TABSTOP;
    constexpr DWORD edit_box = ES_AUTOHSCROLL | WS_TABSTOP;

    make(static_cast<Win32EditBox&>(*编辑框存档路径), "编辑框存档路径", L"EDIT", edit_box, WS_EX_CLIENTEDGE);
    make(static_cast<Win32PushButton&>(*按钮选择存档路径), "按钮选择存档路径", L"BUTTON", push_button);
    make(static_cast<Win32EditBox&>(*编辑框箱子路径), "编辑框箱子路径", L"EDIT", edit_box, WS_EX_CLIENTEDGE);
    make(static_cast<Win32PushButton&>(*按钮选择箱子路径), "按钮选择箱子路径", L"BUTTON", push_button);
    for (const auto& [name, combo] : combo_boxes())
        make(static_cast<Win32ComboBox&>(*combo), name, WC_COMBOBOXW, drop_down, 0, drop_down_height);
    make(static_cast<Win32CheckBox&>(*选择框信息), "选择框信息", L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP);
    make(static_cast<Win32PushButton&>(*按钮保存), "按钮保存", L"BUTTON", push_button);
    make(static_cast<Win32PushButton&>(*按钮取消), "按钮取消", L"BUTTON", push_button);
    create_decorations(true);
}

// Labels, then the group boxes, of the options page or of the rest: created
// after the controls they frame, they lie beneath them and never paint over them.
void Win32MainWindow::create_decorations(bool of_options_page) {
    for (layout::Kind kind : {layout::Kind::label, layout::Kind::group_box}) {
        for (const auto& placement : layout::controls()) {
            if (placement.kind != kind || (placement.page == options_page) != of_options_page) continue;
            const bool group = kind == layout::Kind::group_box;
            HWND handle = create_control(placement, group ? L"BUTTON" : L"STATIC",
                                         group ? BS_GROUPBOX | WS_CLIPSIBLINGS : SS_LEFT | SS_NOPREFIX);
            if (group) SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(group_caption_font()), FALSE);
            auto decoration = group ? std::make_unique<GroupBox>(handle, background_)
                                    : std::make_unique<TextOnlyWindow>(handle);
            adopt(*decoration, placement);
            decoration->on_window_background = true;
            decorations_.push_back(std::move(decoration));
        }
    }
}

std::unique_ptr<Win32Menu> Win32MainWindow::build_menu(std::string_view name, MenuItemsByName& items_by_name) {
    const auto& items = layout::menu_items(name);
    auto has_sub_items = [&](std::string_view item) {
        for (const auto& other : items)
            if (other.submenu == item) return true;
        return false;
    };
    HMENU top = CreatePopupMenu();
    menu_names_[top] = name;
    std::map<std::string_view, HMENU> sub_menus;
    for (const auto& item : items) {
        HMENU into = item.submenu.empty() ? top : sub_menus.at(item.submenu);
        if (item.separator()) {
            AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
        } else if (has_sub_items(item.name)) {
            HMENU sub_menu = CreatePopupMenu();
            sub_menus[item.name] = sub_menu;
            AppendMenuW(into, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub_menu), widen(language::text(item.caption)).c_str());
        } else {
            const UINT id = next_command_id_++;
            AppendMenuW(into, MF_STRING, id, widen(language::text(item.caption)).c_str());
            auto menu_item = std::make_unique<Win32MenuItem>(into, id);
            menu_commands_[id] = menu_item.get();
            items_by_name[item.name] = std::move(menu_item);
        }
    }
    return std::make_unique<Win32Menu>(window_, top);
}

void Win32MainWindow::create_menus() {
    MenuItemsByName items;
    右键菜单 = build_menu("右键菜单", items);
    无选项右键菜单 = build_menu("无选项右键菜单", items);
    for (const auto& [item_name, place] : menu_item_places()) *place = std::move(items.at(item_name));
}

}  // namespace kistvar::win32

namespace kistvar::ui {

std::unique_ptr<MainWindow> create_main_window() { return std::make_unique<win32::Win32MainWindow>(); }

}  // namespace kistvar::ui
