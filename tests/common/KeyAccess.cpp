// Registry keys that refuse changes, as an administrator's protection leaves them, for both Windows tiers.
#include "tests/common/KeyAccess.h"

#include <windows.h>

#include <aclapi.h>

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
