// What an installation left on the machine, read the way Windows itself reads it: an EXE's
// version resource and manifest, and the programs listed in Apps & features.
#pragma once

#include <string>

namespace quarnic::e2e {

// The EXE's FILEVERSION and PRODUCTVERSION, its "ProductVersion" text and its embedded manifest,
// as JSON; empty when the file cannot be read.
std::string DescribeExecutable(const std::wstring& path);

// Every Apps & features entry whose DisplayName is `name`: [{key, version, publisher, uninstall}].
std::string DescribeInstalledProducts(const std::wstring& name);

}  // namespace quarnic::e2e
