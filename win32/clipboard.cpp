#include "win32/clipboard.h"

#include <algorithm>

namespace level::win32 {

bool PutOnClipboard(HWND owner, std::wstring_view text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) {
        return false;
    }
    auto* buffer = static_cast<wchar_t*>(GlobalLock(memory));
    *std::copy(text.begin(), text.end(), buffer) = L'\0';
    GlobalUnlock(memory);
    if (OpenClipboard(owner) == FALSE) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!put) {
        GlobalFree(memory);  // the clipboard owns it only once it took it
    }
    return put;
}

std::wstring ClipboardText(HWND owner)
{
    std::wstring text;
    if (OpenClipboard(owner) == FALSE) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace level::win32
