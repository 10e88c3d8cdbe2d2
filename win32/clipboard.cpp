#include "win32/clipboard.h"

#include <algorithm>

namespace level::win32 {
namespace {

// Another program may hold the clipboard for a moment (clipboard history,
// a remote desktop, a clipboard manager): tried again for about half a
// second.
bool OpenClipboardSoon(HWND owner)
{
    for (int attempt = 0; attempt < 25; ++attempt) {
        if (OpenClipboard(owner) != FALSE) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

}  // namespace

bool PutOnClipboard(HWND owner, std::wstring_view text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) {
        return false;
    }
    auto* buffer = static_cast<wchar_t*>(GlobalLock(memory));
    *std::copy(text.begin(), text.end(), buffer) = L'\0';
    GlobalUnlock(memory);
    if (!OpenClipboardSoon(owner)) {
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

std::optional<std::size_t> ClipboardTextLength(HWND owner)
{
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) == FALSE || !OpenClipboardSoon(owner)) {
        return std::nullopt;
    }
    std::optional<std::size_t> length;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT); memory != nullptr) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(memory))) {
            // Up to its terminating null, within the memory that holds it.
            const std::size_t most = GlobalSize(memory) / sizeof(wchar_t);
            length = static_cast<std::size_t>(std::find(text, text + most, L'\0') - text);
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    return length;
}

}  // namespace level::win32
