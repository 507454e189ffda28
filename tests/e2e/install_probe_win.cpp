#include "install_probe_win.h"

#include <windows.h>

// After windows.h, whose types it uses.
#include <msi.h>

#include <cwchar>
#include <string>
#include <vector>

#include "host/dialog_ids.h"
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
                    .Text("company", VersionString(block, name, L"CompanyName"))
                    .Text("copyright", VersionString(block, name, L"LegalCopyright"))
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

void AddManifest(JsonLine& line, HMODULE module) {
    HRSRC found =
        FindResourceW(module, MAKEINTRESOURCEW(kManifestId), MAKEINTRESOURCEW(kManifestType));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (loaded) {
        const char* bytes = static_cast<const char*>(LockResource(loaded));
        line.Utf8("manifest", std::string(bytes, SizeofResource(module, found)));
    }
}

// String `id` of the string table in one language, as Windows picks it for a user of that
// language; empty when that language has none. A block holds 16 counted strings.
std::wstring StringResource(HMODULE module, int id, int language) {
    const auto block = static_cast<WORD>(id / 16 + 1);
    HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(block),
                                  static_cast<WORD>(language));  // 6: RT_STRING
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (!loaded) {
        return L"";
    }
    const WCHAR* entry = static_cast<const WCHAR*>(LockResource(loaded));
    for (int skip = id % 16; skip > 0; --skip) {
        entry += 1 + *entry;
    }
    return std::wstring(entry + 1, *entry);
}

// The Start-menu shortcut's name and description the installer takes from the EXE.
void AddShortcutTexts(JsonLine& line, HMODULE module) {
    std::string list = "[";
    for (int language : {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                         MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)}) {
        wchar_t name[5] = {};
        swprintf(name, 5, L"%04X", language);
        list += (list.size() > 1 ? "," : "") +
                JsonLine()
                    .Text("language", name)
                    .Text("name", StringResource(module, IDS_SHORTCUT_NAME, language))
                    .Text("description", StringResource(module, IDS_SHORTCUT_DESCRIPTION, language))
                    .Finish();
    }
    line.Raw("shortcut_texts", list + "]");
}

void AddResources(JsonLine& line, const std::wstring& path) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module) {
        AddManifest(line, module);
        AddShortcutTexts(line, module);
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
    AddResources(line, path);
    return line.Finish();
}

namespace {

// The Apps & features entries of one hive, appended to the JSON list.
void AddUninstallEntries(HKEY hive, const char* hiveName, const std::wstring& name,
                         std::string& list) {
    HKEY products = nullptr;
    if (RegOpenKeyExW(hive, kUninstallKey, 0, KEY_READ, &products) != ERROR_SUCCESS) {
        return;
    }
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
                        .Utf8("hive", hiveName)
                        .Text("key", subkey)
                        .Text("version", ReadText(product, L"DisplayVersion"))
                        .Text("publisher", ReadText(product, L"Publisher"))
                        .Text("uninstall", ReadText(product, L"UninstallString"))
                        .Finish();
        }
        RegCloseKey(product);
    }
    RegCloseKey(products);
}

std::wstring ProductInfo(const wchar_t* code, MSIINSTALLCONTEXT context, const wchar_t* property) {
    wchar_t value[512] = {};
    DWORD length = 511;
    if (MsiGetProductInfoExW(code, nullptr, context, property, value, &length) != ERROR_SUCCESS) {
        return L"";
    }
    return value;
}

}  // namespace

std::string DescribeInstalledProducts(const std::wstring& name) {
    std::string list = "[";
    AddUninstallEntries(HKEY_LOCAL_MACHINE, "HKLM", name, list);
    AddUninstallEntries(HKEY_CURRENT_USER, "HKCU", name, list);
    return list + "]";
}

std::string DescribeInstallerProducts(const std::wstring& name) {
    std::string list = "[";
    wchar_t code[39];
    MSIINSTALLCONTEXT context = MSIINSTALLCONTEXT_NONE;
    for (DWORD index = 0; MsiEnumProductsExW(nullptr, nullptr, MSIINSTALLCONTEXT_ALL, index, code,
                                             &context, nullptr, nullptr) == ERROR_SUCCESS;
         ++index) {
        if (ProductInfo(code, context, INSTALLPROPERTY_PRODUCTNAME) != name) {
            continue;
        }
        const char* scope = context == MSIINSTALLCONTEXT_MACHINE         ? "machine"
                            : context == MSIINSTALLCONTEXT_USERUNMANAGED ? "user"
                                                                         : "managed user";
        list += (list.size() > 1 ? "," : "") +
                JsonLine()
                    .Text("code", code)
                    .Utf8("scope", scope)
                    .Text("version", ProductInfo(code, context, INSTALLPROPERTY_VERSIONSTRING))
                    .Finish();
    }
    return list + "]";
}

}  // namespace quarnic::e2e
