// Reads a list view of another process: rows, cell texts, column widths and cell rectangles; clicks cells.
#pragma once

#include "tests/e2e/driver/WindowReader.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// A block of memory inside the target process: list-view messages carry pointers that the
// system does not copy between processes, so structures and text buffers must live there.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return m_address != nullptr; }
    void* Address(size_t offset = 0) const { return static_cast<char*>(m_address) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE m_process;
    void* m_address = nullptr;
    size_t m_size;
};

class ListViewReader {
public:
    // The process handle needs memory access rights; the one CreateProcess gives has them.
    ListViewReader(HANDLE process, const Window& list);

    bool Ready() const { return m_list && static_cast<bool>(m_buffer); }
    int RowCount() const;
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    std::vector<int> ColumnWidths() const;
    std::string CellText(int row, int column) const;
    std::vector<std::string> RowTexts(int row) const;
    // LVM_GETSUBITEMRECT with LVIR_BOUNDS, in the list's client coordinates; column 0 there
    // spans the whole row.
    RECT SubItemRect(int row, int column) const;
    // The cell as the user sees it, on the screen: column 0 ends where its width ends.
    RECT CellRectOnScreen(int row, int column) const;
    // A left click posted to the middle of the cell, as the mouse would give it.
    bool ClickCell(int row, int column) const;

private:
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) const;

    Window m_list;
    RemoteBuffer m_buffer;
};

} // namespace e2e
