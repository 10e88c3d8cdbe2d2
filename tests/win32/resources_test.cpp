#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "distributor_names.h"
#include "win32/utf16.h"

namespace {

// The converter's executable, built beside this test program.
std::wstring ConverterPath()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"..\\..\\win32\\level-converter.exe";
}

class VersionRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::wstring path = ConverterPath();
        DWORD ignored = 0;
        data_.resize(GetFileVersionInfoSizeW(path.c_str(), &ignored));
        ASSERT_FALSE(data_.empty()) << "no version record";
        ASSERT_TRUE(
            GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data()));
    }

    // A string of the US English Unicode table, in UTF-8; "" where it has none.
    std::string StringValue(const wchar_t* name)
    {
        const auto* value =
            Query<wchar_t>((std::wstring(L"\\StringFileInfo\\040904B0\\") + name).c_str());
        EXPECT_NE(value, nullptr) << level::win32::Narrow(name);
        return value != nullptr ? level::win32::Narrow(value) : "";
    }

    template <typename T>
    const T* Query(const wchar_t* block, UINT* size = nullptr)
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(data_.data(), block, &value, &length)) {
            return nullptr;
        }
        if (size != nullptr) {
            *size = length;
        }
        return static_cast<const T*>(value);
    }

    std::vector<char> data_;
};

TEST_F(VersionRecord, GivesFileAndProductVersion1000)
{
    const auto* fixed = Query<VS_FIXEDFILEINFO>(L"\\");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwProductVersionLS, 0U);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecord, HasOneUsEnglishUnicodeStringTable)
{
    UINT size = 0;
    const auto* translation = Query<WORD>(L"\\VarFileInfo\\Translation", &size);
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(size, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);

    EXPECT_EQ(StringValue(L"FileVersion"), "1.00");
    EXPECT_EQ(StringValue(L"ProductVersion"), "1.00");
    for (const wchar_t* name : {L"ProductName", L"InternalName", L"OriginalFilename"}) {
        EXPECT_FALSE(StringValue(name).empty()) << level::win32::Narrow(name);
    }
}

// The company and the copyright are the distributor's names, byte for byte.
TEST_F(VersionRecord, NamesTheMaintainerAndTheMakersNotice)
{
    EXPECT_EQ(StringValue(L"CompanyName"), level::testing::DistributorName("LEVEL_MAINTAINER"));
    EXPECT_EQ(StringValue(L"LegalCopyright"),
              level::testing::DistributorName("LEVEL_MAKER_NOTICE"));
}

// The colour of an icon image's pixel, read from its colour bitmap.
COLORREF IconPixel(HICON icon, int size, int x, int y)
{
    ICONINFO info{};
    GetIconInfo(icon, &info);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(size * size));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &format,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels[static_cast<std::size_t>(y * size + x)] & 0xFFFFFFU;
}

struct IconImage {
    int size;
    std::vector<std::pair<POINT, COLORREF>> pixels;  // as 0xRRGGBB
};

class ExecutableIcon : public ::testing::TestWithParam<IconImage> {};

TEST_P(ExecutableIcon, HasTheImageAtItsSize)
{
    HMODULE module = LoadLibraryExW(ConverterPath().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    const int size = GetParam().size;
    auto icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    for (const auto& [point, colour] : GetParam().pixels) {
        EXPECT_EQ(IconPixel(icon, size, point.x, point.y), colour)
            << size << "px at " << point.x << "," << point.y;
    }
    DestroyIcon(icon);
    FreeLibrary(module);
}

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

// The large image has its white edge along the top and left only, the small
// one on all four sides; inside, the square is black but for the trace.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Images, ExecutableIcon, ::testing::Values(
    IconImage{32, {{{0, 0}, kWhite}, {{0, 31}, kWhite}, {{31, 0}, kWhite}, {{31, 31}, kBlack}, {{1, 1}, kBlack}}},
    IconImage{16, {{{0, 0}, kWhite}, {{15, 15}, kWhite}, {{15, 7}, kWhite}, {{1, 1}, kBlack}}}));
// clang-format on

// The program's application manifest.
std::string Manifest()
{
    HMODULE module = LoadLibraryExW(ConverterPath().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC resource = module == nullptr
                         ? nullptr
                         : FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (resource == nullptr) {
        ADD_FAILURE() << "no application manifest";
        return {};
    }
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    std::string manifest(data, SizeofResource(module, resource));
    FreeLibrary(module);
    return manifest;
}

// The manifest declares what Windows reads from it: DPI awareness per
// monitor (v2, then v1 for Windows 8.1) with the system's for Windows 7, so
// that Windows lets the program lay itself out at each screen's real DPI
// instead of stretching it; the visual styles' common controls; and that
// the program needs no elevation, as Windows documents.
class ApplicationManifest : public ::testing::TestWithParam<const char*> {};

TEST_P(ApplicationManifest, Declares)
{
    EXPECT_NE(Manifest().find(GetParam()), std::string::npos) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    WhatWindowsReads, ApplicationManifest,
    ::testing::Values(
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm<",
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
        "PerMonitorV2, PerMonitor<",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "publicKeyToken=\"6595b64144ccf1df\"",
        "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\""));

}  // namespace
