// COM for the program's one thread, for as long as the owner lives.
#pragma once

#include <objbase.h>

// The shell's ShellExecuteEx may hand a document to a handler that is a shell extension, which
// needs COM on the calling thread. CoInitialize, not CoInitializeEx: the first Windows 95 has
// no other, and it makes the thread apartment-threaded, as the shell's handlers expect.
class CComApartment {
public:
    CComApartment() : m_hr(::CoInitialize(nullptr)) {}
    ~CComApartment()
    {
        if (SUCCEEDED(m_hr))
            ::CoUninitialize();
    }
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    HRESULT m_hr;
};
