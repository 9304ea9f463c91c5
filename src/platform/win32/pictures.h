// Our own pictures, drawn in code: the image buttons' 48 x 48 faces and the
// lists' two 32 x 32 icons (an ordinary box and the box in use), sizes at
// 96 DPI; at another DPI each is drawn anew at its size there.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace kistvar::win32 {

enum class ButtonPicture { readme, options, new_box, swap, save_as, delete_box, refresh, contents };
enum class ButtonLook { normal, hot, pressed, disabled };

// Draws the face into the square of 48 pixels at 96 DPI whose top-left corner
// is `origin` (device pixels).
void draw_button_picture(HDC dc, POINT origin, ButtonPicture picture, ButtonLook look, int dpi);

// Two images of 32 pixels at 96 DPI: 0 an ordinary box, 1 the box in use.
HIMAGELIST create_list_pictures(int dpi);

}  // namespace kistvar::win32
