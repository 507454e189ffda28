// What an installation left on the machine, read the way Windows itself reads it: an EXE's
// version resource and manifest, and the programs listed in Apps & features.
#pragma once

#include <string>

namespace quarnic::e2e {

// The EXE's FILEVERSION and PRODUCTVERSION, its version texts in each language, its embedded
// manifest and its Start-menu shortcut's texts, as JSON; empty when the file cannot be read.
std::string DescribeExecutable(const std::wstring& path);

// Every Apps & features entry whose DisplayName is `name`, of the machine's and then the user's
// hive: [{hive, key, version, publisher, uninstall}].
std::string DescribeInstalledProducts(const std::wstring& name);

// Every product of that name the Windows installer has registered for this user or the
// machine: [{code, scope ("machine", "user"), version}].
std::string DescribeInstallerProducts(const std::wstring& name);

}  // namespace quarnic::e2e
