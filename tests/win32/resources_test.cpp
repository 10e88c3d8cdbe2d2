#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

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

    for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
        const auto* value =
            Query<wchar_t>((std::wstring(L"\\StringFileInfo\\040904B0\\") + name).c_str());
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(std::wstring(value), L"1.00");
    }
    for (const wchar_t* name :
         {L"CompanyName", L"ProductName", L"InternalName", L"OriginalFilename"}) {
        const auto* value =
            Query<wchar_t>((std::wstring(L"\\StringFileInfo\\040904B0\\") + name).c_str());
        ASSERT_NE(value, nullptr);
        EXPECT_GT(std::wstring(value).size(), 0U);
    }
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
INSTANTIATE_TEST_SUITE_P(Images, ExecutableIcon,
                         ::testing::Values(IconImage{32,
                                                     {{{0, 0}, kWhite},
                                                      {{0, 31}, kWhite},
                                                      {{31, 0}, kWhite},
                                                      {{31, 31}, kBlack},
                                                      {{1, 1}, kBlack}}},
                                           IconImage{16,
                                                     {{{0, 0}, kWhite},
                                                      {{15, 15}, kWhite},
                                                      {{15, 7}, kWhite},
                                                      {{1, 1}, kBlack}}}));

// The manifest declares the program DPI aware, so that Windows lets it lay
// itself out at the screen's real DPI instead of stretching it.
TEST(ApplicationManifest, DeclaresTheProgramDpiAware)
{
    HMODULE module = LoadLibraryExW(ConverterPath().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(resource, nullptr) << "no application manifest";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    const std::string manifest(data, SizeofResource(module, resource));
    FreeLibrary(module);
    const std::size_t element = manifest.find("<dpiAware");
    ASSERT_NE(element, std::string::npos);
    EXPECT_EQ(manifest.substr(manifest.find('>', element) + 1, 4), "true");
    EXPECT_NE(manifest.find("WindowsSettings"), std::string::npos);
}

}  // namespace
