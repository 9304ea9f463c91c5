#include <windows.h>

#include "platform/time_text.h"

namespace kistvar {

DateTime current_time() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace kistvar
