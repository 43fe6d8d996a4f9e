// Registry keys for both Windows tiers: removed with all they hold, looked for, and made to refuse
// changes as an administrator's protection leaves them.
#include "tests/common/KeyAccess.h"

#include <windows.h>

#include <aclapi.h>

#include <vector>

bool DeleteKeyTree(HKEY root, const std::string& path)
{
    HKEY key;
    // Only what the enumeration needs: a key may refuse changes of its values and still be deleted.
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) == ERROR_SUCCESS) {
        std::vector<std::string> children;
        char name[1024];
        for (DWORD i = 0;; ++i) {
            DWORD size = sizeof(name);
            if (::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            children.emplace_back(name, size);
        }
        ::RegCloseKey(key);
        for (const std::string& child : children)
            DeleteKeyTree(root, path + "\\" + child);
        ::RegDeleteKeyA(root, path.c_str());
    }
    HKEY probe;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &probe) == ERROR_SUCCESS) {
        ::RegCloseKey(probe);
        return false;
    }
    return true;
}

bool KeyExists(const std::string& path)
{
    HKEY key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

bool DenyValueChanges(const std::string& path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    bool denied = false;
    if (::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
        EXPLICIT_ACCESSA entries[2] = {};
        entries[0].grfAccessPermissions = KEY_SET_VALUE;
        entries[0].grfAccessMode = DENY_ACCESS;
        entries[1].grfAccessPermissions = KEY_ALL_ACCESS;
        entries[1].grfAccessMode = SET_ACCESS;
        for (EXPLICIT_ACCESSA& entry : entries) {
            entry.grfInheritance = NO_INHERITANCE;
            entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
            entry.Trustee.ptstrName = static_cast<LPSTR>(everyone);
        }
        PACL acl = nullptr;
        denied = ::SetEntriesInAclA(2, entries, nullptr, &acl) == ERROR_SUCCESS &&
                 ::SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, acl,
                                   nullptr) == ERROR_SUCCESS;
        ::LocalFree(acl);
        ::FreeSid(everyone);
    }
    ::RegCloseKey(key);
    return denied;
}
