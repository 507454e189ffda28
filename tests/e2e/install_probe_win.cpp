#include "install_probe_win.h"

#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "json_line_win.h"

namespace quarnic::e2e {
namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr int kManifestId = 1;     // CREATEPROCESS_MANIFEST_RESOURCE_ID
constexpr int kManifestType = 24;  // RT_MANIFEST

std::string VersionNumbers(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

std::wstring VersionString(std::vector<char>& block, const std::wstring& name,
                           const wchar_t* value) {
    const std::wstring query = L"\\StringFileInfo\\" + name + L"\\" + value;
    wchar_t* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) {
        return L"";
    }
    return text;
}

// Every language the resource lists in its translation table, with the texts of its block, as
// Explorer reads them for a user of that language.
std::string DescribeStringBlocks(std::vector<char>& block) {
    WORD* pairs = nullptr;
    UINT bytes = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&pairs), &bytes)) {
        return "[]";
    }
    std::string list = "[";
    for (UINT i = 0; i + 1 < bytes / sizeof(WORD); i += 2) {
        wchar_t name[9] = {};
        swprintf(name, 9, L"%04X%04X", pairs[i], pairs[i + 1]);
        list += (list.size() > 1 ? "," : "") +
                JsonLine()
                    .Text("block", name)
                    .Text("description", VersionString(block, name, L"FileDescription"))
                    .Text("product_name", VersionString(block, name, L"ProductName"))
                    .Text("product_version", VersionString(block, name, L"ProductVersion"))
                    .Finish();
    }
    return list + "]";
}

void AddVersionResource(JsonLine& line, const std::wstring& path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        line.Flag("version_resource", false);
        return;
    }
    line.Flag("version_resource", true);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
        line.Utf8("file_version", VersionNumbers(fixed->dwFileVersionMS, fixed->dwFileVersionLS))
            .Utf8("product_version",
                  VersionNumbers(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
    }
    line.Text("product_version_text", VersionString(block, L"040904B0", L"ProductVersion"));
    line.Raw("string_blocks", DescribeStringBlocks(block));
}

void AddManifest(JsonLine& line, const std::wstring& path) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(kManifestId),
                                         MAKEINTRESOURCEW(kManifestType))
                         : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (loaded) {
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        line.Utf8("manifest", std::string(bytes, SizeofResource(module, found)));
    }
    if (module) {
        FreeLibrary(module);
    }
}

std::wstring ReadText(HKEY key, const wchar_t* value) {
    wchar_t text[512] = {};
    DWORD bytes = sizeof(text) - sizeof(wchar_t);
    if (RegGetValueW(key, nullptr, value, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                     nullptr, text, &bytes) != ERROR_SUCCESS) {
        return L"";
    }
    return text;
}

}  // namespace

std::string DescribeExecutable(const std::wstring& path) {
    JsonLine line;
    line.Flag("exists", GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES);
    AddVersionResource(line, path);
    AddManifest(line, path);
    return line.Finish();
}

std::string DescribeInstalledProducts(const std::wstring& name) {
    HKEY products = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &products) != ERROR_SUCCESS) {
        return "[]";
    }
    std::string list = "[";
    wchar_t subkey[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 255;
        if (RegEnumKeyExW(products, index, subkey, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY product = nullptr;
        if (RegOpenKeyExW(products, subkey, 0, KEY_READ, &product) != ERROR_SUCCESS) {
            continue;
        }
        if (ReadText(product, L"DisplayName") == name) {
            list += (list.size() > 1 ? "," : "") +
                    JsonLine()
                        .Text("key", subkey)
                        .Text("version", ReadText(product, L"DisplayVersion"))
                        .Text("publisher", ReadText(product, L"Publisher"))
                        .Text("uninstall", ReadText(product, L"UninstallString"))
                        .Finish();
        }
        RegCloseKey(product);
    }
    RegCloseKey(products);
    return list + "]";
}

}  // namespace quarnic::e2e
